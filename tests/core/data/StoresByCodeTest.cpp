// Stores given the Code of the row a window shows act on that row only: the replaces and
// deletes of examinees and members, the karte delete, the adds onto a karte, the karte stored
// onto its examinee, and the reads, replaces and deletes of a karte's rows. A row that is gone,
// deleted or holds another number now is refused and nothing is written, even when a live row
// has the number. A replace given the row as the window read it stores only while it is so.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/RefusalNotes.h"
#include "tests/support/ScriptedInteraction.h"

#include <QStringList>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace {

class StoresByCode : public DataStoreTest
{
protected:
    int CodeOf(const QString& sql) { return Value(sql, "Code").toInt(); }

    // Every row of a table, as text: what a refused store must leave as it was.
    QString Snapshot(const QString& table, const QString& columns)
    {
        return Value(
            QString("SELECT group_concat(Code || ':' || %1, ';') AS rows FROM %2").arg(columns, table),
            "rows");
    }

    // Every column of a table but its Code, with its declared type.
    std::vector<std::pair<QString, QString>> ColumnsOf(const QString& table)
    {
        Rows(QString("SELECT name, type FROM pragma_table_info('%1') WHERE name <> 'Code'").arg(table));
        std::vector<std::pair<QString, QString>> columns;
        for (raw->First(); !raw->Eof(); raw->Next())
            columns.emplace_back(raw->FieldByName("name")->AsString(), raw->FieldByName("type")->AsString());
        return columns;
    }

    // Every column of the rows of `table` that `where` selects, as text.
    QString RowsNow(const QString& table, const QString& where = "1")
    {
        QStringList columns{"Code"};
        for (const auto& column : ColumnsOf(table))
            columns << "quote(" + column.first + ")";
        return Value(QString("SELECT group_concat(%1, ';') AS rows FROM %2 WHERE %3")
                         .arg(columns.join(" || '|' || "), table, where),
                     "rows");
    }
    QString RowNow(const QString& table, int code) { return RowsNow(table, QString("Code = %1").arg(code)); }

    ScriptedInteraction script; // the examinee delete's box
};

// An examinee's or member's store by its Code, in the forms the two tables share.
struct PersonKind
{
    const char* name;
    const char* table;
    const char* numberColumn;
    const char* nameColumn;
    std::function<int(const QString& no, const QString& name)> add;
    std::function<int(int code, const QString& no, const QString& name)> replace;
    std::function<int(int code, const QString& no)> del;
};

TEST_F(StoresByCode, AnExamineeOrMemberReplaceOrDeleteActsOnTheRowOfItsCodeOnly)
{
    const PersonKind kinds[] = {
        {"examinee", "Patient2Table", "PatientNo", "Name0",
         [](const QString& no, const QString& name) { return AddPatient(Patient(no, name)); },
         [](int code, const QString& no, const QString& name) {
             stPatientRec r = Patient(no, name);
             r.iCode = code;
             return ReplacePatient(r);
         },
         [this](int code, const QString& no) {
             script.Expect(widgets::BoxKind::Plain);
             return DelPatient(no, code);
         }},
        {"member", "Staff2Table", "StaffNo", "NameKanji0",
         [](const QString& no, const QString& name) { return AddStaff(Staff(no, name)); },
         [](int code, const QString& no, const QString& name) {
             stStaffRecord r = Staff(no, name);
             r.iCode = code;
             return ReplaceStaff(r);
         },
         [](int code, const QString& no) { return DelStaff(no, code); }},
    };
    for (const PersonKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString rows =
            QString("%1 || ',' || %2 || ',' || DeleteFlag").arg(kind.numberColumn, kind.nameColumn);
        // 5 deleted, its number given to a new person; 6 live.
        ASSERT_EQ(kind.add("5", "Deleted"), 1);
        const int deleted = GetAddedCode();
        Exec(QString("UPDATE %1 SET DeleteFlag = 1 WHERE Code = %2;").arg(kind.table).arg(deleted));
        ASSERT_EQ(kind.add("5", "New"), 1);
        const int reused = GetAddedCode();
        ASSERT_EQ(kind.add("6", "Live"), 1);
        const int live = GetAddedCode();
        ASSERT_EQ(live,
                  CodeOf(QString("SELECT Code FROM %1 WHERE %2 = 6").arg(kind.table, kind.numberColumn)));

        // The deleted row's Code with its number, a live row's Code with another number, a Code
        // no row has.
        const struct
        {
            int code;
            const char* no;
        } refused[] = {{deleted, "5"}, {live, "5"}, {live + 100, "6"}};
        const QString before = Snapshot(kind.table, rows);
        for (const auto& r : refused) {
            EXPECT_EQ(kind.replace(r.code, r.no, "Overwritten"), dbNoRow) << r.code << " " << r.no;
            EXPECT_EQ(kind.del(r.code, r.no), dbNoRow) << r.code << " " << r.no;
        }
        EXPECT_EQ(Snapshot(kind.table, rows), before);

        // The row of the Code, and no other.
        EXPECT_EQ(kind.replace(reused, "5", "Changed"), 1);
        EXPECT_EQ(kind.del(live, "6"), 1);
        EXPECT_EQ(Snapshot(kind.table, rows),
                  QString("%1:5,Deleted,1;%2:5,Changed,0;%3:6,Live,1").arg(deleted).arg(reused).arg(live));
        // Deleted once, it cannot be deleted again.
        EXPECT_EQ(kind.del(live, "6"), dbNoRow);
    }
}

