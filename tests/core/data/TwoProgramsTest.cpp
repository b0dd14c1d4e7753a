// Several programs on one database file: adds of the same number at once, a row added to a
// karte that another program deletes meanwhile, a replace whose row or karte another program
// deletes or changes meanwhile, a commit that another program's read lock refuses, and a store
// that waits while this program reads together. And the helper program's answer to arguments
// it does not know.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/OtherProgram.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <map>
#include <thread>
#include <vector>

namespace {

struct Race
{
    const char* kind; // as the helper takes it
    const char* number;
    int programs;
    const char* table;
    const char* numberColumn;
};

class TwoPrograms : public DataStoreTest
{
protected:
    int LiveRows(const Race& race)
    {
        return Rows(QString("SELECT Code FROM %1 WHERE %2 = '%3' AND DeleteFlag = 0")
                        .arg(race.table, race.numberColumn, race.number));
    }
    // A karte of the examinee `patientNo` (none when empty) with one check-up; `karteCode` is the
    // karte's Code.
    stCheckupRecord KarteWithCheckup(const QString& karteNo, const QString& patientNo, int& karteCode)
    {
        stCheckupRecord checkup;
        EXPECT_EQ(AddMedicalRecord(Karte(karteNo, Day(2024, 1, 1)), stExcursusRec(), patientNo), 1);
        karteCode = GetAddedCode();
        checkup.asKarteNo = karteNo;
        checkup.tDate = Day(2024, 1, 2);
        checkup.iCode = AddCheckup(checkup);
        return checkup;
    }
    // Questionnaire rows whose karte is not there, and live kartes without one.
    int Orphans()
    {
        return Rows("SELECT Code FROM PSTable WHERE KarteCode NOT IN (SELECT Code FROM KarteTable)") +
               Rows("SELECT Code FROM KarteTable WHERE DeleteFlag = 0 AND "
                    "Code NOT IN (SELECT KarteCode FROM PSTable)");
    }
};

TEST_F(TwoPrograms, AddingOneNumberAtOnceAddsItOnceAndTellsTheOthersItIsInUse)
{
    const Race races[] = {
        {"karte", "S-0", 2, "KarteTable", "KarteNo"},       {"karte", "S-1", 4, "KarteTable", "KarteNo"},
        {"patient", "70", 2, "Patient2Table", "PatientNo"}, {"staff", "80", 2, "Staff2Table", "StaffNo"},
        {"staff", "81", 4, "Staff2Table", "StaffNo"},
    };
    for (const Race& race : races) {
        SCOPED_TRACE(
            QString("%1 %2, %3 programs").arg(race.kind, race.number).arg(race.programs).toStdString());
        // A third program holds the write lock until every racer is past its start. Its commit
        // waits for a racer that holds the read lock for a moment each time it tries to start.
        OtherProgram holder(database->DatabaseFile(), 5000);
        ASSERT_EQ(holder.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
        std::vector<std::unique_ptr<QProcess>> racers;
        for (int i = 0; i < race.programs; ++i) {
            racers.push_back(std::make_unique<QProcess>());
            ASSERT_TRUE(StartHelper(*racers.back(), {race.kind, race.number}));
        }
        QThread::msleep(300); // each racer is now inside its add
        ASSERT_EQ(holder.Exec("COMMIT;"), SQLITE_OK);

        std::vector<int> codes;
        for (auto& racer : racers) {
            ASSERT_TRUE(racer->waitForFinished(30000));
            codes.push_back(racer->readAllStandardOutput().trimmed().toInt());
        }
        std::sort(codes.begin(), codes.end());
        std::vector<int> expected(race.programs, dbNumberInUse);
        expected.back() = 1;
        EXPECT_EQ(codes, expected);
        EXPECT_EQ(LiveRows(race), 1);
        EXPECT_EQ(Orphans(), 0);
    }
    EXPECT_EQ(Rows("SELECT Code FROM PSTable WHERE KarteCode IN "
                   "(SELECT Code FROM KarteTable WHERE KarteNo IN ('S-0', 'S-1'))"),
              2);
}

// A row added by another program while this one deletes what the row belongs to.
struct DeleteRace
{
    const char* kind;    // as the helper takes it
    const char* table;   // where the row goes
    const char* deletes; // what this program deletes meanwhile: "karte", "checkup" or nothing
};

TEST_F(TwoPrograms, ARowAddedWhileAnotherProgramDeletesItsKarteIsRefusedAndNotWritten)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    const DeleteRace races[] = {
        {"checkup", "CheckupTable", "karte"},
        {"note", "NoteTable", "karte"},
        {"treatment", "TreatmentTable", "karte"},
        {"diet", "DietInquiryTable", "karte"},
        {"diet", "DietInquiryTable", "checkup"},
        {"checkup", "CheckupTable", ""},
        {"note", "NoteTable", ""},
        {"treatment", "TreatmentTable", ""},
        {"diet", "DietInquiryTable", ""},
    };
    int round = 0;
    for (const DeleteRace& race : races) {
        SCOPED_TRACE(QString("%1, deleting %2").arg(race.kind, race.deletes).toStdString());
        // A karte of the round's own with one check-up.
        const QString karteNo = QString("KD-0001-%1").arg(++round, 4, 10, QChar('0'));
        int karteCode = 0;
        const stCheckupRecord checkup = KarteWithCheckup(karteNo, "", karteCode);
        ASSERT_GT(checkup.iCode, 0);
        const bool diet = QByteArray(race.kind) == "diet";
        const QString rows =
            diet ? QString("SELECT Code FROM DietInquiryTable WHERE CheckupCode = %1").arg(checkup.iCode)
                 : QString("SELECT Code FROM %1 WHERE KarteCode = "
                           "(SELECT Code FROM KarteTable WHERE KarteNo = '%2')")
                       .arg(race.table, karteNo);
        const int before = Rows(rows);

        // This program takes the write lock first, and deletes while the other is inside its
        // add, waiting for the lock: the delete is committed before the other can write.
        module->Session_kvr->StartWriteTransaction(TempDatabase::DatabaseName);
        QProcess adder;
        ASSERT_TRUE(StartHelper(adder, {race.kind, diet ? QString::number(checkup.iCode) : karteNo}));
        QThread::msleep(300); // the adder is now inside its add
        if (QByteArray(race.deletes) == "karte") {
            ASSERT_EQ(DelMedicalRecord(karteNo), 1);
        } else if (QByteArray(race.deletes) == "checkup") {
            ASSERT_EQ(DelCheckup(checkup), 1);
        }
        module->Session_kvr->Commit();

        ASSERT_TRUE(adder.waitForFinished(30000));
        const int rc = adder.readAllStandardOutput().trimmed().toInt();
        if (*race.deletes) {
            EXPECT_EQ(rc, dbNoKarte);
            EXPECT_EQ(Rows(rows), before);
        } else {
            // Without the delete the add waits for the lock and stores its row.
            EXPECT_GT(rc, 0);
            EXPECT_EQ(Rows(rows), before + 1);
        }
    }
}

TEST_F(TwoPrograms, ARowAddedOntoAKarteByItsCodeWhileAnotherProgramGivesTheNumberAwayIsRefused)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddPatient(Patient("2", "Second")), 1);
    const QString second = Value("SELECT Code FROM Patient2Table WHERE PatientNo = 2", "Code");
    const struct
    {
        const char* kind; // as the helper takes it
        const char* table;
        bool reuse; // the karte deleted and its number given to a new karte meanwhile
    } races[] = {
        {"checkup", "CheckupTable", true},      {"note", "NoteTable", true},
        {"treatment", "TreatmentTable", true},  {"diet", "DietInquiryTable", true},
        {"checkup", "CheckupTable", false},     {"note", "NoteTable", false},
        {"treatment", "TreatmentTable", false}, {"diet", "DietInquiryTable", false},
    };
    int round = 0;
    for (const auto& race : races) {
        SCOPED_TRACE(QString("%1%2").arg(race.kind, race.reuse ? ", number given away" : "").toStdString());
        const QString karteNo = QString("KG-0001-%1").arg(++round, 4, 10, QChar('0'));
        int code = 0;
        const stCheckupRecord checkup = KarteWithCheckup(karteNo, "", code);
        ASSERT_GT(checkup.iCode, 0);
        const QString karteCode = QString::number(code);
        const bool diet = QByteArray(race.kind) == "diet";
        const QString written =
            QString("SELECT Code FROM %1").arg(race.table) + (diet ? " WHERE FoodCode = 99" : "");
        const int before = Rows(written);

        // The other program takes the write lock first and gives the number away while the
        // helper is inside its add, waiting for the lock.
        OtherProgram other(database->DatabaseFile(), 0);
        ASSERT_EQ(other.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
        QProcess adder;
        ASSERT_TRUE(
            StartHelper(adder, {race.kind, karteCode, diet ? QString::number(checkup.iCode) : karteNo}));
        QThread::msleep(300); // the helper is now inside its add
        if (race.reuse) {
            const QString sql =
                QString("UPDATE KarteTable SET DeleteFlag = 1 WHERE Code = %1;"
                        "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                        "VALUES ('%2', '2024-06-01', 0, %3, 0);"
                        "INSERT INTO PSTable (KarteCode) VALUES (last_insert_rowid());")
                    .arg(karteCode, karteNo, second);
            ASSERT_EQ(other.Exec(sql.toUtf8().constData()), SQLITE_OK);
        }
        ASSERT_EQ(other.Exec("COMMIT;"), SQLITE_OK);

        ASSERT_TRUE(adder.waitForFinished(30000));
        const int rc = adder.readAllStandardOutput().trimmed().toInt();
        if (race.reuse) {
            EXPECT_EQ(rc, dbNoKarte);
            EXPECT_EQ(Rows(written), before);
            // The new karte of the number, the other examinee's, holds nothing.
            for (const char* table : {"CheckupTable", "NoteTable", "TreatmentTable"})
                EXPECT_EQ(Rows(QString("SELECT Code FROM %1 WHERE KarteCode IN (SELECT Code FROM KarteTable "
                                       "WHERE KarteNo = '%2' AND DeleteFlag = 0)")
                                   .arg(table, karteNo)),
                          0)
                    << table;
        } else {
            EXPECT_GT(rc, 0);
            EXPECT_EQ(Rows(written), before + 1);
        }
    }
}

