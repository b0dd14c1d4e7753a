#include "platform/rtl/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, Cp932Bytes)
{
    const struct
    {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"－×△セ", "\x81\x7C\x81\x7E\x81\xA2\x83\x5A"},
        {"abc 123\r\n", "abc 123\r\n"},
        {"ｱｲｳ", "\xB1\xB2\xB3"},     // half-width katakana: one byte each
        {"①髙", "\x87\x40\xFB\xFC"}, // the vendor extensions of CP932
        {"～", "\x81\x60"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCodePage(QString::fromUtf8(c.text)), c.bytes) << c.text;
        EXPECT_EQ(FromCodePage(c.bytes), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST(CodePage, UnmappableBecomesQuestionMark)
{
    const struct
    {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"a€b", "a?b"},
        {"한국", "??"},
        {"x😀y", "x?y"}, // outside the BMP: one character, one "?"
        {"セ€セ", "\x83\x5A?\x83\x5A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToCodePage(QString::fromUtf8(c.text)), c.bytes) << c.text;
    // A long text of unmappable characters (the output grows past its first guess).
    EXPECT_EQ(ToCodePage(QString(5000, QChar(0x20AC))), QByteArray(5000, '?'));
    EXPECT_EQ(ToCodePage(QString(5000, QChar(0x30BB))).size(), 10000);
}

TEST(CodePage, BytesThatAreNotCp932)
{
    EXPECT_EQ(FromCodePage("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(FromCodePage("\x83\x5A\x81"), "セ?"); // a lead byte cut by the end
    EXPECT_EQ(FromCodePage(QByteArray(3000, '\xB1')), QString(3000, QChar(0xFF71)));
}
