// A failure the data store turns into a code keeps its reason where a maintainer looks: one
// line on standard error with the operation, the engine's message and the statement, on one
// line. The codes are those the windows have always shown.
#include "platform/db/Connection.h"
#include "platform/db/FieldValues.h"
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/CapturedLog.h"
#include "tests/support/HeldToPermissions.h"
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
    EXPECT_TRUE(run.standardError.contains("[SELECT KarteCode FROM NoteTable WHERE Code=:Code;]"))
        << run.standardError;
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
         "GetPatientCount: no such table: Patient2Table [SELECT Code FROM Patient2Table WHERE DeleteFlag = "
         "False;]"},
        {"insert", "DROP TABLE TreatmentTable;",
         [] {
             stTreatmentRecord t;
             t.asStaffNo = "7";
             t.asKarteNo = "KF-0001-0001";
             return AddTreatment(t);
         },
         dbFailed,
         "AddTreatment: no such table: TreatmentTable [INSERT INTO TreatmentTable ( RDate, Treatment, "
         "StaffCode, KarteCode ) VALUES ( :RDate, :Treatment, :StaffCode, :KarteCode );]"},
        // A long statement is cut at a blank near 160 characters.
        {"long statement", "DROP TABLE CheckupTable;",
         [] {
             stCheckupRecord c;
             c.asKarteNo = "KF-0001-0001";
             c.tDate = Day(2024, 1, 1);
             return AddCheckup(c);
         },
         dbFailed,
         "AddCheckup: no such table: CheckupTable [INSERT INTO CheckupTable ( CDate, RTA, RTB, RTC, RTD, "
         "RTE, "
         "RT1, RT2, RT3, RT4, RT5, RT6, RT7, RT8, LTA, LTB, LTC, LTD, LTE, LT1, LT2, LT3, LT4, LT5, LT6, "
         "LT7, ...]"},
        // A lookup that fails is a failure, not a karte that is not there.
        {"lookup of a search", "DROP TABLE KarteTable;", [&] { return SearchNote(ofTheKarte); }, dbFailed,
         "SearchNote > GetKarteCode: no such table: KarteTable [SELECT Code, KarteNo, DeleteFlag FROM "
         "KarteTable WHERE DeleteFlag = False AND KarteNo=:KarteNo;]"},
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

// What goes wrong around the statements: the rollback of a write, the shared lock of a walk.
TEST_F(FailureReasons, ARollbackOrAReadingLockThatFailsLeavesItsReasonToo)
{
    stNoteRecord note;
    note.asDescription = "undone";
    note.asStaffNo = "7";
    note.asKarteNo = "KF-0001-0001";
    {
        // The engine ends the transaction itself: the add's own rollback finds none, and says
        // nothing that would send a maintainer after a failed rollback.
        Exec("CREATE TRIGGER Undo BEFORE INSERT ON NoteTable BEGIN SELECT RAISE(ROLLBACK, 'undone'); END;");
        CapturedLog log;
        EXPECT_EQ(AddNote(note), dbFailed);
        const QStringList lines = log.Of("kvr.data");
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines[0].startsWith("AddNote: undone [INSERT INTO NoteTable")) << lines[0].toStdString();
        Exec("DROP TRIGGER Undo;");
    }
    // The session is free for the next store.
    note.asDescription = "after";
    EXPECT_EQ(AddNote(note), 1);

    // A walk whose shared lock cannot be taken reads on without it, and says why.
    stNoteRecord ofTheKarte;
    ofTheKarte.asKarteNo = "KF-0001-0001";
    ASSERT_EQ(SearchNote(ofTheKarte), 2);
    Break(module->Query3);
    CapturedLog log;
    stNoteRecord rows[2];
    EXPECT_EQ(GetNotes(rows, 2), 2);
    const QStringList lines = log.Of("kvr.data");
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].startsWith("GetNotes > StartReading: ")) << lines[0].toStdString();
}

} // namespace

namespace {

// The program's own connection to the database, as a test reaches into it.
DbConnection& ModulesConnection(TDBDM& module)
{
    return *module.Session_kvr->Connection(TempDatabase::DatabaseName);
}

} // namespace

