// The treatment maintenance editor: the member and karte pickers give the codes; a
// code the picker lacks stays; delete returns to browsing.
#include "tables/FormTreatmentTable.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

class TreatmentEditor : public EditorTest<TTreatmentTableForm, &TreatmentTableForm>
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Db().Exec("INSERT INTO Staff2Table (StaffNo, NameKana0, DeleteFlag) VALUES (1, 'ア', 1);");
        Db().Exec("INSERT INTO Staff2Table (StaffNo, NameKana0, DeleteFlag) VALUES (2, 'イ', 0);");
        Db().Exec("INSERT INTO KarteTable (KarteNo, DeleteFlag) VALUES ('XX-0001-0001', 0);");
        Db().Exec("INSERT INTO TreatmentTable (RDate, Treatment, StaffCode, KarteCode) "
                  "VALUES ('2015-04-10', '抜歯', 7, 1);");
    }
    QStringList Treatments()
    {
        return Rows(
            "SELECT RDate || ':' || Treatment || ':' || StaffCode || ':' || KarteCode FROM TreatmentTable "
            "ORDER BY Code;");
    }
};

TEST_F(TreatmentEditor, EditKeepsAMemberThePickerLacksAndAddTakesThePickedRows)
{
    Show([&] {
        EXPECT_EQ(f->Caption(), "Treatment Table Setting");
        EXPECT_EQ(f->NofStaffLabel->Caption(), "# of staff 2");
        EXPECT_EQ(f->NofKarteLabel->Caption(), "# of Karte 1");
        Click(f->EditButton);
        EXPECT_EQ(f->TreatmentEdit->Text(), "抜歯");
        Type(f->TreatmentEdit, "2");
        Click(f->SetButton);
        Click(f->AddButton);
        Type(f->TreatmentEdit, "充填");
        ClickRow(f->StaffDBGrid, 0);
        Click(f->SetButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
    });
    EXPECT_EQ(Treatments(), QStringList({"2015-04-10:抜歯2:7:1", "2015-04-10:充填:1:1"}));
}

TEST_F(TreatmentEditor, DeleteRemovesTheRowAndEndsTheEditing)
{
    Show([&] {
        Click(f->EditButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_FALSE(f->TreatmentEdit->isEnabled());
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 0");
        Click(f->EditButton);
        EXPECT_EQ(f->iEditMode, 0);
    });
    EXPECT_EQ(Treatments(), QStringList());
}

} // namespace