TEST_F(StoresByCode, AKarteDeleteGivenItsCodeFlagsThatKarteOnly)
{
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0001", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    ASSERT_EQ(DelMedicalRecord("KC-0001-0001", old), 1);
    // Its number given to a new karte: the old karte's Code deletes nothing.
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0001", Day(2021, 2, 1)), stExcursusRec(), ""), 1);
    const int reused = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0001-0002", Day(2021, 3, 1)), stExcursusRec(), ""), 1);
    const int other = GetAddedCode();
    const QString flags = "Code || ',' || DeleteFlag";
    const QString before = Snapshot("KarteTable", flags);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", old), dbNoRow);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", other), dbNoRow);
    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", other + 100), dbNoRow);
    EXPECT_EQ(Snapshot("KarteTable", flags), before);

    EXPECT_EQ(DelMedicalRecord("KC-0001-0001", reused), 1);
    EXPECT_FALSE(ExistKarteNo("KC-0001-0001"));
    EXPECT_TRUE(ExistKarteNo("KC-0001-0002"));
}

TEST_F(StoresByCode, RowsAddedGivenTheKartesCodeGoOntoThatLiveKarteOnly)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0001", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    stCheckupRecord checkup;
    checkup.asKarteNo = "KC-0002-0001";
    checkup.tDate = Day(2021, 1, 2);
    const int oldCheckup = AddCheckup(checkup, old);
    ASSERT_GT(oldCheckup, 0);
    ASSERT_EQ(DelMedicalRecord("KC-0002-0001", old), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0001", Day(2021, 2, 1)), stExcursusRec(), ""), 1);
    const int reused = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KC-0002-0002", Day(2021, 3, 1)), stExcursusRec(), ""), 1);
    const int other = GetAddedCode();
    checkup.asKarteNo = "KC-0002-0002";
    const int otherCheckup = AddCheckup(checkup, other);
    ASSERT_GT(otherCheckup, 0);

    // Each kind of row, added onto the karte of a Code with the number KC-0002-0001.
    stNoteRecord note;
    note.asDescription = "note";
    note.asStaffNo = "7";
    note.asKarteNo = "KC-0002-0001";
    stTreatmentRecord treatment;
    treatment.asTreatment = "treatment";
    treatment.asStaffNo = "7";
    treatment.asKarteNo = "KC-0002-0001";
    checkup.asKarteNo = "KC-0002-0001";
    const std::function<int(int)> adds[] = {
        [&](int karte) { return AddNote(note, karte); },
        [&](int karte) { return AddTreatment(treatment, karte); },
        [&](int karte) { return AddCheckup(checkup, karte); },
    };
    const QString rows = "SELECT (SELECT group_concat(KarteCode) FROM NoteTable) || '|' || "
                         "(SELECT group_concat(KarteCode) FROM TreatmentTable) || '|' || "
                         "(SELECT group_concat(KarteCode) FROM CheckupTable) AS rows";
    const QString before = Value(rows, "rows");
    for (const std::function<int(int)>& add : adds) {
        // The deleted karte of the number, a live karte of another number, no karte.
        for (const int karte : {old, other, other + 100})
            EXPECT_EQ(add(karte), dbNoKarte) << karte;
    }
    EXPECT_EQ(Value(rows, "rows"), before);
    for (const std::function<int(int)>& add : adds)
        EXPECT_GT(add(reused), 0);
    EXPECT_EQ(Rows(QString("SELECT Code FROM NoteTable WHERE KarteCode = %1").arg(reused)), 1);
    EXPECT_EQ(Rows(QString("SELECT Code FROM TreatmentTable WHERE KarteCode = %1").arg(reused)), 1);
    EXPECT_EQ(Rows(QString("SELECT Code FROM CheckupTable WHERE KarteCode = %1").arg(reused)), 1);

    // A diet row goes only onto a check-up of that karte, and only while it is live.
    const int reusedCheckup =
        CodeOf(QString("SELECT Code FROM CheckupTable WHERE KarteCode = %1").arg(reused));
    stDietInquiryRecord diet;
    diet.iFoodCode = 3;
    for (const auto& [checkupCode, karte] :
         {std::pair{otherCheckup, reused}, std::pair{oldCheckup, old}, std::pair{reusedCheckup, other}}) {
        diet.iCheckupCode = checkupCode;
        EXPECT_EQ(AddDietInquiry(diet, karte), dbNoKarte) << checkupCode << " " << karte;
    }
    EXPECT_EQ(Rows("SELECT Code FROM DietInquiryTable"), 0);
    diet.iCheckupCode = reusedCheckup;
    EXPECT_EQ(AddDietInquiry(diet, reused), 1);
    EXPECT_EQ(GetAddedCode(), CodeOf("SELECT Code FROM DietInquiryTable"));
}