TEST_F(TwoPrograms, TheAddedCodeNamesOnlyARowWhoseAddCommitted)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KA-0001", Day(2024, 1, 1)), stExcursusRec(), ""), 1);
    stNoteRecord note;
    note.asDescription = "kept";
    note.asStaffNo = "7";
    note.asKarteNo = "KA-0001";
    ASSERT_EQ(AddNote(note), 1);
    const int kept = GetAddedCode();
    EXPECT_EQ(kept, Value("SELECT Code FROM NoteTable", "Code").toInt());

    // Another program reads through the commit: the add is undone, and names no row.
    auto reader = std::make_unique<OtherProgram>(database->DatabaseFile(), 0);
    ASSERT_EQ(reader->Exec("BEGIN; SELECT count(*) FROM NoteTable;"), SQLITE_OK);
    note.asDescription = "undone";
    EXPECT_EQ(AddNote(note), dbFailed);
    EXPECT_EQ(GetAddedCode(), kept);
    ASSERT_EQ(reader->Exec("COMMIT;"), SQLITE_OK);
    EXPECT_EQ(Rows("SELECT Code FROM NoteTable"), 1);
}

// A replace made by another program while this one deletes what the replace names.
struct ReplaceRace
{
    const char* kind;    // what the helper replaces: karte, checkup, note, treatment or diet
    const char* deletes; // meanwhile: the "row", its "checkup", its "karte", or the karte with its
                         // number given at once to a new karte of another examinee ("reuse")
    int expected;        // the helper's code
};

