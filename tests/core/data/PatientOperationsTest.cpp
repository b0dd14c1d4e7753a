// Examinee count, search, reader, add and replace through the facade.
#include "tests/core/data/DataStoreFixture.h"

#include <QStringList>

namespace {

class PatientOperations : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        Exec("INSERT INTO SchoolTable (Name) VALUES ('North School')");
        Exec("INSERT INTO SchoolTable (Name) VALUES ('South School')");
        stPatientRec first = Patient("3", "Yamada", 0, 1);
        first.asName1 = "Taro";
        first.asNameKana0 = "yamada-kana";
        first.tBirth = Day(2010, 4, 1);
        first.asPortrait = "p3.jpg";
        ASSERT_EQ(AddPatient(first), 1);
        ASSERT_EQ(AddPatient(Patient("1", "Yamamoto", 1, 2)), 1);
        ASSERT_EQ(AddPatient(Patient("2", "Tanaka", 0, 1)), 1);
        ASSERT_EQ(AddPatient(Patient("4", "Sato", 1, 1)), 1);
        ASSERT_EQ(AddPatient(Patient("5", "O'Brien", 1, 99)), 1);
        Exec("UPDATE Patient2Table SET DeleteFlag = 1 WHERE PatientNo = 4");
    }

    QStringList Found(const stPatientRec& filter)
    {
        const int count = SearchPatient(filter);
        if (count < 0)
            return {QString::number(count)};
        std::vector<stPatientRec> rows(count + 1);
        const int read = GetPatients(rows.data(), int(rows.size()));
        QStringList numbers;
        for (int i = 0; i < read; ++i)
            numbers << rows[i].asPatientNo;
        return numbers;
    }
};

struct SearchCase
{
    const char* title;
    stPatientRec filter;
    QStringList expected;
};

stPatientRec With(void (*fill)(stPatientRec&))
{
    stPatientRec r = AnyPatient();
    fill(r);
    return r;
}

