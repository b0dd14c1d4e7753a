// Notes, treatments and diet rows through the facade. Notes and treatments are twins:
// every case runs on both.
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/RefusalNotes.h"

#include <QStringList>

namespace {

// One family's operations over a record that carries its text in `text`.
struct Entry
{
    int iCode = 0;
    TDateTime tDate;
    QString text;
    QString asStaffNo;
    QString asKarteNo;
};

struct Family
{
    const char* table;
    // With a karte's Code (0: none) and the row as read (null: none).
    int (*searchOf)(const Entry&, int karteCode);
    int (*get)(Entry*, int);
    int (*add)(const Entry&, int karteCode); // 0: onto the live karte of the entry's number
    int (*replaceOf)(const Entry&, int karteCode, const Entry* asRead);
    int (*delOf)(int code, int karteCode);
    int (*karteList)(QString, QString&);

    int search(const Entry& e) const { return searchOf(e, 0); }
    int replace(const Entry& e) const { return replaceOf(e, 0, nullptr); }
    int del(int code) const { return delOf(code, 0); }
};

template <typename Record, QString Record::*Text> Record ToRecord(const Entry& e)
{
    Record r;
    r.iCode = e.iCode;
    r.tDate = e.tDate;
    r.*Text = e.text;
    r.asStaffNo = e.asStaffNo;
    r.asKarteNo = e.asKarteNo;
    return r;
}

template <typename Record, QString Record::*Text> Entry ToEntry(const Record& r)
{
    return {r.iCode, r.tDate, r.*Text, r.asStaffNo, r.asKarteNo};
}

template <typename Record, QString Record::*Text, int (*Search)(Record, int), int (*Get)(Record*, int),
          int (*Add)(Record, int), int (*Replace)(Record, int, const Record*), int (*Del)(Record, int),
          int (*KarteList)(QString, QString&)>
Family MakeFamily(const char* table)
{
    return {table,
            [](const Entry& e, int karteCode) { return Search(ToRecord<Record, Text>(e), karteCode); },
            [](Entry* out, int max) {
                std::vector<Record> rows(max);
                for (int i = 0; i < max; ++i)
                    rows[i] = ToRecord<Record, Text>(out[i]);
                const int n = Get(rows.data(), max);
                for (int i = 0; i < max; ++i)
                    out[i] = ToEntry<Record, Text>(rows[i]);
                return n;
            },
            [](const Entry& e, int karteCode) { return Add(ToRecord<Record, Text>(e), karteCode); },
            [](const Entry& e, int karteCode, const Entry* asRead) {
                const Record read = asRead ? ToRecord<Record, Text>(*asRead) : Record();
                return Replace(ToRecord<Record, Text>(e), karteCode, asRead ? &read : nullptr);
            },
            [](int code, int karteCode) {
                Record r;
                r.iCode = code;
                return Del(r, karteCode);
            },
            KarteList};
}

const Family Families[] = {
    MakeFamily<stTreatmentRecord, &stTreatmentRecord::asTreatment, SearchTreatment, GetTreatments,
               AddTreatment, ReplaceTreatment, DelTreatment, GetMedicalRecordOfStaffTreatment>(
        "TreatmentTable"),
    MakeFamily<stNoteRecord, &stNoteRecord::asDescription, SearchNote, GetNotes, AddNote, ReplaceNote,
               DelNote, GetMedicalRecordOfStaffNote>("NoteTable"),
};

Entry MakeEntry(TDateTime date, const QString& text, const QString& staffNo, const QString& karteNo)
{
    Entry e;
    e.tDate = date;
    e.text = text;
    e.asStaffNo = staffNo;
    e.asKarteNo = karteNo;
    return e;
}

class NotesAndTreatments : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        ASSERT_EQ(AddStaff(Staff("7", "Dentist")), 1);
        ASSERT_EQ(AddStaff(Staff("8", "Recorder")), 1);
        ASSERT_EQ(AddMedicalRecord(Karte("KA-0001-0001", Day(2020, 1, 1)), stExcursusRec(), ""), 1);
        ASSERT_EQ(AddMedicalRecord(Karte("KA-0001-0002", Day(2020, 1, 1)), stExcursusRec(), ""), 1);
        ASSERT_EQ(AddMedicalRecord(Karte("KA-0001-0003", Day(2020, 1, 1)), stExcursusRec(), ""), 1);
    }

    // The texts found by a search, in the reader's order.
    QStringList Found(const Family& f, const Entry& filter)
    {
        const int count = f.search(filter);
        if (count < 0)
            return {QString::number(count)};
        std::vector<Entry> rows(count + 1);
        const int read = f.get(rows.data(), int(rows.size()));
        QStringList texts;
        for (int i = 0; i < read; ++i)
            texts << rows[i].text;
        return texts;
    }

    void AddThree(const Family& f)
    {
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 3, 1), "filling", "7", "KA-0001-0001"), 0), 1);
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 2, 1), "o'clock check", "8", "KA-0001-0001"), 0), 1);
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 1, 5), "scaling", "8", "KA-0001-0002"), 0), 1);
    }
};