TEST_F(TwoPrograms, AReplaceWhoseRowOrKarteAnotherProgramDeletesIsRefusedAndWritesNothing)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddPatient(Patient("1", "First")), 1);
    ASSERT_EQ(AddPatient(Patient("2", "Second")), 1);
    const QString second = Value("SELECT Code FROM Patient2Table WHERE PatientNo = 2", "Code");
    const ReplaceRace races[] = {
        {"karte", "karte", dbNoRow},
        {"karte", "reuse", dbNoRow},
        {"karte", "", 1},
        {"checkup", "row", dbNoRow},
        {"checkup", "karte", dbNoKarte},
        {"checkup", "reuse", dbNoKarte},
        {"checkup", "", 1},
        {"note", "row", dbNoRow},
        {"note", "karte", dbNoKarte},
        {"note", "reuse", dbNoKarte},
        {"note", "", 1},
        {"treatment", "row", dbNoRow},
        {"treatment", "karte", dbNoKarte},
        {"treatment", "reuse", dbNoKarte},
        {"treatment", "", 1},
        {"diet", "row", dbNoRow},
        {"diet", "checkup", dbNoKarte},
        {"diet", "karte", dbNoKarte},
        {"diet", "", 1},
    };
    // What each replace writes, and the table of its row.
    const std::map<QByteArray, std::pair<const char*, const char*>> written = {
        {"karte", {"PSTable WHERE AIDS = 1", "KarteTable"}},
        {"checkup", {"CheckupTable WHERE Memo = 'race'", "CheckupTable"}},
        {"note", {"NoteTable WHERE Description = 'race'", "NoteTable"}},
        {"treatment", {"TreatmentTable WHERE Treatment = 'race'", "TreatmentTable"}},
        {"diet", {"DietInquiryTable WHERE FoodCode = 99", "DietInquiryTable"}},
    };
    int round = 0;
    for (const ReplaceRace& race : races) {
        SCOPED_TRACE(QString("%1, deleting %2").arg(race.kind, race.deletes).toStdString());
        // A karte of the round's own, of examinee 1, with one row of every kind.
        const QString karteNo = QString("KR-0001-%1").arg(++round, 4, 10, QChar('0'));
        int karteCode = 0;
        const stCheckupRecord checkup = KarteWithCheckup(karteNo, "1", karteCode);
        ASSERT_GT(checkup.iCode, 0);
        stNoteRecord note;
        note.asDescription = "before";
        note.asStaffNo = "7";
        note.asKarteNo = karteNo;
        ASSERT_EQ(AddNote(note), 1);
        const int noteCode = GetAddedCode();
        stTreatmentRecord treatment;
        treatment.asTreatment = "before";
        treatment.asStaffNo = "7";
        treatment.asKarteNo = karteNo;
        ASSERT_EQ(AddTreatment(treatment), 1);
        const int treatmentCode = GetAddedCode();
        stDietInquiryRecord diet;
        diet.iCheckupCode = checkup.iCode;
        ASSERT_EQ(AddDietInquiry(diet), 1);
        const int dietCode = GetAddedCode();

        const QByteArray kind(race.kind);
        const std::map<QByteArray, int> codes = {{"karte", karteCode},
                                                 {"checkup", checkup.iCode},
                                                 {"note", noteCode},
                                                 {"treatment", treatmentCode},
                                                 {"diet", dietCode}};
        const QString target = QString::number(codes.at(kind));
        const QString writtenRows = QString("SELECT * FROM ") + written.at(kind).first;
        const int before = Rows(writtenRows);

        // The other program takes the write lock first and deletes while the helper is inside
        // its replace, waiting for the lock.
        OtherProgram deleter(database->DatabaseFile(), 0);
        ASSERT_EQ(deleter.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
        QProcess replacer;
        ASSERT_TRUE(StartHelper(replacer, {"replace-" + QString(race.kind), target,
                                           kind == "diet" ? QString::number(checkup.iCode) : karteNo}));
        QThread::msleep(300); // the helper is now inside its replace
        const QByteArray deletes(race.deletes);
        QString sql;
        if (deletes == "row")
            sql = QString("DELETE FROM %1 WHERE Code = %2;").arg(written.at(kind).second, target);
        else if (deletes == "checkup")
            sql = QString("DELETE FROM CheckupTable WHERE Code = %1;").arg(checkup.iCode);
        else if (deletes == "karte" || deletes == "reuse")
            sql = QString("UPDATE KarteTable SET DeleteFlag = 1 WHERE Code = %1;").arg(karteCode);
        if (deletes == "reuse")
            sql += QString("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                           "VALUES ('%1', '2024-06-01', 0, %2, 0);"
                           "INSERT INTO PSTable (KarteCode) VALUES (last_insert_rowid());")
                       .arg(karteNo, second);
        ASSERT_EQ(deleter.Exec(sql.toUtf8().constData()), SQLITE_OK);
        ASSERT_EQ(deleter.Exec("COMMIT;"), SQLITE_OK);

        ASSERT_TRUE(replacer.waitForFinished(30000));
        EXPECT_EQ(replacer.readAllStandardOutput().trimmed().toInt(), race.expected);
        EXPECT_EQ(Rows(writtenRows), before + (race.expected > 0 ? 1 : 0));
        if (deletes == "reuse") {
            // The new karte of the number is the other examinee's, and holds nothing of the old.
            EXPECT_EQ(Rows(QString("SELECT Code FROM KarteTable WHERE KarteNo = '%1' AND DeleteFlag = 0 "
                                   "AND PatientCode = %2")
                               .arg(karteNo, second)),
                      1);
            for (const char* table : {"CheckupTable", "NoteTable", "TreatmentTable"})
                EXPECT_EQ(Rows(QString("SELECT Code FROM %1 WHERE KarteCode IN (SELECT Code FROM KarteTable "
                                       "WHERE KarteNo = '%2' AND DeleteFlag = 0)")
                                   .arg(table, karteNo)),
                          0)
                    << table;
        }
    }
}

