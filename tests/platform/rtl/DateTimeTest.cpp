#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(DateTime, EpochAndRoundTrip)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30).Val, 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1).Val, 2.0);
    int y, m, d;
    DecodeDate(EncodeDate(2015, 2, 28), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20150228);
}

TEST(DateTime, RejectsImpossibleDates)
{
    EXPECT_THROW(StrToDate("2015/02/29"), EConvertError);
    EXPECT_THROW(StrToDate("2014/13/40"), EConvertError);
    EXPECT_EQ(DateToStr(StrToDate("2016/02/29")), "2016/02/29");
}
