// The table component on JobTable: states, editing, and the rule that moving away
// posts a changed pending row and drops an unchanged one.
#include "platform/db/DataSource.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDatabase.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class JobTableEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.Exec("INSERT INTO JobTable (Job) VALUES ('dentist'), ('hygienist'), ('recorder');");
        table = db.NewTable("JobTable.db");
        table->Open();
    }

    QString Stored()
    {
        return db.Scalar("SELECT group_concat(Code || ':' || Job, ',') FROM JobTable ORDER BY Code;");
    }

    QStringList Shown()
    {
        QStringList jobs;
        table->First();
        for (; !table->Eof(); table->Next())
            jobs.append(table->FieldByName("Job")->AsString());
        return jobs;
    }

    TempDatabase db;
    std::unique_ptr<TTable> table;
};

TEST_F(JobTableEditing, OpensInCodeOrderInBrowseState)
{
    db.Exec("UPDATE JobTable SET Job = 'a' WHERE Code = 3;");
    table->Refresh();
    EXPECT_EQ(table->State(), TDataSetState::Browse);
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(table->FieldByName("Code")->AsInteger(), 1);
    EXPECT_EQ(Shown(), (QStringList{"dentist", "hygienist", "a"}));
}

TEST_F(JobTableEditing, AppendPostGetsACodeFromTheEngine)
{
    table->Append();
    EXPECT_EQ(table->State(), TDataSetState::Insert);
    EXPECT_EQ(table->RecordCount(), 4);
    table->FieldByName("Job")->SetAsString("nurse");
    table->Post();
    EXPECT_EQ(table->State(), TDataSetState::Browse);
    EXPECT_EQ(table->FieldByName("Code")->AsInteger(), 4);
    EXPECT_EQ(Stored(), "1:dentist,2:hygienist,3:recorder,4:nurse");
}

TEST_F(JobTableEditing, InsertPutsTheNewRowAtTheCurrentPosition)
{
    table->Next(); // hygienist
    table->Insert();
    EXPECT_EQ(table->RecNo(), 2);
    table->FieldByName("Job")->SetAsString("nurse");
    table->Post();
    EXPECT_EQ(Shown(), (QStringList{"dentist", "nurse", "hygienist", "recorder"}));
    EXPECT_EQ(Stored(), "1:dentist,2:hygienist,3:recorder,4:nurse");
}

TEST_F(JobTableEditing, EditPostUpdatesTheCurrentRow)
{
    table->Next();
    table->Edit();
    EXPECT_EQ(table->State(), TDataSetState::Edit);
    table->FieldByName("Job")->SetAsString("assistant");
    table->Post();
    EXPECT_EQ(Stored(), "1:dentist,2:assistant,3:recorder");
}

TEST_F(JobTableEditing, CancelRestoresAnEditAndDropsAnInsert)
{
    table->Edit();
    table->FieldByName("Job")->SetAsString("changed");
    table->Cancel();
    EXPECT_EQ(table->FieldByName("Job")->AsString(), "dentist");
    table->Append();
    table->FieldByName("Job")->SetAsString("new");
    table->Cancel();
    EXPECT_EQ(table->State(), TDataSetState::Browse);
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(Stored(), "1:dentist,2:hygienist,3:recorder");
    table->Post(); // nothing outside the edit states
    table->Cancel();
    EXPECT_EQ(Stored(), "1:dentist,2:hygienist,3:recorder");
}

TEST_F(JobTableEditing, DeleteRemovesTheCurrentRowAndCancelsAnInsert)
{
    table->Next();
    table->Delete();
    EXPECT_EQ(Stored(), "1:dentist,3:recorder");
    EXPECT_EQ(table->FieldByName("Job")->AsString(), "recorder");
    table->Append();
    table->Delete();
    EXPECT_EQ(table->State(), TDataSetState::Browse);
    EXPECT_EQ(Stored(), "1:dentist,3:recorder");
    table->Delete();
    table->Delete();
    EXPECT_EQ(table->RecordCount(), 0);
    table->Delete(); // an empty table: nothing happens
    EXPECT_EQ(Stored(), "");
}

TEST_F(JobTableEditing, MovingPostsAChangedRowAndDropsAnUnchangedOne)
{
    table->Edit();
    table->FieldByName("Job")->SetAsString("surgeon");
    table->Next();
    EXPECT_EQ(table->State(), TDataSetState::Browse);
    EXPECT_EQ(Stored(), "1:surgeon,2:hygienist,3:recorder");

    table->Append();
    table->First();
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(table->FieldByName("Job")->AsString(), "surgeon");

    table->Append();
    table->FieldByName("Job")->SetAsString("nurse");
    table->Prior();
    EXPECT_EQ(Stored(), "1:surgeon,2:hygienist,3:recorder,4:nurse");
}

TEST_F(JobTableEditing, DataSourceRelaysTheNotifications)
{
    TDataSource source;
    source.SetDataSet(table.get());
    QSignalSpy moved(&source, &TDataSource::CursorMoved);
    QSignalSpy changed(&source, &TDataSource::DataChanged);
    QSignalSpy state(&source, &TDataSource::StateChanged);
    QSignalSpy closed(&source, &TDataSource::DataSetClosed);
    table->Next();
    table->Edit();
    table->FieldByName("Job")->SetAsString("x");
    table->Post();
    table->Close();
    EXPECT_GE(moved.count(), 1);
    EXPECT_GE(changed.count(), 2);
    EXPECT_EQ(state.count(), 3); // edit, browse, inactive
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(JobTableEditing, SeesTheWritesOfAQueryOnTheSameDatabase)
{
    auto q = db.NewQuery();
    q->SQL->Add("INSERT INTO JobTable (Job) VALUES (:Job);");
    q->ParamByName("Job")->SetAsString("nurse");
    q->ExecSQL();
    table->Refresh();
    EXPECT_EQ(table->RecordCount(), 4);
}

} // namespace

namespace {

TEST(JobTableEdges, EditOnAnEmptyTableInsertsAndWritingWhileBrowsingEdits)
{
    TempDatabase db;
    auto table = db.NewTable("jobtable.DB");
    table->Open();
    table->Edit();
    EXPECT_EQ(table->State(), TDataSetState::Insert);
    table->FieldByName("job")->SetAsString("dentist");
    table->Post();
    table->FieldByName("Job")->SetAsString("nurse");
    EXPECT_EQ(table->State(), TDataSetState::Edit);
    table->Post();
    EXPECT_EQ(db.Scalar("SELECT Code || ':' || Job FROM JobTable;"), "1:nurse");
}

} // namespace
