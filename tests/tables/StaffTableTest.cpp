// The member maintenance editor: members with their occupation, live and deleted, the
// flag, the search, and nothing written without occupations.
#include "tables/FormStaffTable.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

using StaffEditor = EditorTest<TStaffTableForm, &StaffTableForm>;

TEST_F(StaffEditor, ListsMembersOfExistingOccupationsLiveOrDeletedAndSearchesTheirNames)
{
    Db().Exec("INSERT INTO JobTable (Job) VALUES ('歯科医師');");
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, NameKana0, NameAlphabet0, DeleteFlag) "
              "VALUES (1, 1, 'ア', 'O''Hara', 1);");
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, NameKana0, DeleteFlag) VALUES (1, 2, 'イ', 0);");
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, NameKana0, DeleteFlag) VALUES (5, 3, 'ウ', 0);");
    Show([&] {
        EXPECT_EQ(f->Caption(), "Staff Table Setting");
        EXPECT_EQ(Column(f->StaffDBGrid, "StaffNo"), QStringList({"1", "2"}));
        EXPECT_EQ(Column(f->StaffDBGrid, "Job"), QStringList({"歯科医師", "歯科医師"}));
        EXPECT_EQ(f->StaffDBGrid->ColumnWidth(2), 100);
        EXPECT_EQ(f->StaffDBGrid->ColumnWidth(4), 30);
        EXPECT_FALSE(f->JobDBGrid->ColumnVisible(0));
        EXPECT_EQ(f->NofJobLabel->Caption(), "# of data 1");
        Type(f->SearchEdit, "O'H");
        Click(f->SearchButton);
        EXPECT_EQ(Column(f->StaffDBGrid, "StaffNo"), QStringList({"1"}));
        // Setting and clearing the flag.
        Click(f->EditButton);
        EXPECT_TRUE(f->DeleteFlagCheckBox->Checked());
        Tick(f->DeleteFlagCheckBox);
        Click(f->SetButton);
        EXPECT_EQ(Column(f->StaffDBGrid, "DeleteFlag"), QStringList({"False"}));
        Click(f->DeleteButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 0");
    });
    EXPECT_EQ(Rows("SELECT StaffNo FROM Staff2Table ORDER BY Code;"), QStringList({"2", "3"}));
}

TEST_F(StaffEditor, AddTakesThePickedOccupationAndWritesNothingWithoutOccupations)
{
    Show([&] {
        Click(f->AddButton);
        Type(f->StaffNoEdit, "5");
        Click(f->SetButton);
        EXPECT_EQ(f->iEditMode, 0);
    });
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM Staff2Table;"), QStringList({"0"}));
    Db().Exec("INSERT INTO JobTable (Job) VALUES ('歯科医師');");
    Db().Exec("INSERT INTO JobTable (Job) VALUES ('事務');");
    Show([&] {
        Click(f->AddButton);
        Type(f->StaffNoEdit, "5");
        Type(f->NameKanji0Edit, "山田");
        ClickRow(f->JobDBGrid, 0); // 事務
        Click(f->SetButton);
        EXPECT_EQ(Column(f->StaffDBGrid, "Job"), QStringList({"事務"}));
    });
    EXPECT_EQ(Rows("SELECT StaffNo || ':' || JobCode || ':' || NameKanji0 FROM Staff2Table;"),
              QStringList({"5:2:山田"}));
}

// The list's statement names Code, JobCode and the other bare columns that both its tables
// could give: each is Staff2Table's, and the occupation comes third, as the grid shows it.
TEST_F(StaffEditor, TheListStatementReadsEachBareColumnFromTheMembers)
{
    Db().Exec("INSERT INTO JobTable (Code, Job) VALUES (1, 'dentist'), (2, 'hygienist');");
    Db().Exec("INSERT INTO Staff2Table (Code, JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, "
              "NameKana1, NameAlphabet0, NameAlphabet1, DeleteFlag) VALUES "
              "(1, 2, 100, 1, '鈴木', '花', 'スズキ', 'ハナ', 'Suzuki', 'Hana', 0),"
              "(2, 1, 200, 0, '阿部', '一', 'アベ', 'ハジメ', 'Abe', 'Hajime', 1),"
              "(3, 9, 300, 0, '井上', '二', 'イノウエ', 'ジ', 'Inoue', 'Ji', 0);");
    auto q = Db().NewQuery();
    for (const QString& line : StaffListLines(false))
        q->SQL->Add(line);
    q->Open();
    ASSERT_GE(q->FieldCount(), 5);
    EXPECT_EQ(q->Fields(2)->FieldName(), "Job");
    EXPECT_EQ(q->Fields(4)->FieldName(), "Sex");
    EXPECT_EQ(TempDatabase::Rows(q.get(), {"Code", "JobCode", "Job", "StaffNo"}),
              (QStringList{"2|1|dentist|200", "1|2|hygienist|100"}));

    q->Close();
    q->SQL->Clear();
    for (const QString& line : StaffListLines(true))
        q->SQL->Add(line);
    q->ParamByName("Search")->SetAsString("%Suz%");
    q->Open();
    EXPECT_EQ(TempDatabase::Rows(q.get(), {"Code", "Job"}), QStringList{"1|hygienist"});
}

} // namespace
