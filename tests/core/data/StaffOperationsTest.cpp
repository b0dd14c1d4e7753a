// Member count, search, reader, add, replace and delete through the facade.
#include "tests/core/data/DataStoreFixture.h"

#include <QStringList>

namespace {

class StaffOperations : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        stStaffRecord first = Staff("20", "Suzuki", 0, 3);
        first.asNameKanji1 = "Ichiro";
        first.asNameKana0 = "suzuki-kana";
        first.asNameKana1 = "ichiro-kana";
        first.asNameAlphabet0 = "SUZUKI";
        first.asNameAlphabet1 = "ICHIRO";
        ASSERT_EQ(AddStaff(first), 1);
        ASSERT_EQ(AddStaff(Staff("10", "Takahashi", 1, 3)), 1);
        ASSERT_EQ(AddStaff(Staff("30", "Watanabe", 1, 2)), 1);
        ASSERT_EQ(AddStaff(Staff("40", "Kobayashi", 0, 3)), 1);
        stStaffRecord quoted = Staff("50", "Obrien", 0, 2);
        quoted.asNameAlphabet0 = "O'BRIEN";
        ASSERT_EQ(AddStaff(quoted), 1);
        ASSERT_EQ(DelStaff("40"), 1);
    }

    QStringList Found(const stStaffRecord& filter)
    {
        const int count = SearchStaff(filter);
        if (count < 0)
            return {QString::number(count)};
        std::vector<stStaffRecord> rows(count + 1);
        const int read = GetStaffs(rows.data(), int(rows.size()));
        QStringList numbers;
        for (int i = 0; i < read; ++i)
            numbers << rows[i].asStaffNo;
        return numbers;
    }
};

stStaffRecord With(void (*fill)(stStaffRecord&))
{
    stStaffRecord r = AnyStaff();
    fill(r);
    return r;
}

TEST_F(StaffOperations, SearchRestrictsBySexAndJobAndOrsTheRest)
{
    const struct
    {
        const char* title;
        stStaffRecord filter;
        QStringList expected;
    } cases[] = {
        {"every live member by number", AnyStaff(), {"10", "20", "30", "50"}},
        {"occupation restricts", With([](stStaffRecord& r) { r.iJobCode = 3; }), {"10", "20"}},
        {"sex and occupation restrict",
         With([](stStaffRecord& r) {
             r.iSex = 1;
             r.iJobCode = 3;
         }),
         {"10"}},
        {"number or name",
         With([](stStaffRecord& r) {
             r.asStaffNo = "30";
             r.asNameKanji0 = "Suz";
         }),
         {"20", "30"}},
        {"kana and alphabet names", With([](stStaffRecord& r) { r.asNameAlphabet1 = "CHIR"; }), {"20"}},
        {"a flagged member is never found", With([](stStaffRecord& r) { r.asNameKanji0 = "Kobayashi"; }), {}},
        // Pasted into the statement, the apostrophe made the search fail with -1.
        {"a single quote is searched for", With([](stStaffRecord& r) { r.asNameAlphabet0 = "O'B"; }), {"50"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(c.filter), c.expected) << c.title;
}

TEST_F(StaffOperations, ReaderCopiesEachNameIntoItsOwnField)
{
    stStaffRecord filter = AnyStaff();
    filter.asStaffNo = "20";
    ASSERT_EQ(SearchStaff(filter), 1);
    stStaffRecord row[2];
    row[1].asStaffNo = "untouched";
    ASSERT_EQ(GetStaffs(row, 2), 1);
    EXPECT_EQ(row[0].asStaffNo, "20");
    EXPECT_EQ(row[0].iJobCode, 3);
    EXPECT_EQ(row[0].iSex, 0);
    EXPECT_EQ(row[0].asNameKanji0, "Suzuki");
    EXPECT_EQ(row[0].asNameKanji1, "Ichiro");
    EXPECT_EQ(row[0].asNameKana0, "suzuki-kana");
    EXPECT_EQ(row[0].asNameKana1, "ichiro-kana");
    EXPECT_EQ(row[0].asNameAlphabet0, "SUZUKI");
    EXPECT_EQ(row[0].asNameAlphabet1, "ICHIRO");
    EXPECT_EQ(row[1].asStaffNo, "untouched");
}

TEST_F(StaffOperations, AddReplaceAndDeleteReportTheirCodes)
{
    EXPECT_EQ(GetStaffCount(), 4);
    EXPECT_EQ(AddStaff(Staff("20", "Again")), dbNumberInUse);
    EXPECT_EQ(AddStaff(Staff("40", "Kimura")), 1); // only a flagged row had it
    EXPECT_EQ(GetStaffCount(), 5);

    stStaffRecord changed = Staff("40", "Kimura-changed", 1, 2);
    EXPECT_EQ(ReplaceStaff(changed), 1);
    EXPECT_EQ(Value("SELECT NameKanji0 FROM Staff2Table WHERE StaffNo = 40 AND DeleteFlag = 0", "NameKanji0"),
              "Kimura-changed");
    EXPECT_EQ(Value("SELECT NameKanji0 FROM Staff2Table WHERE StaffNo = 40 AND DeleteFlag = 1", "NameKanji0"),
              "Kobayashi");

    // A member deleted since it was listed is not stored over.
    EXPECT_EQ(ReplaceStaff(Staff("77", "Nobody")), dbNoRow);
    EXPECT_EQ(Rows("SELECT Code FROM Staff2Table WHERE NameKanji0 = 'Nobody'"), 0);

    // A text that is not a number deletes number 0.
    ASSERT_EQ(AddStaff(Staff("0", "Zero")), 1);
    EXPECT_EQ(DelStaff("zero"), 1);
    EXPECT_FALSE(ExistStaffNo("0"));

    Break(module->Query2);
    EXPECT_EQ(GetStaffCount(), dbFailed);
    EXPECT_EQ(ReplaceStaff(changed), dbFailed);
    EXPECT_EQ(DelStaff("20"), dbFailed);
    EXPECT_EQ(AddStaff(Staff("60", "Refused")), dbFailed);
}

TEST_F(StaffOperations, AddInsertsNothingWhenTheDuplicateCheckFails)
{
    Break(module->Query3);
    EXPECT_EQ(AddStaff(Staff("20", "Twin")), dbFailed);
    EXPECT_EQ(Rows("SELECT Code FROM Staff2Table WHERE StaffNo = 20"), 1);
}

} // namespace
