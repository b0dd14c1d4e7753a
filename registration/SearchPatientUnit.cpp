#include "registration/SearchPatientUnit.h"

#include "platform/widgets/Handler.h"
#include "registration/PatientUnit.h"

TSearchPatientForm* SearchPatientForm = nullptr;

TSearchPatientForm::TSearchPatientForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Label7->hide();
    BirthDateEdit->hide();
    SexComboBox->SetItemIndex(-1); // no criterion until one is chosen

    using widgets::Connect;
    Connect(OkButton, &QPushButton::clicked, this, &TSearchPatientForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TSearchPatientForm::CancelButtonClick);
}

stPatientRec TSearchPatientForm::Filter() const
{
    stPatientRec filter;
    filter.asPatientNo = PatientNoEdit->Text();
    filter.asName0 = FamilyNameEdit->Text();
    filter.asName1 = PersonalNameEdit->Text();
    filter.asNameKana0 = FamilyKanaEdit->Text();
    filter.asNameKana1 = PersonalKanaEdit->Text();
    filter.tBirth = StrToDateTime("1900/01/01");
    filter.iSex = SexComboBox->Text().isEmpty() ? -1 : SexComboBox->ItemIndex();
    filter.iSchoolCode = -1;
    filter.asSchoolName = SchoolNameEdit->Text();
    return filter;
}

void TSearchPatientForm::OkButtonClick()
{
    // The empty sex item searches both sexes, like no choice.
    if (SexComboBox->Text().isEmpty())
        SexComboBox->SetItemIndex(-1);
    PatientForm->ListFoundPatients(SearchPatient(Filter()));
    Close();
}

void TSearchPatientForm::CancelButtonClick()
{
    Close();
}