TEST_F(NotesAndTreatments, SearchOrsTheCriteriaAndListsByDate)
{
    for (const Family& f : Families) {
        AddThree(f);
        EXPECT_EQ(Found(f, Entry()), QStringList({"scaling", "o'clock check", "filling"})) << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "", "", "KA-0001-0001")), QStringList({"o'clock check", "filling"}))
            << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "", "7", "KA-0001-0002")), QStringList({"scaling", "filling"}))
            << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "ill", "", "")), QStringList({"filling"})) << f.table;
        // Pasted into the statement, the quote made the search fail with -1.
        EXPECT_EQ(Found(f, MakeEntry(0, "o'c", "", "")), QStringList({"o'clock check"})) << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "", "99", "")), QStringList({"-2"})) << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "", "", "KA-9999-9999")), QStringList({"-3"})) << f.table;
        EXPECT_EQ(Found(f, MakeEntry(0, "", "", "KA-0001-0003")), QStringList()) << f.table;
    }
}

TEST_F(NotesAndTreatments, ReaderGivesMemberAndKarteNumbers)
{
    for (const Family& f : Families) {
        AddThree(f);
        ASSERT_EQ(f.search(MakeEntry(0, "", "", "KA-0001-0001")), 2);
        Entry rows[3];
        rows[2].text = "untouched";
        ASSERT_EQ(f.get(rows, 3), 2) << f.table;
        EXPECT_EQ(rows[0].tDate, Day(2020, 2, 1));
        EXPECT_EQ(rows[0].asStaffNo, "8");
        EXPECT_EQ(rows[0].asKarteNo, "KA-0001-0001");
        EXPECT_GT(rows[0].iCode, 0);
        EXPECT_EQ(rows[1].asStaffNo, "7");
        EXPECT_EQ(rows[2].text, "untouched");
    }
    // A flagged member reads back as "-2"; so does a karte whose row is gone.
    ASSERT_EQ(DelStaff("8"), 1);
    Exec("DELETE FROM KarteTable WHERE KarteNo = 'KA-0001-0002'");
    for (const Family& f : Families) {
        ASSERT_EQ(f.search(Entry()), 3);
        Entry rows[3];
        ASSERT_EQ(f.get(rows, 3), 3) << f.table;
        EXPECT_EQ(rows[0].asStaffNo, "-2") << f.table;
        EXPECT_EQ(rows[0].asKarteNo, "-2") << f.table;
        EXPECT_EQ(rows[1].asStaffNo, "-2") << f.table;
        EXPECT_EQ(rows[1].asKarteNo, "KA-0001-0001") << f.table;
        EXPECT_EQ(rows[2].asStaffNo, "7") << f.table;
    }
}

