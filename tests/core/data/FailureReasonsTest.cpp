// A failure the data store turns into a code keeps its reason where a maintainer looks: one
// line on standard error with the operation, the engine's message and the first line of the
// statement. The codes are those the windows have always shown.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/CapturedLog.h"
#include "tests/support/OtherProgram.h"

#include <QProcess>
#include <functional>

namespace {

class FailureReasons : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
        ASSERT_EQ(AddMedicalRecord(Karte("KF-0001-0001", Day(2024, 1, 1)), stExcursusRec(), ""), 1);
        stNoteRecord note;
        note.asDescription = "before";
        note.asStaffNo = "7";
        note.asKarteNo = "KF-0001-0001";
        ASSERT_EQ(AddNote(note), 1);
        noteCode = QString::number(GetAddedCode());
    }

    // The note replaced by another program, whose code and standard error are read whole.
    struct Run
    {
        int code;
        QString standardError;
    };
    // `meanwhile` runs once the other program has opened the database, before it replaces.
    Run ReplaceNoteElsewhere(const std::function<void()>& meanwhile = {})
    {
        QProcess other;
        const auto started = StartHelper(other, {"--wait", "replace-note", noteCode, "KF-0001-0001"});
        if (!started)
            return {0, QString::fromStdString(started.message())};
        if (meanwhile)
            meanwhile();
        other.write("go\n");
        EXPECT_TRUE(other.waitForFinished(30000));
        const QString out = QString::fromUtf8(other.readAllStandardOutput());
        return {out.trimmed().toInt(), QString::fromUtf8(other.readAllStandardError())};
    }

    QString noteCode;
};

TEST_F(FailureReasons, AReplaceOnADatabaseWithoutItsTableLeavesTheEnginesMessageOnStandardError)
{
    Exec("DROP TABLE NoteTable;");
    const Run run = ReplaceNoteElsewhere();
    EXPECT_EQ(run.code, dbFailed);
    EXPECT_EQ(run.standardError.count('\n'), 1) << run.standardError;
    EXPECT_TRUE(run.standardError.startsWith("kvr.data: ReplaceNote")) << run.standardError;
    EXPECT_TRUE(run.standardError.contains("no such table: NoteTable")) << run.standardError;
    EXPECT_TRUE(run.standardError.contains("[SELECT]")) << run.standardError;
}

TEST_F(FailureReasons, AReplaceUnderAnotherProgramsExclusiveLockSaysTheDatabaseIsLocked)
{
    OtherProgram holder(database->DatabaseFile(), 0);
    const Run run = ReplaceNoteElsewhere([&] { ASSERT_EQ(holder.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK); });
    ASSERT_EQ(holder.Exec("COMMIT;"), SQLITE_OK); // the other program waited the busy timeout
    EXPECT_EQ(run.code, dbFailed);
    EXPECT_EQ(run.standardError.trimmed(), "kvr.data: ReplaceNote: database is locked [BEGIN IMMEDIATE;]");
    EXPECT_EQ(Value("SELECT Description FROM NoteTable", "Description"), "before");
}

TEST_F(FailureReasons, AStoreThatSucceedsWritesNothingToStandardError)
{
    const Run run = ReplaceNoteElsewhere();
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.standardError, "");
    EXPECT_EQ(Value("SELECT Description FROM NoteTable", "Description"), "race");
}

// Failures inside this program: the line names the operation, and the lookup it failed in.
TEST_F(FailureReasons, EachLineNamesTheOperationAndTheStepThatFailed)
{
    stNoteRecord ofTheKarte;
    ofTheKarte.asKarteNo = "KF-0001-0001";
    const struct
    {
        const char* title;
        const char* sql; // what makes the operation fail
        std::function<int()> operation;
        int code;
        const char* line;
    } cases[] = {
        {"count", "DROP TABLE Patient2Table;", [] { return GetPatientCount(); }, dbFailed,
         "GetPatientCount: no such table: Patient2Table [SELECT]"},
        {"insert", "DROP TABLE TreatmentTable;",
         [] {
             stTreatmentRecord t;
             t.asStaffNo = "7";
             t.asKarteNo = "KF-0001-0001";
             return AddTreatment(t);
         },
         dbFailed, "AddTreatment: no such table: TreatmentTable [INSERT INTO TreatmentTable]"},
        {"lookup of a search", "DROP TABLE KarteTable;", [&] { return SearchNote(ofTheKarte); }, dbNoKarte,
         "SearchNote > GetKarteCode: no such table: KarteTable [SELECT]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        CapturedLog log;
        EXPECT_EQ(GetStaffCount(), 1); // nothing has failed yet
        EXPECT_EQ(log.Of("kvr.data"), QStringList());
        Exec(c.sql);
        EXPECT_EQ(c.operation(), c.code);
        EXPECT_EQ(log.Of("kvr.data"), QStringList({c.line}));
    }
}

} // namespace
