// The school editor: the list, add, change, and the delete guard on live examinees.
#include "tables/FormSchoolTable.h"
#include "tests/support/OtherProgram.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

using SchoolEditor = EditorTest<TSchoolTableForm, &SchoolTableForm>;

TEST_F(SchoolEditor, AnEmptyTableShowsNoRowsAndEditAndDeleteDoNothing)
{
    Show([&] {
        EXPECT_EQ(f->Caption(), "学校テーブル設定");
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 0");
        EXPECT_FALSE(f->SchoolEdit->isEnabled());
        EXPECT_FALSE(f->SetButton->isEnabled());
        EXPECT_TRUE(f->AddButton->isEnabled());
        Click(f->EditButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_FALSE(f->SchoolEdit->isEnabled());
    });
    EXPECT_TRUE(Script().Boxes().empty());
}

TEST_F(SchoolEditor, AddStoresTheTypedNameAndTheListShowsItWithoutItsCodeUnlessDebugging)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('南小学校');");
    Show([&] {
        EXPECT_EQ(f->SchoolDBGrid->ColumnCount(), 2);
        EXPECT_FALSE(f->SchoolDBGrid->ColumnVisible(0));
        Click(f->AddButton);
        EXPECT_EQ(f->iEditMode, 1);
        EXPECT_TRUE(f->SchoolEdit->isEnabled());
        EXPECT_EQ(f->focusWidget(), f->SchoolEdit);
        Type(f->SchoolEdit, "北中学校");
        Click(f->SetButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_FALSE(f->SchoolEdit->isEnabled());
        EXPECT_EQ(f->SchoolEdit->Text(), "");
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"北中学校", "南小学校"}));
    });
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable ORDER BY Code;"), QStringList({"南小学校", "北中学校"}));

    program.WriteSetting("Debug", "Debug", "1");
    Show([&] { EXPECT_TRUE(f->SchoolDBGrid->ColumnVisible(0)); });
}

TEST_F(SchoolEditor, SetChangesTheRowThatEditWasPressedOnEvenWhenAnotherRowIsSelectedSince)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('B校');");
    Show([&] {
        ClickRow(f->SchoolDBGrid, 0);
        Click(f->EditButton);
        EXPECT_EQ(f->SchoolEdit->Text(), "A校");
        Type(f->SchoolEdit, "舎");
        ClickRow(f->SchoolDBGrid, 1);
        Click(f->SetButton);
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"A校舎", "B校"}));
    });
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable ORDER BY Code;"), QStringList({"A校舎", "B校"}));
}

TEST_F(SchoolEditor, CancelLeavesTheTableAsItWas)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    Show([&] {
        Click(f->EditButton);
        Type(f->SchoolEdit, "x");
        Click(f->CancelButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_EQ(f->SchoolEdit->Text(), "");
        Click(f->SetButton); // disabled: nothing happens
    });
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable;"), QStringList({"A校"}));
}

TEST_F(SchoolEditor, ASchoolWithoutLiveExamineesIsDeletedWithoutAQuestion)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('B校');");
    Db().Exec("INSERT INTO Patient2Table (PatientNo, SchoolCode, DeleteFlag) VALUES (1, 1, 1);");
    Show([&] {
        Click(f->AddButton);
        Click(f->DeleteButton);
        EXPECT_EQ(f->iEditMode, 0);
        EXPECT_FALSE(f->SchoolEdit->isEnabled());
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"B校"}));
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 1");
    });
    EXPECT_TRUE(Script().Boxes().empty());
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable;"), QStringList({"B校"}));
}

TEST_F(SchoolEditor, ASchoolOfLiveExamineesIsDeletedOnlyAfterYes)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    for (int i = 1; i <= 3; ++i)
        Db().Exec(QString("INSERT INTO Patient2Table (PatientNo, SchoolCode, DeleteFlag) VALUES (%1, 1, %2);")
                      .arg(i)
                      .arg(i == 3 ? 1 : 0));
    const QString question = "学校 A校 には 2 人の受診者がいます。\nこの学校を削除してよいですか？";
    Script().Expect(BoxKind::Question, question, mrNo);
    Script().Expect(BoxKind::Question, question, mrYes);
    Show([&] {
        Click(f->DeleteButton);
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"A校"}));
        EXPECT_FALSE(f->SchoolDBGrid->ColumnVisible(0));
        Click(f->DeleteButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 0");
    });
    EXPECT_EQ(Script().Sounds().front(), Sound::Question);
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable;"), QStringList());
}

TEST_F(SchoolEditor, AFailingDeleteShowsTheErrorAndTheListAgain)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    Db().Exec("DROP TABLE Patient2Table;");
    Script().Expect(BoxKind::Error,
                    "受診者テーブル アクセスエラー。\nSchoolCode=1\n(TSchoolTableForm::DeleteButtonClick)");
    Show([&] {
        Click(f->AddButton);
        Click(f->DeleteButton);
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"A校"}));
        EXPECT_EQ(f->iEditMode, 0);
    });
    EXPECT_EQ(Script().Sounds().front(), Sound::Exclamation);
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable;"), QStringList({"A校"}));
}

// Mended: Set wrote onto a row another program deleted since Edit, found none, and said
// nothing.
TEST_F(SchoolEditor, ASetOnASchoolAnotherProgramDeletedSaysSoAndListsWhatThereIs)
{
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('A校');");
    Db().Exec("INSERT INTO SchoolTable (Name) VALUES ('B校');");
    Show([&] {
        ClickRow(f->SchoolDBGrid, 0);
        Click(f->EditButton);
        Type(f->SchoolEdit, "舎");
        OtherProgram other(Db().DatabaseFile(), 5000);
        ASSERT_EQ(other.Exec("DELETE FROM SchoolTable WHERE Name = 'A校';"), SQLITE_OK);
        Script().Expect(BoxKind::Error,
                        "このデータは，ほかのプログラムで削除されています。\n登録できませんでした。");
        Click(f->SetButton);
        EXPECT_EQ(Column(f->SchoolDBGrid, "Name"), QStringList({"B校"}));
        EXPECT_EQ(f->iEditMode, 0);
    });
    EXPECT_EQ(Rows("SELECT Name FROM SchoolTable;"), QStringList({"B校"}));
}

} // namespace
