#include "records/WrittenByUnit.h"

#include "platform/widgets/Handler.h"

TWrittenByForm* WrittenByForm = nullptr;

TWrittenByForm::TWrittenByForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TWrittenByForm::FormShow);
    Connect(WrittenByListBox, &widgets::ListBox::DblClick, this, &TWrittenByForm::OkButtonClick);
    Connect(OkButton, &QPushButton::clicked, this, &TWrittenByForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TWrittenByForm::CancelButtonClick);
}

void TWrittenByForm::FormShow()
{
    bSelected = false;
}

void TWrittenByForm::OkButtonClick()
{
    if (WrittenByListBox->ItemIndex() >= 0)
        bSelected = true;
    Close();
}

void TWrittenByForm::CancelButtonClick()
{
    Close();
}
