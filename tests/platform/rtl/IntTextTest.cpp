#include "platform/rtl/IntText.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(IntText, DecimalTexts)
{
    const struct
    {
        const char* text;
        int value;
    } cases[] = {{"0", 0},
                 {"42", 42},
                 {"-42", -42},
                 {"+7", 7},
                 {"007", 7},
                 {"-0", 0},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        EXPECT_EQ(StrToIntDef(c.text, -99), c.value) << c.text;
    }
}

TEST(IntText, NotANumber)
{
    for (const char* text : {"", "-", "+", "2147483648", "-2147483649", "99999999999999999999", "12a", "1.0",
                             "0x10", "1 2", "12 ", "--1", "１２"}) {
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(text), -99), -99) << text;
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(text), 0), 0) << text;
        EXPECT_THROW(StrToInt(QString::fromUtf8(text)), EConvertError) << text;
    }
}

TEST(IntText, IntToStr)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(1234567890123LL), "1234567890123");
    EXPECT_EQ(StrToInt(IntToStr(-2147483647 - 1)), -2147483647 - 1);
}
