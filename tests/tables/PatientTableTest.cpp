// The examinee maintenance editor: live and deleted rows alike, the flag, the search,
// the school picker, delete without a question.
#include "tables/FormPatientTable.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

class PatientEditor : public EditorTest<TPatientTableForm, &PatientTableForm>
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
        Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('B校');");
        Db().Exec(
            "INSERT INTO Patient2Table (PatientNo, Name0, SchoolCode, DeleteFlag) VALUES (1, '青木', 2, 0);");
        Db().Exec("INSERT INTO Patient2Table (PatientNo, Name0, SchoolCode, DeleteFlag) VALUES (2, "
                  "'O''Neil', 9, 1);");
    }
};

TEST_F(PatientEditor, ListsLiveAndDeletedRowsAndTheSchoolPicker)
{
    Show([&] {
        EXPECT_EQ(f->Caption(), "Patient Table Setting");
        EXPECT_EQ(f->DefaultButton(), nullptr);
        EXPECT_EQ(Column(f->PatientDBGrid, "Name0"), QStringList({"O'Neil", "青木"}));
        EXPECT_EQ(Column(f->PatientDBGrid, "DeleteFlag"), QStringList({"True", "False"}));
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
        EXPECT_EQ(f->NofSchoolLabel->Caption(), "# of data 2");
        EXPECT_FALSE(f->Name0Edit->isEnabled());
    });
}

TEST_F(PatientEditor, ASearchTextIsMatchedAsTextQuotesIncluded)
{
    Show([&] {
        Type(f->SearchEdit, "'N");
        Click(f->SearchButton);
        EXPECT_EQ(Column(f->PatientDBGrid, "Name0"), QStringList({"O'Neil"}));
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 1");
    });
}

TEST_F(PatientEditor, EditSetsAndClearsTheDeletedFlagAndKeepsTheSchool)
{
    Show([&] {
        ClickRow(f->PatientDBGrid, 1); // 青木, live, school B
        Click(f->EditButton);
        EXPECT_EQ(f->PatientNoEdit->Text(), "1");
        EXPECT_FALSE(f->DeleteFlagCheckBox->Checked());
        Tick(f->DeleteFlagCheckBox);
        Click(f->SetButton);
        ClickRow(f->PatientDBGrid, 0); // O'Neil, flagged
        Click(f->EditButton);
        EXPECT_TRUE(f->DeleteFlagCheckBox->Checked());
        Tick(f->DeleteFlagCheckBox);
        Click(f->SetButton);
    });
    EXPECT_EQ(
        Rows("SELECT PatientNo || ':' || DeleteFlag || ':' || SchoolCode FROM Patient2Table ORDER BY Code;"),
        QStringList({"1:1:2", "2:0:9"}));
}

TEST_F(PatientEditor, ASchoolCodeThePickerLacksStaysUnlessTheOperatorPicksASchool)
{
    Show([&] {
        ClickRow(f->PatientDBGrid, 0); // O'Neil, school 9 that does not exist
        Click(f->EditButton);
        Click(f->SetButton);
    });
    EXPECT_EQ(Rows("SELECT SchoolCode FROM Patient2Table WHERE PatientNo = 2;"), QStringList({"9"}));
    Show([&] {
        ClickRow(f->PatientDBGrid, 0);
        Click(f->EditButton);
        ClickRow(f->DBGrid1, 1); // B校, the row the walk ended on
        Click(f->SetButton);
    });
    EXPECT_EQ(Rows("SELECT SchoolCode FROM Patient2Table WHERE PatientNo = 2;"), QStringList({"2"}));
}

TEST_F(PatientEditor, AddStoresTheInputAndDeleteRemovesARowWithoutAQuestion)
{
    Show([&] {
        Click(f->AddButton);
        Type(f->PatientNoEdit, "30");
        Type(f->Name0Edit, "佐藤");
        Type(f->NameKana0Edit, "サトウ");
        ClickRow(f->DBGrid1, 0);
        Click(f->SetButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 3");
        ClickRow(f->PatientDBGrid, 0);
        Click(f->DeleteButton);
        EXPECT_EQ(Column(f->PatientDBGrid, "Name0"), QStringList({"佐藤", "青木"}));
    });
    EXPECT_TRUE(Script().Boxes().empty());
    EXPECT_EQ(Rows("SELECT PatientNo || ':' || Name0 || ':' || IFNULL(NameKana0, '') || ':' || SchoolCode "
                   "FROM Patient2Table ORDER BY Code;"),
              QStringList({"1:青木::2", "30:佐藤:サトウ:1"}));
}

} // namespace