TEST_F(StoresByCode, AKarteGoesOntoTheExamineeOfItsCodeOnlyWhileItIsLiveAndHoldsTheNumber)
{
    // Examinee 5 deleted and its number given to a new person; 6 live.
    ASSERT_EQ(AddPatient(Patient("5", "Deleted")), 1);
    const int deleted = GetAddedCode();
    Exec(QString("UPDATE Patient2Table SET DeleteFlag = 1 WHERE Code = %1;").arg(deleted));
    ASSERT_EQ(AddPatient(Patient("5", "New")), 1);
    const int reused = GetAddedCode();
    ASSERT_EQ(AddPatient(Patient("6", "Live")), 1);
    const int live = GetAddedCode();

    // The header's examinee Code and number: the PatientCode stored, 0 when refused (stale when
    // the Code names no live examinee of the number). Without a Code (0 or less) the number
    // decides, and no live examinee has 42; an empty number stores none (-1).
    const struct
    {
        int patientCode;
        const char* patientNo;
        int stored;
        bool stale;
    } cases[] = {
        {reused, "5", reused, false}, {0, "5", reused, false}, {-1, "5", reused, false},
        {reused, "", -1, false},      {deleted, "5", 0, true}, {live, "5", 0, true},
        {live + 100, "6", 0, true},   {0, "42", 0, false},
    };
    const struct
    {
        const char* name;
        bool add;
        bool byCode; // a replace given the karte's Code
    } stores[] = {
        {"add", true, false}, {"replace by code", false, true}, {"replace by number", false, false}};
    const QString kartes = "KarteNo || ',' || RDate || ',' || PatientCode || ',' || DeleteFlag";
    const QString answers = "KarteCode || ',' || AIDS";
    int round = 0;
    for (const auto& store : stores) {
        for (const auto& c : cases) {
            SCOPED_TRACE(QString("%1, examinee %2 \"%3\"")
                             .arg(store.name)
                             .arg(c.patientCode)
                             .arg(c.patientNo)
                             .toStdString());
            const QString karteNo = QString("KP-0001-%1").arg(++round, 4, 10, QChar('0'));
            stMedicalRec karte = Karte(karteNo, Day(2022, 5, 6));
            if (!store.add) {
                ASSERT_EQ(AddMedicalRecord(karte, stExcursusRec(), ""), 1);
                karte.iCode = store.byCode ? GetAddedCode() : 0;
                karte.tDate = Day(2022, 7, 8);
            }
            karte.iPatientCode = c.patientCode;
            stExcursusRec answered;
            answered.bAIDS = true;
            const QString kartesBefore = Snapshot("KarteTable", kartes);
            const QString answersBefore = Snapshot("PSTable", answers);

            const int rc = store.add ? AddMedicalRecord(karte, answered, c.patientNo)
                                     : ReplaceMedicalRecord(karte, answered, c.patientNo);
            if (c.stored == 0) {
                EXPECT_EQ(rc, dbFailed);
                EXPECT_EQ(Snapshot("KarteTable", kartes), kartesBefore);
                EXPECT_EQ(Snapshot("PSTable", answers), answersBefore);
            } else {
                EXPECT_EQ(rc, 1);
                const QString stored =
                    QString(
                        "SELECT Code, PatientCode FROM KarteTable WHERE KarteNo = '%1' AND DeleteFlag = 0")
                        .arg(karteNo);
                EXPECT_EQ(Value(stored, "PatientCode").toInt(), c.stored);
                EXPECT_EQ(Rows(QString("SELECT Code FROM PSTable WHERE AIDS = 1 AND KarteCode = %1")
                                   .arg(CodeOf(stored))),
                          1);
            }
            EXPECT_EQ(RefusalNote(), c.stale ? StaleNote : QString());
        }
    }
}

