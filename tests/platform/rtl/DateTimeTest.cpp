#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Made by this unit's static initialisers, which run before those of the library's units.
const TDateTime MadeBeforeMain = EncodeDate(2024, 5, 1);
const QString TextMadeBeforeMain =
    DateToStr(EncodeDate(2024, 5, 1)) + " " + TimeToStr(EncodeTime(9, 5, 7, 0));

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return EncodeDate(y, mo, d).Val + EncodeTime(h, mi, s, 0).Val;
}

TDateTime FixedNow()
{
    return At(2026, 12, 10, 10, 0, 0);
}

} // namespace

TEST(DateTime, EpochAndRoundTrip)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30).Val, 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1).Val, 2.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29).Val, -1.0);
    for (TDateTime v : {At(2015, 2, 28), At(2016, 2, 29), At(1, 1, 1), At(9999, 12, 31), At(1899, 1, 1)}) {
        int y, m, d;
        DecodeDate(v, y, m, d);
        EXPECT_EQ(EncodeDate(y, m, d).Val, v.Val);
    }
    EXPECT_THROW(EncodeDate(2015, 2, 29), EConvertError);
}

TEST(DateTime, ADateMadeBeforeMainIsTheSameDay)
{
    int y, m, d;
    DecodeDate(MadeBeforeMain, y, m, d);
    EXPECT_EQ(QString("%1/%2/%3").arg(y).arg(m).arg(d).toStdString(), "2024/5/1");
    EXPECT_EQ(MadeBeforeMain.Val, EncodeDate(2024, 5, 1).Val);
    EXPECT_EQ(TextMadeBeforeMain.toStdString(), "2024/05/01 9:05:07");
}

TEST(DateTime, Texts)
{
    const struct
    {
        TDateTime value;
        const char* date;
        const char* dateTime;
    } cases[] = {
        {At(2014, 5, 3), "2014/05/03", "2014/05/03"}, // exactly midnight: no time
        {At(2014, 5, 3, 9, 5, 7), "2014/05/03", "2014/05/03 9:05:07"},
        {At(2014, 12, 31, 23, 59, 59), "2014/12/31", "2014/12/31 23:59:59"},
        {At(2014, 5, 3, 0, 0, 1), "2014/05/03", "2014/05/03 0:00:01"},
        {At(2014, 5, 3, 12, 0, 0), "2014/05/03", "2014/05/03 12:00:00"},
        {At(1, 1, 1), "0001/01/01", "0001/01/01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateToStr(c.value), c.date);
        EXPECT_EQ(DateTimeToStr(c.value), c.dateTime);
    }
}

// The settings read as a Japanese desktop writes them; the tokens are read without regard
// to case, and "m" is the minute only right after an hour.
TEST(DateTime, FormatTokens)
{
    EXPECT_EQ(QString(FormatSettings.ShortDateFormat), "yyyy/MM/dd");
    EXPECT_EQ(QString(FormatSettings.LongTimeFormat), "h:nn:ss");
    const TDateTime value = At(2014, 11, 3, 9, 25, 7);
    const struct
    {
        const char* format;
        const char* text;
    } cases[] = {
        {"yyyy/MM/dd", "2014/11/03"},
        {"YYYY/mm/DD", "2014/11/03"},
        {"yy/M/d", "14/11/3"},
        {"hh:mm:ss", "09:25:07"},
        {"H:M:S", "9:25:7"},
        {"h:nn mm", "9:25 11"}, // after the minute, "mm" is the month again
        {"yyyy/mm/dd hh:mm", "2014/11/03 09:25"},
        {"mm hh", "11 09"},            // before the hour it is the month
        {"hh yyyy mm", "09 2014 11"},  // only right after the hour
        {"d日 h時m分", "3日 9時25分"}, // characters between them do not count
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), value), QString::fromUtf8(c.text)) << c.format;
}

