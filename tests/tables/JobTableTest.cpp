// The occupation editor on the JobTable component: append, insert, edit, post, cancel,
// closing with a pending record, and the delete guard on live members.
#include "tables/FormJobTable.h"
#include "tests/support/OtherProgram.h"
#include "tests/tables/TableEditorFixture.h"

using namespace widgets;

namespace {

class JobEditor : public EditorTest<TJobTableForm, &JobTableForm>
{
protected:
    void SetUp() override
    {
        Db().Exec("INSERT INTO JobTable (Job) VALUES ('歯科医師');");
        Db().Exec("INSERT INTO JobTable (Job) VALUES ('歯科衛生士');");
        EditorTest::SetUp(); // the main menu opens JobTable on these rows
    }
    QStringList Jobs() { return Rows("SELECT Job FROM JobTable ORDER BY Code;"); }
};

TEST_F(JobEditor, TheGridShowsOneColumnOfJobsAndTheEditTheCurrentOne)
{
    Show([&] {
        EXPECT_EQ(f->Caption(), "職業テーブル設定");
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
        EXPECT_EQ(f->JobDBGrid->ColumnCount(), 1);
        EXPECT_EQ(Column(f->JobDBGrid, "Job"), QStringList({"歯科医師", "歯科衛生士"}));
        EXPECT_EQ(f->JobDBEdit->text(), "歯科医師");
        EXPECT_FALSE(f->JobDBEdit->isEnabled());
        EXPECT_EQ(f->JobDBEdit->Color(), clBtnFace);
        ClickRow(f->JobDBGrid, 1);
        EXPECT_EQ(f->JobDBEdit->text(), "歯科衛生士");
    });
}

TEST_F(JobEditor, AddThenSetAppendsAndInsertThenSetAddsAnotherRow)
{
    Show([&] {
        Click(f->AddButton);
        EXPECT_TRUE(f->JobDBEdit->isEnabled());
        EXPECT_EQ(f->JobDBEdit->Color(), clWindow);
        EXPECT_EQ(f->JobDBEdit->text(), "");
        Type(f->JobDBEdit, "事務");
        Click(f->SetButton);
        EXPECT_FALSE(f->JobDBEdit->isEnabled());
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 3");
        EXPECT_EQ(Column(f->JobDBGrid, "Job"), QStringList({"歯科医師", "歯科衛生士", "事務"}));
        ClickRow(f->JobDBGrid, 0);
        Click(f->InsertButton);
        EXPECT_EQ(Column(f->JobDBGrid, "Job").first(), "");
        Type(f->JobDBEdit, "受付");
        Click(f->SetButton);
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 4");
    });
    EXPECT_EQ(Jobs(), QStringList({"歯科医師", "歯科衛生士", "事務", "受付"}));
}

TEST_F(JobEditor, EditThenSetChangesTheCurrentJobAndCancelDropsTheChange)
{
    Show([&] {
        ClickRow(f->JobDBGrid, 1);
        Click(f->EditButton);
        Type(f->JobDBEdit, "A");
        Click(f->SetButton);
        Click(f->EditButton);
        Type(f->JobDBEdit, "B");
        Click(f->CancelButton);
        EXPECT_EQ(f->JobDBEdit->text(), "歯科衛生士A");
        Click(f->AddButton);
        Type(f->JobDBEdit, "C");
        Click(f->CancelButton);
        EXPECT_EQ(f->JobDBGrid->model()->rowCount(), 2);
    });
    EXPECT_EQ(Jobs(), QStringList({"歯科医師", "歯科衛生士A"}));
}

TEST_F(JobEditor, ClosingTheWindowDropsAPendingRecord)
{
    Show([&] {
        Click(f->AddButton);
        Type(f->JobDBEdit, "事務");
    });
    Show([&] {
        ClickRow(f->JobDBGrid, 0);
        Click(f->EditButton);
        Type(f->JobDBEdit, "X");
    });
    EXPECT_EQ(Jobs(), QStringList({"歯科医師", "歯科衛生士"}));
    EXPECT_EQ(DBDM->JobTable->State(), TDataSetState::Browse);
    EXPECT_EQ(DBDM->JobTable->RecordCount(), 2);
}

TEST_F(JobEditor, AJobOfNoLiveMemberIsDeletedWithoutAQuestionAndTheCountStays)
{
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, DeleteFlag) VALUES (1, 7, 1);");
    Show([&] {
        Click(f->DeleteButton);
        EXPECT_EQ(Column(f->JobDBGrid, "Job"), QStringList({"歯科衛生士"}));
        EXPECT_EQ(f->NofDataLabel->Caption(), "# of data 2");
    });
    EXPECT_TRUE(Script().Boxes().empty());
    EXPECT_EQ(Jobs(), QStringList({"歯科衛生士"}));
}

TEST_F(JobEditor, AJobOfLiveMembersIsDeletedOnlyAfterYes)
{
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, NameKanji0, NameKanji1, DeleteFlag) "
              "VALUES (2, 7, '山田', '花子', 0);");
    Db().Exec("INSERT INTO Staff2Table (JobCode, StaffNo, NameKanji0, NameKanji1, DeleteFlag) "
              "VALUES (2, 8, '川村', '一郎', 0);");
    const QString question =
        "職種が 歯科衛生士 のメンバーが 2 人ます。\n  7, 山田, 花子 ...\nこの職種を削除してよいですか？";
    Script().Expect(BoxKind::Question, question, mrNo);
    Script().Expect(BoxKind::Question, question, mrYes);
    Show([&] {
        ClickRow(f->JobDBGrid, 1);
        Click(f->DeleteButton);
        EXPECT_EQ(f->JobDBGrid->model()->rowCount(), 2);
        Click(f->DeleteButton);
        EXPECT_EQ(Column(f->JobDBGrid, "Job"), QStringList({"歯科医師"}));
    });
    EXPECT_EQ(Jobs(), QStringList({"歯科医師"}));
}

// Mended: the table's Post wrote onto a row another program deleted since Edit, found none,
// and said nothing. Refused as the engine refuses it, the edit stays to be cancelled.
TEST_F(JobEditor, ASetOnAJobAnotherProgramDeletedIsRefusedAndTheEditCancelled)
{
    Show([&] {
        ClickRow(f->JobDBGrid, 1);
        Click(f->EditButton);
        Type(f->JobDBEdit, "A");
        OtherProgram other(Db().DatabaseFile(), 5000);
        ASSERT_EQ(other.Exec("DELETE FROM JobTable WHERE Job = '歯科衛生士';"), SQLITE_OK);
        Script().Expect(BoxKind::Exception,
                        "このレコードは，ほかのプログラムで削除されています。\n登録できませんでした。");
        Click(f->SetButton);
        Click(f->CancelButton);
        EXPECT_EQ(f->JobDBEdit->text(), "歯科衛生士");
    });
    EXPECT_EQ(Jobs(), QStringList({"歯科医師"}));
}

} // namespace