// Mended: a refused store's box gave only its code where the engine knew why; the reason was
// in the log alone. Now RefusalNote says it, for the box, and the next store starts afresh.
TEST_F(FailureReasons, ARefusalSaysWhatTheOperatorCanDoAboutIt)
{
    stNoteRecord note;
    note.asDescription = QString(200000, 'x'); // more than the file's free pages hold
    note.asStaffNo = "7";
    note.asKarteNo = "KF-0001-0001";
    HeldToPermissions held;
    ASSERT_TRUE(held.Held());
    OtherProgram other(database->DatabaseFile(), 0);
    const struct
    {
        const char* why;
        std::function<void()> make;
        std::function<void()> undo;
        QString note;
    } cases[] = {
        {"disk full",
         [&] {
             DbConnection& db = ModulesConnection(*module);
             db.Run("PRAGMA max_page_count = " + Value("PRAGMA page_count", "page_count") + ";");
         },
         [&] { ModulesConnection(*module).Run("PRAGMA max_page_count = 1073741823;"); }, DiskFullNote},
        {"locked by another program",
         [&] {
             sqlite3_busy_timeout(ModulesConnection(*module).Handle(), 50);
             ASSERT_EQ(other.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
         },
         [&] {
             ASSERT_EQ(other.Exec("COMMIT;"), SQLITE_OK);
             sqlite3_busy_timeout(ModulesConnection(*module).Handle(), 5000);
         },
         LockedNote},
        {"read-only folder",
         [&] { ASSERT_TRUE(HeldToPermissions::SetReadOnly(database->HostFolder(), true)); },
         [&] { ASSERT_TRUE(HeldToPermissions::SetReadOnly(database->HostFolder(), false)); }, ReadOnlyNote},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        c.make();
        EXPECT_EQ(AddNote(note), dbFailed);
        EXPECT_EQ(RefusalNote(), c.note);
        c.undo();
        // Free again, the same store goes through, and says nothing more.
        EXPECT_EQ(AddNote(note), 1);
        EXPECT_EQ(RefusalNote(), QString());
    }
    EXPECT_EQ(Rows("SELECT Code FROM NoteTable"), 1 + 3);
}

// Mended: a value that does not read as its column's type went into the log with the reason,
// though the values are clinical data and never leave the program. The box still shows it.
TEST_F(FailureReasons, AValueThatDoesNotConvertStaysOutOfTheLog)
{
    ASSERT_EQ(AddPatient(Patient("1", "Yamada")), 1);
    Exec("UPDATE Patient2Table SET Sex = 'Hanako-secret';");
    ASSERT_EQ(SearchPatient(AnyPatient()), 1);
    CapturedLog log;
    stPatientRec rows[1];
    EXPECT_EQ(GetPatients(rows, 1), dbFailed);
    const QStringList lines = log.Of("kvr.data");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], "GetPatients: フィールド'Sex'の値は正しい整数ではありません。");
    try {
        ValueAsInteger(QVariant("Hanako-secret"), "Sex");
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message.contains("Hanako-secret"));
    }
}

// Mended: a lookup that failed was reported as no karte (-3) by the adds onto a karte's Code and
// by the diet-row add, as if another program had deleted it, and as no member (-2) by a note's.
TEST_F(FailureReasons, AFailedKarteLookupOfAnAddIsAFailureNotAMissingKarte)
{
    stCheckupRecord checkup;
    checkup.asKarteNo = "KF-0001-0001";
    checkup.tDate = Day(2024, 1, 2);
    const int checkupCode = AddCheckup(checkup);
    ASSERT_GT(checkupCode, 0);
    const int karteCode = Value("SELECT Code FROM KarteTable", "Code").toInt();
    stNoteRecord note;
    note.asStaffNo = "7";
    note.asKarteNo = "KF-0001-0001";
    stDietInquiryRecord diet;
    diet.iCheckupCode = checkupCode;
    Break(module->Query3);
    EXPECT_EQ(AddNote(note, karteCode), dbFailed);
    EXPECT_EQ(AddDietInquiry(diet), dbFailed);
    EXPECT_EQ(AddDietInquiry(diet, karteCode), dbFailed);
    EXPECT_EQ(RefusalNote(), QString());
}