// Every text the date texts produce reads back as its value.
TEST(DateTime, AcceptsWhatTheTextsProduce)
{
    const struct
    {
        const char* text;
        TDateTime value;
    } cases[] = {
        {"2014/05/03", At(2014, 5, 3)},
        {"2014/05/03 9:05:07", At(2014, 5, 3, 9, 5, 7)},
        {"2014/05/03 9:05", At(2014, 5, 3, 9, 5)},
        {"2014/05/03 09:05", At(2014, 5, 3, 9, 5)},
        {"2014/12/31 23:59:59", At(2014, 12, 31, 23, 59, 59)},
        {"2014/05/03 0:00:01", At(2014, 5, 3, 0, 0, 1)},
        {"2016/02/29", At(2016, 2, 29)},
        {"2000/02/29", At(2000, 2, 29)},
        {"2014/5/3", At(2014, 5, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToDateTime(c.text).Val, c.value.Val) << c.text;
    for (TDateTime v : {At(2014, 5, 3), At(2014, 5, 3, 9, 5, 7), At(1999, 1, 1, 23, 0, 0)}) {
        EXPECT_EQ(StrToDateTime(DateTimeToStr(v)).Val, v.Val);
        EXPECT_EQ(StrToDate(DateToStr(v)).Val, std::trunc(v.Val));
    }
}

TEST(DateTime, RejectsWhatIsNotADate)
{
    for (const char* text : {"",
                             " ",
                             "2014/__/__",
                             "2014/05/__",
                             "____/__/__",
                             "    /  /  ",
                             "2014/ 5/ 3",
                             "2014/05/ 3",
                             " 2014/05/03",
                             "2014/13/40",
                             "2015/02/29",
                             "1900/02/29",
                             "2014/00/10",
                             "2014/05/00",
                             "2014/04/31",
                             "2014-05-03",
                             "2014/05",
                             "2014/05/03/01",
                             "abc",
                             "2014/05/03 __:__",
                             "2014/05/03   :  ",
                             "2014/05/03 24:00",
                             "2014/05/03 9:60",
                             "2014/05/03 9:05:60",
                             "2014/05/03 9",
                             "2014/05/03 9:05:07:00",
                             "2014/05/03 ",
                             "2014/05/03 9:5a",
                             "10000/01/01"}) {
        EXPECT_THROW(StrToDateTime(text), EConvertError) << "'" << text << "'";
        EXPECT_THROW(StrToDate(text), EConvertError) << "'" << text << "'";
    }
    // A date with a time is not a date.
    EXPECT_THROW(StrToDate("2014/05/03 9:05"), EConvertError);
}

// The conversion errors reach the operator: Japanese, quoting what was given.
TEST(DateTime, ErrorsQuoteTheText)
{
    const struct
    {
        std::function<void()> run;
        const char* message;
    } cases[] = {
        {[] { StrToDate("2015/02/29"); }, "'2015/02/29'は正しい日付ではありません。"},
        {[] { StrToDateTime(""); }, "''は正しい日付・時刻ではありません。"},
        {[] { StrToDateTime("2014/05/03 24:00"); }, "'2014/05/03 24:00'は正しい日付・時刻ではありません。"},
        {[] { EncodeDate(2015, 2, 29); }, "2015年2月29日は正しい日付ではありません。"},
        {[] { EncodeTime(24, 0, 0, 0); }, "24時0分0秒0ミリ秒は正しい時刻ではありません。"},
    };
    for (const auto& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << "no exception: " << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, QString::fromUtf8(c.message));
        }
    }
}

TEST(DateTime, TwoDigitYearsFallNearToday)
{
    SetNowSource(FixedNow);
    EXPECT_EQ(StrToDate("14/05/03").Val, At(2014, 5, 3).Val);
    EXPECT_EQ(StrToDate("99/01/01").Val, At(1999, 1, 1).Val);
    EXPECT_EQ(Date().Val, At(2026, 12, 10).Val);
    SetNowSource(nullptr);
}
