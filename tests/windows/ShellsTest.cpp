// Every window exists on its own from start-up: made with no database and no other
// window, named after its global, with its caption and client size, and hidden.
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

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct WindowCase
{
    std::function<std::unique_ptr<widgets::Form>()> make;
    const char* name;
    const char* caption;
    int width;
    int height;
};

template <class T> std::unique_ptr<widgets::Form> Make()
{
    return std::make_unique<T>();
}

const WindowCase windows[] = {
    {Make<TPatientForm>, "PatientForm", "受診者登録", 696, 416},
    {Make<TSearchPatientForm>, "SearchPatientForm", "受診者検索", 552, 161},
    {Make<TMemberForm>, "MemberForm", "メンバー登録", 680, 425},
    {Make<TSearchMemberForm>, "SearchMemberForm", "メンバー検索", 499, 188},
    {Make<TSettingForm>, "SettingForm", "設定", 323, 378},
    {Make<TSchoolTableForm>, "SchoolTableForm", "学校テーブル設定", 400, 320},
    {Make<TJobTableForm>, "JobTableForm", "職業テーブル設定", 400, 320},
    {Make<TFoodTableForm>, "FoodTableForm", "食事内容テーブル設定", 400, 320},
    {Make<TFrequencyTableForm>, "FrequencyTableForm", "食事頻度テーブル設定", 400, 320},
    {Make<TPatientTableForm>, "PatientTableForm", "Patient Table Setting", 760, 520},
    {Make<TStaffTableForm>, "StaffTableForm", "Staff Table Setting", 760, 520},
    {Make<TKarteTableForm>, "KarteTableForm", "Karte Table Setting", 760, 520},
    {Make<TPSTableForm>, "PSTableForm", "PS Table Setting", 760, 560},
    {Make<TDentalFormulaTableForm>, "DentalFormulaTableForm", "Dental Formula Table Setting", 520, 390},
    {Make<TTreatmentTableForm>, "TreatmentTableForm", "Treatment Table Setting", 760, 560},
    {Make<TMedicalRecordForm>, "MedicalRecordForm", "カルテ編集", 960, 701},
    {Make<TMedicalRecordSearchForm>, "MedicalRecordSearchForm", "カルテ検索", 704, 446},
    {Make<TDentalFormulaForm>, "DentalFormulaForm", "歯式表", 482, 273},
    {Make<TEditDietForm>, "EditDietForm", "食事調査編集", 328, 101},
    {Make<TEditNoteForm>, "EditNoteForm", "備考編集", 492, 109},
    {Make<TEditTreatmentForm>, "EditTreatmentForm", "療法・処置編集", 492, 111},
    {Make<TPrintCardForm>, "PrintCardForm", "診察券印刷", 240, 90},
    {Make<TPrintMedicalRecordForm>, "PrintMedicalRecordForm", "カルテ印刷(Print Medical Record)", 240, 150},
    {Make<TDoctorForm>, "DoctorForm", "担当医指定", 180, 173},
    {Make<TWrittenByForm>, "WrittenByForm", "記録者指定", 180, 173},
    {Make<TSumupForm>, "SumupForm", "集計", 195, 244},
    {Make<TTotalForm>, "TotalForm", "集計", 349, 252},
};

TEST(WindowShells, EachWindowHasItsNameCaptionAndSizeAndIsHidden)
{
    for (const WindowCase& c : windows) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<widgets::Form> form = c.make();
        EXPECT_EQ(form->objectName(), QString(c.name));
        EXPECT_EQ(form->Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(form->size(), QSize(c.width, c.height));
        EXPECT_FALSE(form->isVisible());
    }
}

TEST(WindowShells, ExamineeWindowHasItsThreeModeButtons)
{
    TPatientForm form;
    ASSERT_NE(form.OkButton, nullptr);
    ASSERT_NE(form.CancelButton, nullptr);
    ASSERT_NE(form.CloseButton, nullptr);
    EXPECT_EQ(form.OkButton->Caption(), "OK");
    EXPECT_EQ(form.CancelButton->Caption(), "キャンセル");
    EXPECT_EQ(form.CloseButton->Caption(), "閉じる(&X)");
    EXPECT_TRUE(form.OkButton->Default());
    EXPECT_TRUE(form.CancelButton->Cancel());
    EXPECT_EQ(form.DefaultButton(), form.OkButton);
}

} // namespace
