#include "tables/FormSetting.h"

#include "core/Edition.h"
#include "core/ProgramFiles.h"
#include "platform/widgets/Handler.h"
#include "tables/FormDentalFormulaTable.h"
#include "tables/FormFoodTable.h"
#include "tables/FormFrequencyTable.h"
#include "tables/FormJobTable.h"
#include "tables/FormKarteTable.h"
#include "tables/FormPSTable.h"
#include "tables/FormPatientTable.h"
#include "tables/FormSchoolTable.h"
#include "tables/FormStaffTable.h"
#include "tables/FormTreatmentTable.h"

TSettingForm* SettingForm = nullptr;

TSettingForm::TSettingForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
    for (widgets::Button* small :
         {PatientButton, MemberButton, MediRecButton, ExcuButton, TreatButton, DentalFormulaButton}) {
        QFont font = small->font();
        font.setPixelSize(11);
        small->setFont(font);
    }

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TSettingForm::FormShow);
    Connect(CloseButton, &QPushButton::clicked, this, &TSettingForm::CloseButtonClick);
    Connect(PatientButton, &QPushButton::clicked, this, &TSettingForm::PatientButtonClick);
    Connect(SchoolButton, &QPushButton::clicked, this, &TSettingForm::SchoolButtonClick);
    Connect(MemberButton, &QPushButton::clicked, this, &TSettingForm::MemberButtonClick);
    Connect(OccupationButton, &QPushButton::clicked, this, &TSettingForm::OccupationButtonClick);
    Connect(MediRecButton, &QPushButton::clicked, this, &TSettingForm::MediRecButtonClick);
    Connect(ExcuButton, &QPushButton::clicked, this, &TSettingForm::ExcuButtonClick);
    Connect(TreatButton, &QPushButton::clicked, this, &TSettingForm::TreatButtonClick);
    Connect(DentalFormulaButton, &QPushButton::clicked, this, &TSettingForm::DentalFormulaButtonClick);
    Connect(FoodButton, &QPushButton::clicked, this, &TSettingForm::FoodButtonClick);
    Connect(FreqButton, &QPushButton::clicked, this, &TSettingForm::FreqButtonClick);
    Edition().SettingsMade(*this);
}

void TSettingForm::FormShow()
{
    TIniFile* ini = ProgramFiles.IniFile;
    const bool debug = ini->ReadInteger("Debug", "Debug", 0) != 0;
    for (widgets::Button* maintenance :
         {PatientButton, MemberButton, MediRecButton, ExcuButton, TreatButton, DentalFormulaButton})
        maintenance->setEnabled(debug);
    if (!Edition().DatabaseFolderSettings())
        return;
    EditNetFileDir->SetText(ini->ReadString("Paradox", "NetFileDir", "C:\\KVR"));
    EditDatabaseName->SetText(ini->ReadString("Paradox", "DatabaseName", "C:\\KVR\\database"));
}

void TSettingForm::CloseButtonClick()
{
    if (Edition().DatabaseFolderSettings()) {
        TIniFile* ini = ProgramFiles.IniFile;
        ini->WriteString("Paradox", "NetFileDir", EditNetFileDir->Text());
        ini->WriteString("Paradox", "DatabaseName", EditDatabaseName->Text());
    }
    Close();
}

void TSettingForm::PatientButtonClick()
{
    PatientTableForm->ShowModal();
}

void TSettingForm::SchoolButtonClick()
{
    SchoolTableForm->ShowModal();
}

void TSettingForm::MemberButtonClick()
{
    StaffTableForm->ShowModal();
}

void TSettingForm::OccupationButtonClick()
{
    JobTableForm->ShowModal();
}

void TSettingForm::MediRecButtonClick()
{
    KarteTableForm->ShowModal();
}

void TSettingForm::ExcuButtonClick()
{
    PSTableForm->ShowModal();
}

void TSettingForm::TreatButtonClick()
{
    TreatmentTableForm->ShowModal();
}

void TSettingForm::DentalFormulaButtonClick()
{
    DentalFormulaTableForm->ShowModal();
}

void TSettingForm::FoodButtonClick()
{
    FoodTableForm->ShowModal();
}

void TSettingForm::FreqButtonClick()
{
    FrequencyTableForm->ShowModal();
}
