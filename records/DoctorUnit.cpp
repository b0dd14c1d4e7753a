#include "records/DoctorUnit.h"

#include "platform/widgets/Handler.h"

TDoctorForm* DoctorForm = nullptr;

TDoctorForm::TDoctorForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TDoctorForm::FormShow);
    Connect(DoctorListBox, &widgets::ListBox::DblClick, this, &TDoctorForm::OkButtonClick);
    Connect(OkButton, &QPushButton::clicked, this, &TDoctorForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TDoctorForm::CancelButtonClick);
}

void TDoctorForm::FormShow()
{
    bSelected = false;
}

void TDoctorForm::OkButtonClick()
{
    if (DoctorListBox->ItemIndex() >= 0)
        bSelected = true;
    Close();
}

void TDoctorForm::CancelButtonClick()
{
    Close();
}