TEST_F(NotesAndTreatments, AddReplaceAndDeleteReportTheirCodes)
{
    for (const Family& f : Families) {
        const QString count = QString("SELECT Code FROM %1").arg(f.table);
        EXPECT_EQ(f.add(MakeEntry(Day(2020, 1, 1), "no member", "", "KA-0001-0001"), 0), dbNoRow) << f.table;
        EXPECT_EQ(f.add(MakeEntry(Day(2020, 1, 1), "no karte", "7", "KA-9999-9999"), 0), dbNoKarte)
            << f.table;
        EXPECT_EQ(Rows(count), 0) << f.table;
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 1, 1), "first", "7", "KA-0001-0001"), 0), 1) << f.table;
        const int code = Value(count, "Code").toInt();

        Entry changed = MakeEntry(Day(2021, 6, 7), "changed", "8", "KA-0001-0002");
        changed.iCode = code;
        EXPECT_EQ(f.replace(changed), 1) << f.table;
        ASSERT_EQ(f.search(Entry()), 1);
        Entry row;
        ASSERT_EQ(f.get(&row, 1), 1);
        EXPECT_EQ(row.text, "changed");
        EXPECT_EQ(row.tDate, Day(2021, 6, 7));
        EXPECT_EQ(row.asStaffNo, "8");
        EXPECT_EQ(row.asKarteNo, "KA-0001-0002");

        Entry bad = changed;
        bad.asStaffNo = "99";
        EXPECT_EQ(f.replace(bad), dbNoRow) << f.table;
        bad = changed;
        bad.asKarteNo = "KA-9999-9999";
        EXPECT_EQ(f.replace(bad), dbNoKarte) << f.table;
        Entry missing = changed;
        missing.iCode = code + 100;
        missing.text = "nowhere";
        EXPECT_EQ(f.replace(missing), dbNoRow) << f.table; // nothing to replace: not stored
        EXPECT_EQ(Value(count, "Code").toInt(), code);
        ASSERT_EQ(f.search(Entry()), 1);
        ASSERT_EQ(f.get(&row, 1), 1);
        EXPECT_EQ(row.text, "changed") << f.table;

        EXPECT_EQ(f.del(code), 1) << f.table;
        EXPECT_EQ(Rows(count), 0) << f.table;
    }
    Break(module->Query2);
    for (const Family& f : Families) {
        EXPECT_EQ(f.add(MakeEntry(Day(2020, 1, 1), "refused", "7", "KA-0001-0001"), 0), dbFailed) << f.table;
        EXPECT_EQ(f.del(1), dbFailed) << f.table;
    }
}

TEST_F(NotesAndTreatments, ASearchWhoseKarteLookupFailsIsAFailureNotAMissingKarte)
{
    Break(module->Query3);
    for (const Family& f : Families) {
        // By the karte's number, and by its Code with the number.
        for (const int karteCode : {0, 1}) {
            EXPECT_EQ(f.searchOf(MakeEntry(0, "", "", "KA-0001-0001"), karteCode), dbFailed)
                << f.table << " " << karteCode;
            EXPECT_EQ(RefusalNote(), QString()) << f.table << " " << karteCode;
        }
    }
}

TEST_F(NotesAndTreatments, KartesHoldingAMembersEntriesCountLiveKartesOnce)
{
    for (const Family& f : Families) {
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 1, 1), "a", "7", "KA-0001-0001"), 0), 1);
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 1, 2), "b", "7", "KA-0001-0001"), 0), 1);
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 1, 3), "c", "7", "KA-0001-0002"), 0), 1);
    }
    ASSERT_EQ(DelMedicalRecord("KA-0001-0002"), 1);
    for (const Family& f : Families) {
        QString first = "stale";
        EXPECT_EQ(f.karteList("7", first), 1) << f.table;
        EXPECT_EQ(first, "KA-0001-0001, 2020/01/01") << f.table;
        EXPECT_EQ(f.karteList("8", first), 0) << f.table;
        EXPECT_EQ(f.karteList("seven", first), dbFailed) << f.table;
    }
}