TEST_F(TwoPrograms, ACommitAnotherProgramRefusesLosesNothingAndLeavesTheSessionUsable)
{
    stExcursusRec answers;
    answers.bAIDS = true;
    ASSERT_EQ(AddMedicalRecord(Karte("KR-0001", Day(2024, 1, 1)), answers, ""), 1);

    // Another program reads through the whole store: the commit waits the busy timeout, then
    // gives up, and the store is undone.
    auto reader = std::make_unique<OtherProgram>(database->DatabaseFile(), 0);
    ASSERT_EQ(reader->Exec("BEGIN; SELECT count(*) FROM KarteTable;"), SQLITE_OK);
    EXPECT_EQ(AddMedicalRecord(Karte("KR-0002", Day(2024, 1, 2)), answers, ""), dbExcursusNotInserted);
    ASSERT_EQ(reader->Exec("COMMIT;"), SQLITE_OK);
    reader.reset();

    EXPECT_FALSE(ExistKarteNo("KR-0002"));
    EXPECT_TRUE(ExistKarteNo("KR-0001"));
    EXPECT_EQ(Orphans(), 0);
    // The session holds no lock: another program writes at once.
    OtherProgram other(database->DatabaseFile(), 0);
    EXPECT_EQ(other.Exec("BEGIN IMMEDIATE; COMMIT;"), SQLITE_OK);
    // The next stores work, and what they write stays.
    EXPECT_EQ(AddMedicalRecord(Karte("KR-0002", Day(2024, 1, 2)), answers, ""), 1);
    EXPECT_EQ(AddPatient(Patient("9", "After")), 1);
    module.reset();
    EXPECT_EQ(Rows("SELECT Code FROM KarteTable WHERE KarteNo = 'KR-0002'"), 1);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 9"), 1);
    EXPECT_EQ(Orphans(), 0);
}

