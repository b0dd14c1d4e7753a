#include "tools/kvr-screens/Screens.h"

#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "app/ProgramObjects.h"
#include "core/MonthCalendarUnit.h"
#include "edition1/DebugUnit.h"
#include "edition1/Edition1.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Paths.h"
#include "platform/widgets/Application.h"
#include "records/DentalFormulaUnit.h"
#include "records/DoctorUnit.h"
#include "records/EditDietUnit.h"
#include "records/EditNoteUnit.h"
#include "records/EditTreatmentUnit.h"
#include "records/MedicalRecordSearchUnit.h"
#include "records/MedicalRecordUnit.h"
#include "records/PrintCardUnit.h"
#include "records/PrintMedicalRecordUnit.h"
#include "records/WrittenByUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "registration/SearchMemberUnit.h"
#include "registration/SearchPatientUnit.h"
#include "tables/FormDentalFormulaTable.h"
#include "tables/FormFoodTable.h"
#include "tables/FormFrequencyTable.h"
#include "tables/FormJobTable.h"
#include "tables/FormKarteTable.h"
#include "tables/FormPSTable.h"
#include "tables/FormPatientTable.h"
#include "tables/FormSchoolTable.h"
#include "tables/FormSetting.h"
#include "tables/FormStaffTable.h"
#include "tables/FormTreatmentTable.h"
#include "tests/platform/widgets/SampleForm.h"
#include "totals/FormTotal.h"
#include "totals/SumupUnit.h"

namespace {
TSampleForm* SampleForm = nullptr;
// Kelvara1's variants, made and shown while its edition is installed; its About box
// reads the Kelvara1 program file of this build.
TMonthCalendarForm* MonthCalendarForm1 = nullptr;
TAboutForm* AboutForm1 = nullptr;
TSettingForm* SettingForm1 = nullptr;
TSumupForm* SumupForm1 = nullptr;

TEdition1& Kelvara1()
{
    static TEdition1 edition(ProgramPath(KVR_KELVARA1_FILE));
    return edition;
}

// Shows `form` as Kelvara1 does, until the screen is grabbed.
widgets::Form* AsKelvara1(widgets::Form* form)
{
    SetEdition(&Kelvara1());
    return form;
}
void BackToKelvara2()
{
    SetEdition(nullptr);
}
} // namespace

namespace {
template <class Owner> void CreateAll(Owner& owner)
{
    CreateProgramObjects(owner);
    owner.CreateForm(SampleForm);
    SetEdition(&Kelvara1());
    owner.CreateForm(DebugForm);
    owner.CreateForm(MonthCalendarForm1);
    owner.CreateForm(AboutForm1);
    owner.CreateForm(SettingForm1);
    owner.CreateForm(SumupForm1);
    SetEdition(nullptr);
}
} // namespace

void CreateScreenObjects(widgets::Application& app)
{
    CreateAll(app);
}

void CreateScreenObjects(widgets::ObjectOwner& owner)
{
    CreateAll(owner);
}

// One line per window.
const std::vector<Screen>& Screens()
{
    static const std::vector<Screen> screens = {
        {"SampleForm", [] { return SampleForm; }},
        {"MainMenuForm", [] { return MainMenuForm; }},
        {"AboutForm", [] { return AboutForm; }},
        {"MonthCalendarForm",
         [] {
             MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2015, 4, 10));
             return MonthCalendarForm;
         }},
        {"PatientForm",
         [] {
             PatientForm->OkButton->hide();
             PatientForm->CancelButton->hide();
             return PatientForm;
         }},
        {"SearchPatientForm", [] { return SearchPatientForm; }},
        {"MedicalRecordForm", [] { return MedicalRecordForm; }},
        {"MedicalRecordSearchForm", [] { return MedicalRecordSearchForm; }},
        {"PrintMedicalRecordForm", [] { return PrintMedicalRecordForm; }},
        {"PrintCardForm", [] { return PrintCardForm; }},
        {"DentalFormulaForm",
         [] {
             // A chart as the karte editor hands it over: its labels and a check-up's symbols.
             MedicalRecordForm->FormShow();
             stCheckupRecord& checkup = MedicalRecordForm->tstChekupRec[0];
             const int codes[] = {6, 1, 2, 3, 4, 7, 8, 10, 11, 12, 19, 6, 6};
             for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
                 ToothCode(checkup, p) = codes[p % std::size(codes)];
             MedicalRecordForm->ShowCheckupFormula(0);
             CopyChartCells(*MedicalRecordForm->DentalFormulaSG, *DentalFormulaForm->DentalFormulaSG);
             return DentalFormulaForm;
         }},
        {"MemberForm", [] { return MemberForm; }},
        {"SearchMemberForm", [] { return SearchMemberForm; }},
        {"SettingForm", [] { return SettingForm; }},
        {"SchoolTableForm", [] { return SchoolTableForm; }},
        {"JobTableForm", [] { return JobTableForm; }},
        {"FoodTableForm", [] { return FoodTableForm; }},
        {"FrequencyTableForm", [] { return FrequencyTableForm; }},
        {"PatientTableForm", [] { return PatientTableForm; }},
        {"StaffTableForm", [] { return StaffTableForm; }},
        {"KarteTableForm", [] { return KarteTableForm; }},
        {"PSTableForm", [] { return PSTableForm; }},
        {"DentalFormulaTableForm", [] { return DentalFormulaTableForm; }},
        {"TreatmentTableForm", [] { return TreatmentTableForm; }},
        {"SumupForm", [] { return SumupForm; }},
        {"EditNoteForm", [] { return EditNoteForm; }},
        {"EditTreatmentForm", [] { return EditTreatmentForm; }},
        {"EditDietForm", [] { return EditDietForm; }},
        {"DoctorForm", [] { return DoctorForm; }},
        {"WrittenByForm", [] { return WrittenByForm; }},
        {"TotalForm", [] { return TotalForm; }},
        {"DebugForm", [] { return AsKelvara1(DebugForm); }, BackToKelvara2},
        {"MonthCalendarForm1",
         [] {
             MonthCalendarForm1->MonthCalendar1->SetDate(EncodeDate(2015, 4, 10));
             return AsKelvara1(MonthCalendarForm1);
         },
         BackToKelvara2},
        {"AboutForm1", [] { return AsKelvara1(AboutForm1); }, BackToKelvara2},
        {"SettingForm1", [] { return AsKelvara1(SettingForm1); }, BackToKelvara2},
        {"SumupForm1", [] { return AsKelvara1(SumupForm1); }, BackToKelvara2},
    };
    return screens;
}
