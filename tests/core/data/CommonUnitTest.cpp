// The member, food and frequency lists: loads cut at their capacity but report every
// row, finds return the first match, failures give their messages.
#include "core/data/CommonUnit.h"
#include "tests/support/ProgramFixture.h"

#include <gtest/gtest.h>

using namespace widgets;

namespace {

class Caches : public ::testing::Test
{
protected:
    void SetUp() override { program.Start(); }

    // Members 1..count (live), plus one flagged member beyond them.
    void AddMembers(int count)
    {
        program.Database().Exec(
            QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                    "INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, "
                    "NameKana1, NameAlphabet0, NameAlphabet1, DeleteFlag) "
                    "SELECT 1, i, 0, 'k' || i, '', '', '', '', '', 0 FROM n;")
                .arg(count));
        program.Database().Exec(QString("INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, "
                                        "DeleteFlag) VALUES (1, %1, 0, 'gone', 1);")
                                    .arg(count + 1));
    }

    ProgramFixture program;
};

} // namespace

TEST_F(Caches, TwoThousandAndOneMembersKeepTwoThousandAndReportEveryRow)
{
    AddMembers(2001);
    EXPECT_EQ(CommonForm->LoadStaff(), 2001);
    EXPECT_EQ(CommonForm->nStaffRecords, 2000);
    EXPECT_EQ(CommonForm->FindStaff("1"), 0);
    EXPECT_EQ(CommonForm->FindStaff("2000"), 1999);
    EXPECT_EQ(CommonForm->tstStaffRec[1999].asNameKanji0, "k2000");
    EXPECT_EQ(CommonForm->FindStaff("2001"), -1); // the highest number was cut
    EXPECT_EQ(CommonForm->FindStaff("2002"), -1); // flagged as deleted
    EXPECT_EQ(CommonForm->FindStaff(""), -1);
}

TEST_F(Caches, EachLoadSeesTheCurrentDatabase)
{
    AddMembers(3);
    EXPECT_EQ(CommonForm->LoadStaff(), 3);
    program.Database().Exec("UPDATE Staff2Table SET DeleteFlag = 1 WHERE StaffNo = 2;");
    EXPECT_EQ(CommonForm->LoadStaff(), 2);
    EXPECT_EQ(CommonForm->nStaffRecords, 2);
    EXPECT_EQ(CommonForm->FindStaff("2"), -1);
    EXPECT_EQ(CommonForm->FindStaff("3"), 1);
}

TEST_F(Caches, NoFoodsGiveAnEmptyListThatFindsNothing)
{
    EXPECT_EQ(CommonForm->LoadFood(), 0);
    EXPECT_EQ(CommonForm->nFoodRecords, 0);
    for (int code : {0, 1, -1})
        EXPECT_EQ(CommonForm->FindFood(code), -1) << code;
    EXPECT_TRUE(program.Script().Boxes().empty());
}

TEST_F(Caches, FrequenciesComeInDisplayOrderCutAtTwenty)
{
    for (int i = 1; i <= 21; ++i)
        program.Database().Exec(
            QString("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('f%1', %2);").arg(i).arg(22 - i));
    EXPECT_EQ(CommonForm->LoadFrequency(), 21);
    EXPECT_EQ(CommonForm->nFrequencyRecords, 20);
    EXPECT_EQ(CommonForm->tstFrequencyRec[0].asName, "f21"); // display order 1
    EXPECT_EQ(CommonForm->tstFrequencyRec[0].iDispOrder, 1);
    EXPECT_EQ(CommonForm->FindFrequency(21), 0);
    EXPECT_EQ(CommonForm->FindFrequency(1), -1); // display order 21, cut
}

TEST_F(Caches, FoodsComeInNameOrder)
{
    for (const char* name : {"rice", "bread", "sweets"})
        program.Database().Exec(QString("INSERT INTO FoodTable (Name) VALUES ('%1');").arg(name));
    EXPECT_EQ(CommonForm->LoadFood(), 3);
    EXPECT_EQ(CommonForm->tstFoodRec[0].asName, "bread");
    EXPECT_EQ(CommonForm->FindFood(1), 1); // rice
}

TEST_F(Caches, DuplicateEntriesFindTheLowerIndex)
{
    CommonForm->nFoodRecords = 3;
    CommonForm->tstFoodRec[0].iCode = 4;
    CommonForm->tstFoodRec[1].iCode = 7;
    CommonForm->tstFoodRec[2].iCode = 7;
    EXPECT_EQ(CommonForm->FindFood(7), 1);
    CommonForm->nFrequencyRecords = 2;
    CommonForm->tstFrequencyRec[0].iCode = 5;
    CommonForm->tstFrequencyRec[1].iCode = 5;
    EXPECT_EQ(CommonForm->FindFrequency(5), 0);
    CommonForm->nStaffRecords = 3;
    CommonForm->tstStaffRec[0].asStaffNo = "9";
    CommonForm->tstStaffRec[1].asStaffNo = "";
    CommonForm->tstStaffRec[2].asStaffNo = "9";
    EXPECT_EQ(CommonForm->FindStaff("9"), 0);
    EXPECT_EQ(CommonForm->FindStaff(""), 1); // only an entry with an empty number matches it
    // Only the counted entries are searched.
    CommonForm->nStaffRecords = 0;
    EXPECT_EQ(CommonForm->FindStaff("9"), -1);
}

TEST_F(Caches, ASearchFailureShowsItsMessageAndKeepsTheOldCount)
{
    program.Database().Exec("INSERT INTO FoodTable (Name) VALUES ('rice');");
    ASSERT_EQ(CommonForm->LoadFood(), 1);
    program.Database().Exec("DROP TABLE FoodTable;");
    program.Database().Exec("DROP TABLE FrequencyTable;");
    program.Script().Expect(BoxKind::Error, "食事内容テーブルを検索できません。(-1)");
    program.Script().Expect(BoxKind::Error, "食事テーブルを検索できません。(-1)");
    EXPECT_EQ(CommonForm->LoadFood(), -1);
    EXPECT_EQ(CommonForm->nFoodRecords, 1);
    EXPECT_EQ(CommonForm->LoadFrequency(), -1);
    EXPECT_EQ(program.Script().Sounds(), std::vector<Sound>({Sound::Exclamation, Sound::Exclamation}));
}

TEST_F(Caches, TheMemberSearchFailureMessage)
{
    program.Database().Exec("DROP TABLE Staff2Table;");
    program.Script().Expect(BoxKind::Error, "メンバー・テーブルを検索できません。(-1)");
    EXPECT_EQ(CommonForm->LoadStaff(), -1);
    EXPECT_EQ(CommonForm->nStaffRecords, 0);
}