TEST_F(TwoPrograms, ACommitWaitsForAReaderThatLetsGoWithinTheBusyTimeout)
{
    auto reader = std::make_unique<OtherProgram>(database->DatabaseFile(), 0);
    ASSERT_EQ(reader->Exec("BEGIN; SELECT count(*) FROM KarteTable;"), SQLITE_OK);
    std::thread lettingGo([&] {
        QThread::msleep(500);
        reader->Exec("COMMIT;");
    });
    EXPECT_EQ(AddMedicalRecord(Karte("KW-0001", Day(2024, 1, 3)), stExcursusRec(), ""), 1);
    lettingGo.join();
    EXPECT_TRUE(ExistKarteNo("KW-0001"));
    EXPECT_EQ(Orphans(), 0);
}

TEST_F(TwoPrograms, AReplaceGivenTheRowAsReadComparesItUnderTheWriteLock)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddPatient(Patient("1", "First")), 1);
    const int examinee = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KL-0001", Day(2024, 1, 1)), stExcursusRec(), "1"), 1);
    const int karte = GetAddedCode();
    stNoteRecord note = Note("KL-0001", Day(2024, 1, 2), "before");
    ASSERT_EQ(AddNote(note, karte), 1);
    note.iCode = GetAddedCode();
    stMedicalRec header;
    stPatientRec patient;
    stExcursusRec answers;
    ASSERT_EQ(GetMedicalRecord(karte, "KL-0001", header, patient, answers), 1);
    ASSERT_EQ(patient.iCode, examinee);
    patient.asPatientNo = "1";

    const struct
    {
        const char* kind;
        const char* change; // the other program's, within its write lock
        const char* stays;  // what then stays: a SELECT of one row
        std::function<int()> replace;
    } races[] = {
        {"note", "UPDATE NoteTable SET Description = 'other'",
         "SELECT Code FROM NoteTable WHERE Description = 'other'",
         [&] {
             stNoteRecord changed = note;
             changed.asDescription = "mine";
             return ReplaceNote(changed, karte, &note);
         }},
        {"examinee", "UPDATE Patient2Table SET Name1 = 'other'",
         "SELECT Code FROM Patient2Table WHERE Name1 = 'other'",
         [&] {
             stPatientRec changed = patient;
             changed.asName1 = "mine";
             return ReplacePatient(changed, &patient);
         }},
        {"karte", "UPDATE PSTable SET Q3 = 1", "SELECT Code FROM PSTable WHERE Q3 = 1",
         [&] {
             stExcursusRec changed = answers;
             changed.bAIDS = true;
             return ReplaceMedicalRecord(header, changed, "1", &header, &answers);
         }},
    };
    for (const auto& race : races) {
        SCOPED_TRACE(race.kind);
        // The other program changes the row and holds the write lock while this one starts its
        // replace: the replace waits for the lock and must compare what it finds then.
        OtherProgram other(database->DatabaseFile(), 0);
        ASSERT_EQ(other.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
        ASSERT_EQ(other.Exec(race.change), SQLITE_OK);
        std::thread committing([&] {
            QThread::msleep(300); // this program is now inside its replace, waiting for the lock
            other.Exec("COMMIT;");
        });
        EXPECT_EQ(race.replace(), dbNoRow);
        committing.join();
        EXPECT_EQ(RefusalNote(), StaleNote);
        EXPECT_EQ(Rows(race.stays), 1);
    }
    EXPECT_EQ(Rows("SELECT Code FROM NoteTable WHERE Description = 'mine'"), 0);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE Name1 = 'mine'"), 0);
    EXPECT_EQ(Rows("SELECT Code FROM PSTable WHERE AIDS = 1"), 0);
}

