// Check-up search, reader, add, replace and delete through the facade.
#include "core/data/Teeth.h"
#include "tests/core/data/DataStoreFixture.h"
#include "tests/support/RefusalNotes.h"

#include <QStringList>

namespace {

stCheckupRecord Checkup(const QString& karteNo, TDateTime date, const QString& memo = "")
{
    stCheckupRecord r;
    r.asKarteNo = karteNo;
    r.tDate = date;
    r.asMemo = memo;
    for (const Tooth& tooth : Teeth)
        r.*tooth.field = 19;
    return r;
}

class CheckupOperations : public DataStoreTest
{
protected:
    void SetUp() override
    {
        DataStoreTest::SetUp();
        for (const char* no : {"KC-0001-0001", "KC-0001-0002", "KC-0001-0003"})
            ASSERT_EQ(AddMedicalRecord(Karte(no, Day(2020, 1, 1)), stExcursusRec(), ""), 1);
    }

    QStringList Found(const QString& karteNo)
    {
        stCheckupRecord filter;
        filter.asKarteNo = karteNo;
        const int count = SearchCheckup(filter);
        if (count < 0)
            return {QString::number(count)};
        std::vector<stCheckupRecord> rows(count + 1);
        const int read = GetCheckups(rows.data(), int(rows.size()));
        QStringList memos;
        for (int i = 0; i < read; ++i)
            memos << rows[i].asKarteNo + " " + rows[i].asMemo;
        return memos;
    }
};

TEST_F(CheckupOperations, SearchListsLiveKartesCheckupsByDate)
{
    ASSERT_GT(AddCheckup(Checkup("KC-0001-0001", Day(2021, 5, 1), "late")), 0);
    ASSERT_GT(AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1), "early")), 0);
    ASSERT_GT(AddCheckup(Checkup("KC-0001-0002", Day(2021, 3, 1), "other")), 0);
    ASSERT_GT(AddCheckup(Checkup("KC-0001-0003", Day(2021, 2, 1), "gone")), 0);
    ASSERT_EQ(DelMedicalRecord("KC-0001-0003"), 1);

    EXPECT_EQ(Found("KC-0001-0001"), QStringList({"KC-0001-0001 early", "KC-0001-0001 late"}));
    EXPECT_EQ(Found(""), QStringList({"KC-0001-0001 early", "KC-0001-0002 other", "KC-0001-0001 late"}));
    EXPECT_EQ(Found("KC-0001-0003"), QStringList({"-3"}));
    EXPECT_EQ(Found("KC-9999-9999"), QStringList({"-3"}));
    Break(module->Query1);
    EXPECT_EQ(Found(""), QStringList({"-1"}));
}

TEST_F(CheckupOperations, ASearchWhoseKarteLookupFailsIsAFailureNotAMissingKarte)
{
    Break(module->Query3);
    // By the karte's number, and by its Code with the number.
    for (const int karteCode : {0, 1}) {
        stCheckupRecord filter;
        filter.asKarteNo = "KC-0001-0001";
        EXPECT_EQ(SearchCheckup(filter, karteCode), dbFailed) << karteCode;
        EXPECT_EQ(RefusalNote(), QString()) << karteCode;
    }
}

TEST_F(CheckupOperations, EveryToothIsStoredAndReadInItsOwnField)
{
    stCheckupRecord given = Checkup("KC-0001-0002", Day(2021, 4, 5), "memo");
    given.iSchoolCode = 6;
    for (int t = 0; t < 52; ++t)
        given.*Teeth[t].field = 100 + t; // outside 0 to 20 as well: stored unchanged
    const int code = AddCheckup(given);
    ASSERT_GT(code, 0);

    stCheckupRecord filter;
    filter.asKarteNo = "KC-0001-0002";
    ASSERT_EQ(SearchCheckup(filter), 1);
    stCheckupRecord rows[2];
    rows[1].asMemo = "untouched";
    ASSERT_EQ(GetCheckups(rows, 2), 1);
    EXPECT_EQ(rows[0].iCode, code);
    EXPECT_EQ(rows[0].tDate, Day(2021, 4, 5));
    EXPECT_EQ(rows[0].asKarteNo, "KC-0001-0002");
    EXPECT_EQ(rows[0].iSchoolCode, 6);
    EXPECT_EQ(rows[0].asMemo, "memo");
    for (int t = 0; t < 52; ++t)
        EXPECT_EQ(rows[0].*Teeth[t].field, 100 + t) << "tooth " << t;
    EXPECT_EQ(Value("SELECT RT1 FROM CheckupTable", "RT1"), "105");
    EXPECT_EQ(Value("SELECT LB8 FROM CheckupTable", "LB8"), "151");
    EXPECT_EQ(rows[1].asMemo, "untouched");
}

TEST_F(CheckupOperations, AddReturnsTheNewRowsCode)
{
    const int first = AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1), "first"));
    ASSERT_GT(first, 0);
    // Read back by date and karte alone, the second check-up of the day got the first one's code.
    const int second = AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1), "second"));
    ASSERT_GT(second, 0);
    EXPECT_NE(second, first);
    EXPECT_EQ(Value(QString("SELECT Memo FROM CheckupTable WHERE Code = %1").arg(second), "Memo"), "second");

    EXPECT_EQ(AddCheckup(Checkup("KC-9999-9999", Day(2021, 1, 1))), dbNoKarte);
    EXPECT_EQ(Rows("SELECT Code FROM CheckupTable"), 2);

    // A row the read-back cannot find is no success: its code is not known, and the row is
    // not kept.
    Exec("CREATE TRIGGER move AFTER INSERT ON CheckupTable BEGIN "
         "UPDATE CheckupTable SET CDate = '1999-09-09' WHERE Code = NEW.Code; END");
    EXPECT_EQ(AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1))), dbCheckupNotReadBack);
    Exec("DROP TRIGGER move");
    EXPECT_EQ(Rows("SELECT Code FROM CheckupTable"), 2);

    Break(module->Query2);
    EXPECT_EQ(AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1))), dbFailed);
}

TEST_F(CheckupOperations, ReplaceAndDelete)
{
    const int code = AddCheckup(Checkup("KC-0001-0001", Day(2021, 1, 1), "before"));
    ASSERT_GT(code, 0);
    stCheckupRecord changed = Checkup("KC-0001-0002", Day(2021, 2, 2), "after");
    changed.iCode = code;
    changed.iRT1 = 3;
    EXPECT_EQ(ReplaceCheckup(changed), 1);
    EXPECT_EQ(Found("KC-0001-0001"), QStringList());
    EXPECT_EQ(Found("KC-0001-0002"), QStringList({"KC-0001-0002 after"}));
    EXPECT_EQ(Value("SELECT RT1 FROM CheckupTable", "RT1"), "3");

    changed.asKarteNo = "KC-9999-9999";
    EXPECT_EQ(ReplaceCheckup(changed), dbNoKarte);
    stCheckupRecord missing = Checkup("KC-0001-0001", Day(2021, 3, 3), "nowhere");
    missing.iCode = code + 10;
    EXPECT_EQ(ReplaceCheckup(missing), dbNoRow); // nothing to replace: not stored
    EXPECT_EQ(Found(""), QStringList({"KC-0001-0002 after"}));

    stCheckupRecord victim;
    victim.iCode = code;
    EXPECT_EQ(DelCheckup(victim), 1);
    EXPECT_EQ(Rows("SELECT Code FROM CheckupTable"), 0);

    Break(module->Query2);
    EXPECT_EQ(ReplaceCheckup(missing), dbFailed);
    EXPECT_EQ(DelCheckup(victim), dbFailed);
}

} // namespace