// One kind of row of a karte, as the karte editor searches, replaces and deletes it given the
// karte's Code.
struct KarteRowKind
{
    const char* name;
    const char* table;
    // What a search by the karte's number and Code gives; none for a kind not searched by karte.
    std::function<int(const QString& karteNo, int karteCode)> search;
    // The row `code` rewritten, to be on the karte `onto` (a diet row: on its check-up).
    std::function<int(int code, int onto, int karteCode)> replace;
    std::function<int(int code, int karteCode)> del;
};

// A search of a kind of row by its karte's number and Code, and a delete of the row `code`.
template <class Record, int (*Search)(Record, int)> int SearchOfKarte(const QString& karteNo, int karteCode)
{
    Record filter;
    filter.asKarteNo = karteNo;
    return Search(filter, karteCode);
}

template <class Record, int (*Del)(Record, int)> int DeleteOfKarte(int code, int karteCode)
{
    Record row;
    row.iCode = code;
    return Del(row, karteCode);
}

TEST_F(StoresByCode, AKartesRowsAreReadAndStoredByItsCodeOnlyWhileItIsLive)
{
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    // KR-1 deleted and its number given to a new karte; KR-2 another live karte.
    ASSERT_EQ(AddMedicalRecord(Karte("KR-1", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KR-2", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int other = GetAddedCode();
    // Each karte: one note, treatment and check-up, and a check-up holding one diet row.
    std::map<QString, std::map<int, int>> rowOn; // table, karte: the row
    std::map<int, int> holderOn;                 // karte: the check-up of its diet row
    const auto addRows = [&](int karte, const QString& karteNo) {
        ASSERT_EQ(AddNote(Note(karteNo, Day(2021, 2, 1), "note"), karte), 1);
        rowOn["NoteTable"][karte] = GetAddedCode();
        ASSERT_EQ(AddTreatment(Treatment(karteNo, Day(2021, 2, 1), "treatment"), karte), 1);
        rowOn["TreatmentTable"][karte] = GetAddedCode();
        stCheckupRecord checkup;
        checkup.tDate = Day(2021, 2, 2);
        checkup.asKarteNo = karteNo;
        checkup.asMemo = "checkup";
        rowOn["CheckupTable"][karte] = AddCheckup(checkup, karte);
        ASSERT_GT(rowOn["CheckupTable"][karte], 0);
        checkup.asMemo = "diet";
        holderOn[karte] = AddCheckup(checkup, karte);
        ASSERT_GT(holderOn[karte], 0);
        stDietInquiryRecord diet;
        diet.iFoodCode = 2;
        diet.iCheckupCode = holderOn[karte];
        ASSERT_EQ(AddDietInquiry(diet, karte), 1);
        rowOn["DietInquiryTable"][karte] = GetAddedCode();
    };
    addRows(old, "KR-1");
    addRows(other, "KR-2");
    ASSERT_EQ(DelMedicalRecord("KR-1", old), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KR-1", Day(2021, 3, 1)), stExcursusRec(), ""), 1);
    const int reused = GetAddedCode();
    addRows(reused, "KR-1");
    const std::map<int, QString> numbers = {{old, "KR-1"}, {reused, "KR-1"}, {other, "KR-2"}};

    const KarteRowKind kinds[] = {
        {"note", "NoteTable", SearchOfKarte<stNoteRecord, SearchNote>,
         [&](int code, int onto, int karteCode) {
             stNoteRecord note = Note(numbers.at(onto), Day(2021, 4, 1), "changed");
             note.iCode = code;
             return ReplaceNote(note, karteCode);
         },
         DeleteOfKarte<stNoteRecord, DelNote>},
        {"treatment", "TreatmentTable", SearchOfKarte<stTreatmentRecord, SearchTreatment>,
         [&](int code, int onto, int karteCode) {
             stTreatmentRecord treatment = Treatment(numbers.at(onto), Day(2021, 4, 1), "changed");
             treatment.iCode = code;
             return ReplaceTreatment(treatment, karteCode);
         },
         DeleteOfKarte<stTreatmentRecord, DelTreatment>},
        {"check-up", "CheckupTable", SearchOfKarte<stCheckupRecord, SearchCheckup>,
         [&](int code, int onto, int karteCode) {
             stCheckupRecord checkup;
             checkup.iCode = code;
             checkup.tDate = Day(2021, 4, 1);
             checkup.asKarteNo = numbers.at(onto);
             checkup.asMemo = "changed";
             return ReplaceCheckup(checkup, karteCode);
         },
         DeleteOfKarte<stCheckupRecord, DelCheckup>},
        {"diet row", "DietInquiryTable", nullptr,
         [&](int code, int onto, int karteCode) {
             stDietInquiryRecord diet;
             diet.iCode = code;
             diet.iFoodCode = 5;
             diet.iCheckupCode = holderOn.at(onto);
             return ReplaceDietInquiry(diet, karteCode);
         },
         DeleteOfKarte<stDietInquiryRecord, DelDietInquiry>},
    };
    for (const KarteRowKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::map<int, int>& rows = rowOn.at(kind.table);
        const QString before = RowsNow(kind.table);
        if (kind.search) {
            // The deleted karte's Code, and a live karte's Code with another number.
            for (const int karte : {old, other}) {
                EXPECT_EQ(kind.search("KR-1", karte), dbNoKarte) << karte;
                EXPECT_EQ(RefusalNote(), StaleNote);
            }
            EXPECT_EQ(kind.search("KR-1", reused),
                      Rows(QString("SELECT Code FROM %1 WHERE KarteCode = %2").arg(kind.table).arg(reused)));
            EXPECT_EQ(RefusalNote(), QString());
        }

        const struct
        {
            const char* what;
            int row;
            int karteCode; // the karte the editor shows, where the row stays
            int expected;
        } refused[] = {
            {"a row of the deleted karte, by its Code", rows.at(old), old, dbNoKarte},
            {"a row of the deleted karte, by the new karte's Code", rows.at(old), reused, dbNoRow},
            {"a row of another live karte", rows.at(other), reused, dbNoRow},
            {"a row that is gone", rows.at(reused) + 1000, reused, dbNoRow},
        };
        for (const auto& r : refused) {
            EXPECT_EQ(kind.replace(r.row, r.karteCode, r.karteCode), r.expected) << r.what;
            EXPECT_EQ(RefusalNote(), StaleNote) << r.what;
            EXPECT_EQ(kind.del(r.row, r.karteCode), r.expected) << r.what;
            EXPECT_EQ(RefusalNote(), StaleNote) << r.what;
        }
        // Nor does the editor's replace move its karte's row onto another karte.
        EXPECT_EQ(kind.replace(rows.at(reused), other, reused), dbNoKarte);
        EXPECT_EQ(RefusalNote(), StaleNote);
        EXPECT_EQ(RowsNow(kind.table), before);

        // The row of the karte of the Code: rewritten, kept there, then deleted.
        EXPECT_EQ(kind.replace(rows.at(reused), reused, reused), 1);
        EXPECT_EQ(RefusalNote(), QString());
        EXPECT_EQ(kind.del(rows.at(reused), reused), 1);
        EXPECT_EQ(RefusalNote(), QString());
        EXPECT_EQ(Rows(QString("SELECT Code FROM %1 WHERE Code = %2").arg(kind.table).arg(rows.at(reused))),
                  0);
    }
}

// A window holding a row as it read it: each call stores the window's edit of the row, given
// the row as the window holds it, and the window then holds what it stored.
using HeldRow = std::function<int()>;

template <class Record>
HeldRow Holding(const Record& read, std::function<void(Record&)> edit,
                std::function<int(const Record& record, const Record& asRead)> replace)
{
    auto held = std::make_shared<Record>(read);
    return [held, edit, replace] {
        Record edited = *held;
        edit(edited);
        const int rc = replace(edited, *held);
        if (rc > 0)
            *held = edited;
        return rc;
    };
}

// A date as a window may hold it: the day with a time of day.
TDateTime WithTimeOfDay(TDateTime date)
{
    return TDateTime(std::floor(date.Val) + 0.75);
}

// A karte's one note or treatment, as the karte editor reads and replaces it.
template <class Record, int (*Search)(Record, int), int (*Get)(Record*, int),
          int (*Replace)(Record, int, const Record*)>
HeldRow OpenEntry(QString Record::*text, const QString& karteNo, int karte)
{
    Record filter;
    filter.asKarteNo = karteNo;
    EXPECT_EQ(Search(filter, karte), 1);
    Record read;
    EXPECT_EQ(Get(&read, 1), 1);
    return Holding<Record>(
        read,
        [text](Record& r) {
            r.tDate = WithTimeOfDay(r.tDate);
            r.*text += "+";
        },
        [karte](const Record& r, const Record& asRead) { return Replace(r, karte, &asRead); });
}

struct KarteAsRead
{
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec answers;
};

// One kind of row a window replaces given the row as it read it.
struct AsReadKind
{
    const char* name;
    const char* table;
    int code;
    // Another program's value of a column that names another row: another live one.
    std::map<QString, QString> others;
    // What another program changes beside the row, which the window shows and does not store.
    QString beside;
    // The row read as its window reads it.
    std::function<HeldRow()> open;
};

// Another program's value of a column of that type.
QString OtherValue(const QString& column, const QString& type)
{
    if (type == "DATE")
        return QString("date(%1, '+1 day')").arg(column);
    if (type == "TEXT")
        return QString("coalesce(%1, '') || 'x'").arg(column);
    if (type == "BOOLEAN")
        return QString("1 - coalesce(%1, 0)").arg(column);
    return QString("coalesce(%1, 0) + 1").arg(column);
}

TEST_F(StoresByCode, AReplaceGivenTheRowAsReadStoresOnlyWhileEveryStoredValueIsSo)
{
    Exec("INSERT INTO SchoolTable (Name) VALUES ('North School')");
    const int school = CodeOf("SELECT Code FROM SchoolTable");
    ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
    const int dentist = GetAddedCode();
    ASSERT_EQ(AddStaff(Staff("8", "Recorder")), 1);
    const int recorder = GetAddedCode();
    stPatientRec yamada = Patient("1", "Yamada", 0, school);
    yamada.tBirth = Day(2012, 7, 8);
    yamada.asPortrait = "p1.jpg";
    ASSERT_EQ(AddPatient(yamada), 1);
    const int first = GetAddedCode();
    ASSERT_EQ(AddPatient(Patient("2", "Tanaka")), 1);
    const int second = GetAddedCode();
    stExcursusRec answered;
    answered.bQ3 = true;
    answered.asQ41Memo = "daily";
    ASSERT_EQ(AddMedicalRecord(Karte("KR-0001", Day(2022, 1, 1)), answered, "1"), 1);
    const int karte = GetAddedCode();
    ASSERT_EQ(AddMedicalRecord(Karte("KR-0002", Day(2022, 1, 1)), stExcursusRec(), "2"), 1);
    const int otherKarte = GetAddedCode();
    ASSERT_EQ(AddNote(Note("KR-0001", Day(2022, 2, 1), "note"), karte), 1);
    const int noteCode = GetAddedCode();
    ASSERT_EQ(AddTreatment(Treatment("KR-0001", Day(2022, 2, 1), "treatment"), karte), 1);
    const int treatmentCode = GetAddedCode();
    stCheckupRecord checkup;
    checkup.tDate = Day(2022, 2, 2);
    checkup.asKarteNo = "KR-0001";
    checkup.asMemo = "checkup";
    const int checkupCode = AddCheckup(checkup, karte);
    ASSERT_GT(checkupCode, 0);
    checkup.tDate = Day(2022, 3, 3);
    const int laterCheckup = AddCheckup(checkup, karte);
    ASSERT_GT(laterCheckup, 0);
    stDietInquiryRecord diet;
    diet.iFoodCode = 2;
    diet.iFrequencyCode = 3;
    diet.iCheckupCode = checkupCode;
    ASSERT_EQ(AddDietInquiry(diet, karte), 1);
    const int dietCode = GetAddedCode();
    const int answersCode = CodeOf(QString("SELECT Code FROM PSTable WHERE KarteCode = %1").arg(karte));

    const auto openKarte = [&] {
        KarteAsRead read;
        EXPECT_EQ(GetMedicalRecord(karte, "KR-0001", read.karte, read.patient, read.answers), 1);
        return Holding<KarteAsRead>(
            read,
            [](KarteAsRead& r) {
                r.karte.tDate = WithTimeOfDay(r.karte.tDate);
                ++r.karte.iNext;
                r.answers.asQ41Memo += "+";
            },
            [](const KarteAsRead& r, const KarteAsRead& asRead) {
                return ReplaceMedicalRecord(r.karte, r.answers, r.patient.asPatientNo, &asRead.karte,
                                            &asRead.answers);
            });
    };
    const AsReadKind kinds[] = {
        {"note",
         "NoteTable",
         noteCode,
         {{"StaffCode", QString::number(recorder)}, {"KarteCode", QString::number(otherKarte)}},
         QString("UPDATE Staff2Table SET NameKanji0 = 'Renamed' WHERE Code = %1").arg(dentist),
         [&] {
             return OpenEntry<stNoteRecord, SearchNote, GetNotes, ReplaceNote>(&stNoteRecord::asDescription,
                                                                               "KR-0001", karte);
         }},
        {"treatment",
         "TreatmentTable",
         treatmentCode,
         {{"StaffCode", QString::number(recorder)}, {"KarteCode", QString::number(otherKarte)}},
         QString("UPDATE Staff2Table SET NameKana0 = 'Renamed' WHERE Code = %1").arg(dentist),
         [&] {
             return OpenEntry<stTreatmentRecord, SearchTreatment, GetTreatments, ReplaceTreatment>(
                 &stTreatmentRecord::asTreatment, "KR-0001", karte);
         }},
        {"check-up",
         "CheckupTable",
         checkupCode,
         {{"KarteCode", QString::number(otherKarte)}},
         QString("UPDATE KarteTable SET Next = 4 WHERE Code = %1").arg(karte),
         [&] {
             stCheckupRecord filter;
             filter.asKarteNo = "KR-0001";
             EXPECT_EQ(SearchCheckup(filter, karte), 2);
             stCheckupRecord read[2];
             EXPECT_EQ(GetCheckups(read, 2), 2);
             EXPECT_EQ(read[0].iCode, checkupCode);
             return Holding<stCheckupRecord>(
                 read[0],
                 [](stCheckupRecord& r) {
                     r.tDate = WithTimeOfDay(r.tDate);
                     r.asMemo += "+";
                     ++r.iLB8;
                 },
                 [&](const stCheckupRecord& r, const stCheckupRecord& asRead) {
                     return ReplaceCheckup(r, karte, &asRead);
                 });
         }},
        {"diet row",
         "DietInquiryTable",
         dietCode,
         {{"CheckupCode", QString::number(laterCheckup)}},
         QString("UPDATE CheckupTable SET Memo = 'beside' WHERE Code = %1").arg(laterCheckup),
         [&] {
             stDietInquiryRecord filter;
             filter.iCheckupCode = checkupCode;
             EXPECT_EQ(SearchDietInquiry(filter), 1);
             stDietInquiryRecord read;
             EXPECT_EQ(GetDietInquiries(&read, 1), 1);
             return Holding<stDietInquiryRecord>(
                 read, [](stDietInquiryRecord& r) { ++r.iFrequencyCode; },
                 [&](const stDietInquiryRecord& r, const stDietInquiryRecord& asRead) {
                     return ReplaceDietInquiry(r, karte, &asRead);
                 });
         }},
        // The school's name comes with the examinee, and is not the examinee's to store.
        {"examinee",
         "Patient2Table",
         first,
         {},
         QString("UPDATE SchoolTable SET Name = 'Renamed' WHERE Code = %1").arg(school),
         [&] {
             stPatientRec filter = AnyPatient();
             filter.asPatientNo = "1";
             EXPECT_EQ(SearchPatient(filter), 1);
             stPatientRec read;
             EXPECT_EQ(GetPatients(&read, 1), 1);
             EXPECT_FALSE(read.asSchoolName.isEmpty());
             return Holding<stPatientRec>(
                 read,
                 [](stPatientRec& r) {
                     r.tBirth = WithTimeOfDay(r.tBirth);
                     r.asName1 += "+";
                 },
                 [](const stPatientRec& r, const stPatientRec& asRead) {
                     return ReplacePatient(r, &asRead);
                 });
         }},
        {"member",
         "Staff2Table",
         dentist,
         {},
         QString(),
         [&] {
             stStaffRecord filter = AnyStaff();
             filter.asStaffNo = "7";
             EXPECT_EQ(SearchStaff(filter), 1);
             stStaffRecord read;
             EXPECT_EQ(GetStaffs(&read, 1), 1);
             return Holding<stStaffRecord>(
                 read, [](stStaffRecord& r) { r.asNameKanji1 += "+"; },
                 [](const stStaffRecord& r, const stStaffRecord& asRead) {
                     return ReplaceStaff(r, &asRead);
                 });
         }},
        {"karte header",
         "KarteTable",
         karte,
         {{"PatientCode", QString::number(second)}},
         QString("UPDATE Patient2Table SET Name0 = 'Renamed' WHERE Code = %1").arg(first),
         openKarte},
        {"karte questionnaire",
         "PSTable",
         answersCode,
         {{"KarteCode", QString::number(otherKarte)}},
         QString(),
         openKarte},
    };
    for (const AsReadKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        // As read, and again with what it stored (its date held with a time of day) as read.
        HeldRow window = kind.open();
        EXPECT_EQ(window(), 1);
        EXPECT_EQ(RefusalNote(), QString());
        if (!kind.beside.isEmpty())
            Exec(kind.beside);
        EXPECT_EQ(window(), 1);
        EXPECT_EQ(RefusalNote(), QString());

        // Any stored value another program changed since the window read the row.
        for (const auto& [column, type] : ColumnsOf(kind.table)) {
            HeldRow stale = kind.open();
            const QString was = Value(QString("SELECT quote(%1) AS v FROM %2 WHERE Code = %3")
                                          .arg(column, kind.table)
                                          .arg(kind.code),
                                      "v");
            const auto other = kind.others.find(column);
            Exec(QString("UPDATE %1 SET %2 = %3 WHERE Code = %4")
                     .arg(kind.table, column,
                          other != kind.others.end() ? other->second : OtherValue(column, type))
                     .arg(kind.code));
            const QString changed = RowNow(kind.table, kind.code);
            EXPECT_EQ(stale(), dbNoRow) << column;
            EXPECT_EQ(RefusalNote(), StaleNote) << column;
            EXPECT_EQ(RowNow(kind.table, kind.code), changed) << column;
            Exec(
                QString("UPDATE %1 SET %2 = %3 WHERE Code = %4").arg(kind.table, column, was).arg(kind.code));
        }
    }
}

TEST_F(StoresByCode, TheRefusalNoteSpeaksOfTheLastOperationOnly)
{
    ASSERT_EQ(AddMedicalRecord(Karte("KS-0001", Day(2021, 1, 1)), stExcursusRec(), ""), 1);
    const int old = GetAddedCode();
    ASSERT_EQ(DelMedicalRecord("KS-0001", old), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KS-0001", Day(2021, 2, 1)), stExcursusRec(), ""), 1);
    const int live = GetAddedCode();
    stNoteRecord ofTheKarte;
    ofTheKarte.asKarteNo = "KS-0001";
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec answers;

    EXPECT_EQ(SearchNote(ofTheKarte, live), 0);
    EXPECT_EQ(RefusalNote(), QString());
    EXPECT_EQ(SearchNote(ofTheKarte, old), dbNoKarte);
    EXPECT_EQ(RefusalNote(), StaleNote);
    // The next operation starts without it, whatever it is.
    EXPECT_TRUE(ExistKarteNo("KS-0001"));
    EXPECT_EQ(RefusalNote(), QString());
    ASSERT_EQ(GetMedicalRecord(old, "KS-0001", karte, patient, answers), dbNoRow);
    stNoteRecord ofNoKarte;
    ofNoKarte.asKarteNo = "KS-9999";
    EXPECT_EQ(SearchNote(ofNoKarte), dbNoKarte); // a number no karte has: no record went stale
    EXPECT_EQ(RefusalNote(), QString());

    // The window lets go of its reading before it shows the box.
    {
        const TReadingTogether together;
        ASSERT_EQ(GetMedicalRecord(old, "KS-0001", karte, patient, answers), dbNoRow);
    }
    EXPECT_EQ(RefusalNote(), StaleNote);
    {
        const TReadingTogether together;
        ASSERT_EQ(GetMedicalRecord(live, "KS-0001", karte, patient, answers), 1);
    }
    EXPECT_EQ(RefusalNote(), QString());

    // A failure of the database is no refusal.
    ASSERT_EQ(SearchNote(ofTheKarte, old), dbNoKarte);
    Exec("DROP TABLE NoteTable");
    EXPECT_EQ(SearchNote(ofTheKarte, live), dbFailed);
    EXPECT_EQ(RefusalNote(), QString());
}

} // namespace