TEST_F(NotesAndTreatments, DietRowsOfACheckup)
{
    Exec("INSERT INTO CheckupTable (Code, CDate, KarteCode) VALUES (11, '2020-02-01', 1), "
         "(12, '2020-02-02', 1), (13, '2020-02-03', 2)");
    stDietInquiryRecord row;
    row.iFoodCode = 2;
    row.iFrequencyCode = 3;
    row.iCheckupCode = 11;
    ASSERT_EQ(AddDietInquiry(row), 1);
    row.iFoodCode = 4;
    ASSERT_EQ(AddDietInquiry(row), 1);
    row.iCheckupCode = 12;
    ASSERT_EQ(AddDietInquiry(row), 1);

    stDietInquiryRecord filter;
    filter.iCheckupCode = 11;
    ASSERT_EQ(SearchDietInquiry(filter), 2);
    stDietInquiryRecord rows[3];
    ASSERT_EQ(GetDietInquiries(rows, 3), 2);
    EXPECT_EQ(rows[0].iCode, 1);
    EXPECT_EQ(rows[0].iFoodCode, 2);
    EXPECT_EQ(rows[0].iFrequencyCode, 3);
    EXPECT_EQ(rows[0].iCheckupCode, 11);
    EXPECT_EQ(rows[1].iFoodCode, 4);

    rows[1].iFrequencyCode = 9;
    rows[1].iCheckupCode = 12;
    EXPECT_EQ(ReplaceDietInquiry(rows[1]), 1);
    EXPECT_EQ(DelDietInquiry(rows[0]), 1);
    ASSERT_EQ(SearchDietInquiry(filter), 0);
    filter.iCheckupCode = 12;
    ASSERT_EQ(SearchDietInquiry(filter), 2);
    ASSERT_EQ(GetDietInquiries(rows, 3), 2);
    EXPECT_EQ(rows[0].iFrequencyCode, 9);

    // A row for a check-up that is gone, or whose karte is deleted, is refused and not written;
    // so is a replace of a row that is gone, or onto such a check-up.
    const QString table = "SELECT Code, FoodCode, FrequencyCode, CheckupCode FROM DietInquiryTable";
    const auto rowsNow = [&] {
        QStringList all;
        for (int code = 1; code <= 4; ++code)
            all << Value(table + QString(" WHERE Code = %1").arg(code), "CheckupCode");
        return all;
    };
    const int before = Rows(table);
    const QStringList stored = rowsNow();
    row.iCheckupCode = 14;
    EXPECT_EQ(AddDietInquiry(row), dbNoKarte);
    stDietInquiryRecord moved = rows[0];
    moved.iCheckupCode = 99999;
    EXPECT_EQ(ReplaceDietInquiry(moved), dbNoKarte);
    stDietInquiryRecord gone = rows[0];
    gone.iCode = 99;
    EXPECT_EQ(ReplaceDietInquiry(gone), dbNoRow);
    ASSERT_EQ(DelMedicalRecord("KA-0001-0002"), 1);
    row.iCheckupCode = 13;
    EXPECT_EQ(AddDietInquiry(row), dbNoKarte);
    moved.iCheckupCode = 13;
    EXPECT_EQ(ReplaceDietInquiry(moved), dbNoKarte);
    EXPECT_EQ(Rows(table), before);
    EXPECT_EQ(rowsNow(), stored);

    Break(module->Query1);
    Break(module->Query2);
    EXPECT_EQ(SearchDietInquiry(filter), dbFailed);
    EXPECT_EQ(AddDietInquiry(row), dbFailed);
    EXPECT_EQ(ReplaceDietInquiry(row), dbFailed);
    EXPECT_EQ(DelDietInquiry(row), dbFailed);
}

} // namespace

TEST_F(NotesAndTreatments, TheAddedCodeIsThatOfTheRowJustAdded)
{
    for (const Family& f : Families) {
        AddThree(f);
        // A lookup between the add and the read-back inserts nothing.
        ASSERT_EQ(f.add(MakeEntry(Day(2020, 4, 1), "last", "7", "KA-0001-0003"), 0), 1) << f.table;
        EXPECT_TRUE(ExistKarteNo("KA-0001-0001"));
        EXPECT_EQ(GetAddedCode(),
                  Value(QString("SELECT Code FROM %1 WHERE KarteCode = 3").arg(f.table), "Code").toInt())
            << f.table;
    }
    Exec("INSERT INTO CheckupTable (Code, CDate, KarteCode) VALUES (11, '2020-02-01', 1)");
    stDietInquiryRecord row;
    row.iCheckupCode = 11;
    ASSERT_EQ(AddDietInquiry(row), 1);
    ASSERT_EQ(AddDietInquiry(row), 1);
    EXPECT_EQ(GetAddedCode(), 2);
}