TEST_F(TwoPrograms, WhileThisProgramReadsTogetherAnotherProgramsStoreWaits)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KT-0001", Day(2024, 1, 1)), stExcursusRec(), ""), 1);
    const int karte = GetAddedCode();
    const QString karteCode = QString::number(karte);
    stNoteRecord ofTheKarte;
    ofTheKarte.asKarteNo = "KT-0001";
    stMedicalRec header;
    stPatientRec patient;
    stExcursusRec answers;
    QProcess adder;
    {
        const TReadingTogether together;
        ASSERT_EQ(GetMedicalRecord(karte, "KT-0001", header, patient, answers), 1);
        // A program that cannot wait cannot commit.
        OtherProgram other(database->DatabaseFile(), 0);
        ASSERT_EQ(other.Exec("BEGIN IMMEDIATE; UPDATE KarteTable SET Next = 5;"), SQLITE_OK);
        EXPECT_EQ(other.Exec("COMMIT;"), SQLITE_BUSY);
        ASSERT_EQ(other.Exec("ROLLBACK;"), SQLITE_OK);
        // The helper's add waits for the reading to end.
        ASSERT_TRUE(StartHelper(adder, {"note", karteCode, "KT-0001"}));
        QThread::msleep(300); // the helper is now inside its add
        EXPECT_EQ(SearchNote(ofTheKarte, karte), 0);
        ASSERT_EQ(GetMedicalRecord(karte, "KT-0001", header, patient, answers), 1);
        EXPECT_EQ(header.iNext, 0);
        EXPECT_EQ(adder.state(), QProcess::Running);
    }
    ASSERT_TRUE(adder.waitForFinished(30000));
    EXPECT_EQ(adder.readAllStandardOutput().trimmed().toInt(), 1);
    EXPECT_EQ(SearchNote(ofTheKarte, karte), 1);
    // The reading is over: another program writes at once.
    OtherProgram other(database->DatabaseFile(), 0);
    EXPECT_EQ(other.Exec("BEGIN IMMEDIATE; UPDATE KarteTable SET Next = 5; COMMIT;"), SQLITE_OK);
}

TEST_F(TwoPrograms, TheHelperAnswersArgumentsItDoesNotKnowWithItsUsageAndNoCode)
{
    const QStringList calls[] = {
        {},
        {"--wait"},
        {"frobnicate"},
        {"frobnicate", "KA-0001"},
        {"--wait", "frobnicate", "KA-0001"},
        {"karte"},                                  // too few
        {"karte", "KA-0001", "1"},                  // too many
        {"replace-note", "1"},                      // too few
        {"replace-note", "1", "KA-0001", "7", "8"}, // too many
        {"delete-karte", "1", "KA-0001", "2"},
    };
    for (const QStringList& arguments : calls) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess helper;
        helper.start(KVR_DATA_RACE_HELPER, arguments);
        ASSERT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(helper.exitCode(), 2);
        EXPECT_EQ(helper.readAllStandardOutput(), QByteArray());
        EXPECT_TRUE(helper.readAllStandardError().startsWith("usage: kvr_data_race_helper "));
    }
}

} // namespace