TEST_F(PatientOperations, SearchRestrictsBySexAndOrsTheTexts)
{
    const SearchCase cases[] = {
        {"everything empty lists every live examinee by number", AnyPatient(), {"1", "2", "3", "5"}},
        {"sex restricts", With([](stPatientRec& r) { r.iSex = 1; }), {"1", "5"}},
        {"number or family name",
         With([](stPatientRec& r) {
             r.asPatientNo = "3";
             r.asName0 = "Tan";
         }),
         {"2", "3"}},
        {"sex restricts the alternatives",
         With([](stPatientRec& r) {
             r.iSex = 0;
             r.asName0 = "Yama";
         }),
         {"3"}},
        {"personal name", With([](stPatientRec& r) { r.asName1 = "aro"; }), {"3"}},
        {"kana", With([](stPatientRec& r) { r.asNameKana0 = "kana"; }), {"3"}},
        {"school name", With([](stPatientRec& r) { r.asSchoolName = "South"; }), {"1"}},
        {"a flagged examinee is never found", With([](stPatientRec& r) { r.asName0 = "Sato"; }), {}},
        {"a number text that is not a number looks for 0",
         With([](stPatientRec& r) { r.asPatientNo = "x"; }),
         {}},
        {"an underscore is a wildcard", With([](stPatientRec& r) { r.asName0 = "Yama_a"; }), {"3"}},
        {"a percent sign is a wildcard", With([](stPatientRec& r) { r.asName0 = "Y%o"; }), {"1"}},
        // Pasted into the statement, the quote made the search fail with -1.
        {"a single quote is searched for", With([](stPatientRec& r) { r.asName0 = "O'B"; }), {"5"}},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(Found(c.filter), c.expected) << c.title;
}

TEST_F(PatientOperations, ReaderCopiesEveryFieldWithTheSchoolName)
{
    stPatientRec filter = AnyPatient();
    filter.asPatientNo = "3";
    ASSERT_EQ(SearchPatient(filter), 1);
    stPatientRec row;
    ASSERT_EQ(GetPatients(&row, 1), 1);
    EXPECT_EQ(row.asPatientNo, "3");
    EXPECT_EQ(row.asName0, "Yamada");
    EXPECT_EQ(row.asName1, "Taro");
    EXPECT_EQ(row.asNameKana0, "yamada-kana");
    EXPECT_EQ(row.tBirth, Day(2010, 4, 1));
    EXPECT_EQ(row.iSex, 0);
    EXPECT_EQ(row.iSchoolCode, 1);
    EXPECT_EQ(row.asSchoolName, "North School");
    EXPECT_EQ(row.asPortrait, "p3.jpg");

    filter.asPatientNo = "5"; // its school code matches no school
    ASSERT_EQ(SearchPatient(filter), 1);
    ASSERT_EQ(GetPatients(&row, 1), 1);
    EXPECT_EQ(row.iSchoolCode, 99);
    EXPECT_EQ(row.asSchoolName, "");
}

TEST_F(PatientOperations, ReaderStopsAtMaxAndLeavesTheRestUntouched)
{
    ASSERT_EQ(SearchPatient(AnyPatient()), 4);
    stPatientRec rows[6];
    for (stPatientRec& r : rows)
        r.asPatientNo = "untouched";
    EXPECT_EQ(GetPatients(rows, 2), 2);
    EXPECT_EQ(rows[1].asPatientNo, "2");
    EXPECT_EQ(rows[2].asPatientNo, "untouched");
    EXPECT_EQ(GetPatients(rows, 6), 4);
    EXPECT_EQ(rows[3].asPatientNo, "5");
    EXPECT_EQ(rows[4].asPatientNo, "untouched");
    EXPECT_EQ(rows[5].asPatientNo, "untouched");
}

TEST_F(PatientOperations, OtherQueriesBetweenSearchAndReaderKeepTheRows)
{
    stPatientRec filter = AnyPatient();
    filter.iSex = 1;
    ASSERT_EQ(SearchPatient(filter), 2);
    EXPECT_EQ(GetPatientCount(), 4);
    EXPECT_TRUE(ExistPatientNo("2"));
    EXPECT_EQ(AddPatient(Patient("6", "Ito", 1)), 1);
    stPatientRec rows[3];
    ASSERT_EQ(GetPatients(rows, 3), 2);
    EXPECT_EQ(rows[0].asPatientNo, "1");
    EXPECT_EQ(rows[1].asPatientNo, "5");

    filter.iSex = 0;
    ASSERT_EQ(SearchPatient(filter), 2);
    ASSERT_EQ(GetPatients(rows, 3), 2);
    EXPECT_EQ(rows[0].asPatientNo, "2");
    EXPECT_EQ(rows[1].asPatientNo, "3");
}

TEST_F(PatientOperations, CountIsOfLiveExaminees)
{
    EXPECT_EQ(GetPatientCount(), 4);
    Break(module->Query2);
    EXPECT_EQ(GetPatientCount(), dbFailed);
}

TEST_F(PatientOperations, AddRefusesANumberALiveExamineeHas)
{
    EXPECT_EQ(AddPatient(Patient("3", "Other")), dbNumberInUse);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 3"), 1);

    // Only a flagged row has number 4: it is free again, and the new row is the one found.
    EXPECT_EQ(AddPatient(Patient("4", "Kato")), 1);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 4"), 2);
    stPatientRec filter = AnyPatient();
    filter.asPatientNo = "4";
    ASSERT_EQ(SearchPatient(filter), 1);
    stPatientRec row;
    ASSERT_EQ(GetPatients(&row, 1), 1);
    EXPECT_EQ(row.asName0, "Kato");
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE Name0 = 'Sato' AND DeleteFlag = 1"), 1);
}

TEST_F(PatientOperations, AddInsertsNothingWhenTheDuplicateCheckFails)
{
    // The check runs on its own query; the insert would go through without it.
    Break(module->Query3);
    EXPECT_EQ(AddPatient(Patient("3", "Twin")), dbFailed);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE PatientNo = 3"), 1);
}

TEST_F(PatientOperations, AddReportsAFailingInsert)
{
    Exec("CREATE TRIGGER refuse BEFORE INSERT ON Patient2Table BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(AddPatient(Patient("7", "Refused")), dbFailed);
}

TEST_F(PatientOperations, ReplaceRewritesTheLiveRowOnly)
{
    ASSERT_EQ(AddPatient(Patient("4", "Kato")), 1);
    stPatientRec changed = Patient("4", "Kondo", 1, 2);
    changed.tBirth = Day(2011, 5, 6);
    changed.asPortrait = "new.jpg";
    EXPECT_EQ(ReplacePatient(changed), 1);
    EXPECT_EQ(Value("SELECT Name0 FROM Patient2Table WHERE PatientNo = 4 AND DeleteFlag = 0", "Name0"),
              "Kondo");
    EXPECT_EQ(Value("SELECT Portrait FROM Patient2Table WHERE PatientNo = 4 AND DeleteFlag = 0", "Portrait"),
              "new.jpg");
    // Its kartes still show the flagged examinee as it was.
    EXPECT_EQ(Value("SELECT Name0 FROM Patient2Table WHERE PatientNo = 4 AND DeleteFlag = 1", "Name0"),
              "Sato");

    // No live examinee has the number (never one, or deleted since it was listed): nothing is
    // written, and the window is told so.
    EXPECT_EQ(ReplacePatient(Patient("77", "Nobody")), dbNoRow);
    EXPECT_EQ(Rows("SELECT Code FROM Patient2Table WHERE Name0 = 'Nobody'"), 0);
    Exec("UPDATE Patient2Table SET DeleteFlag = 1 WHERE PatientNo = 4;");
    EXPECT_EQ(ReplacePatient(changed), dbNoRow);

    Break(module->Query2);
    EXPECT_EQ(ReplacePatient(changed), dbFailed);
}

TEST_F(PatientOperations, SearchReportsAFailingStatement)
{
    Break(module->Query1);
    EXPECT_EQ(SearchPatient(AnyPatient()), dbFailed);
}

} // namespace
