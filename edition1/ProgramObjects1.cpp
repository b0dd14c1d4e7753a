#include "edition1/ProgramObjects1.h"

#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/data/CommonUnit.h"
#include "core/data/DMDB.h"
#include "edition1/DebugUnit.h"
#include "edition1/Edition1.h"
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
#include "totals/FormTotal.h"
#include "totals/SumupUnit.h"

namespace {

template <class Maker> void CreateAll(Maker& maker)
{
    maker.CreateForm(MainMenuForm);
    maker.CreateForm(MonthCalendarForm);
    maker.CreateForm(DebugForm);
    maker.CreateForm(PatientForm);
    maker.CreateForm(MedicalRecordSearchForm);
    maker.CreateForm(MedicalRecordForm);
    maker.CreateForm(SettingForm);
    maker.CreateForm(TotalForm);
    maker.CreateForm(MemberForm);
    maker.CreateForm(PrintMedicalRecordForm);
    maker.CreateForm(WrittenByForm);
    maker.CreateForm(DoctorForm);
    maker.CreateForm(AboutForm);
    maker.CreateForm(DentalFormulaForm);
    maker.CreateForm(SearchPatientForm);
    maker.CreateForm(EditNoteForm);
    maker.CreateForm(SearchMemberForm);
    maker.CreateForm(EditTreatmentForm);
    maker.CreateForm(CommonForm);
    maker.CreateForm(EditDietForm);
    maker.CreateForm(SumupForm);
    maker.CreateForm(PrintCardForm);
    maker.CreateForm(DBDM);
    TEdition1::UseAlias(*DBDM);
    maker.CreateForm(DentalFormulaTableForm);
    maker.CreateForm(FoodTableForm);
    maker.CreateForm(FrequencyTableForm);
    maker.CreateForm(JobTableForm);
    maker.CreateForm(KarteTableForm);
    maker.CreateForm(PatientTableForm);
    maker.CreateForm(PSTableForm);
    maker.CreateForm(SchoolTableForm);
    maker.CreateForm(StaffTableForm);
    maker.CreateForm(TreatmentTableForm);
}

} // namespace

void CreateKelvara1Objects(widgets::Application& app)
{
    CreateAll(app);
}

void CreateKelvara1Objects(widgets::ObjectOwner& owner)
{
    CreateAll(owner);
}
