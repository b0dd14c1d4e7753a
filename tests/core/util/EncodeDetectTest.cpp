#include "core/util/EncodeDetect.h"
#include "platform/rtl/CodePage.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <iconv.h>

namespace {

QByteArray Bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b += char(v);
    return b;
}

QByteArray EucJp(const QString& text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2, '\0');
    iconv_t cd = iconv_open("EUC-JP", "UTF-8");
    char* src = const_cast<char*>(in.constData());
    char* dst = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    EXPECT_NE(iconv(cd, &src, &inLeft, &dst, &outLeft), size_t(-1));
    iconv_close(cd);
    out.resize(dst - out.data());
    return out;
}

const QString kSentence = "今日は学校で歯科検診がありました。";

} // namespace

TEST(EncodeDetect, CheckEncodingCases)
{
    const struct
    {
        const char* what;
        QByteArray bytes;
        int expected;
    } cases[] = {
        {"empty", QByteArray(), -1},
        {"UTF-8 BOM and anything", Bytes({0xEF, 0xBB, 0xBF, 0x82, 0xFF}), 6},
        {"UTF-8 BOM alone", Bytes({0xEF, 0xBB, 0xBF}), 6},
        {"UTF-32 LE BOM", Bytes({0xFF, 0xFE, 0x00, 0x00}), 7},
        {"UTF-32 BE BOM", Bytes({0x00, 0x00, 0xFE, 0xFF}), 8},
        {"UTF-16 LE BOM", Bytes({0xFF, 0xFE, 0x41, 0x00}), 3},
        {"UTF-16 BE BOM", Bytes({0xFE, 0xFF}), 4},
        {"plain ASCII", "abc", -1},
        {"JIS escape", "ab\x1B$Bc", 2},
        {"JIS escape at the end", "abc\x1B(B", 2},
        {"JIS escape cut by the end", "abc\x1B$", -1},
        {"UTF-7", "a+b", 9},
        {"Shift-JIS kana", Bytes({0x82, 0xA0, 0x82, 0xA2}), 0},
        {"EUC-JP kana", Bytes({0xA4, 0xA2, 0xA4, 0xA4}), 1},
        {"UTF-8 kana", Bytes({0xE3, 0x81, 0x82}), 5},
        {"Shift-JIS sentence", ToCodePage(kSentence), 0},
        {"EUC-JP sentence", EucJp(kSentence), 1},
        {"UTF-8 sentence", kSentence.toUtf8(), 5},
        {"invalid everywhere", Bytes({0x80, 0xFF}), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckEncoding(c.bytes), c.expected) << c.what;
}

TEST(EncodeDetect, Counters)
{
    const struct
    {
        const char* what;
        QByteArray bytes;
        bool sjis, euc, utf8, utf7;
        int sjisCount, eucCount, utf8Count, utf7Count;
    } cases[] = {
        {"Shift-JIS kana", Bytes({0x82, 0xA0, 0x82, 0xA2}), true, false, false, false, 4, 0, 0, 0},
        {"EUC-JP kana", Bytes({0xA4, 0xA2, 0xA4, 0xA4}), true, true, false, false, 0, 4, 0, 0},
        {"UTF-8 kana", Bytes({0xE3, 0x81, 0x82}), true, false, true, false, 2, 0, 3, 0},
        {"UTF-7", "a+b", true, true, true, true, 0, 0, 0, 4},
        {"UTF-7 shift ended", "+AGE-x", true, true, true, true, 0, 0, 0, 8},
        {"UTF-7 blank while shifted", "+A b", true, true, true, false, 0, 0, 0, 4},
        {"UTF-7 character never direct", "a!b", true, true, true, false, 0, 0, 0, 0},
        {"UTF-8 lead as the last byte", Bytes({0x61, 0xE3}), true, true, true, false, 0, 0, 0, 0},
        {"UTF-8 three bytes cut by the end", Bytes({0x61, 0xE3, 0x81}), true, false, false, false, 2, 0, 0,
         0},
        {"UTF-8 four bytes", Bytes({0xF0, 0x9F, 0x98, 0x80}), true, false, true, false, 4, 0, 4, 0},
        {"Shift-JIS lead as the last byte", Bytes({0x41, 0x82}), true, false, false, false, 0, 0, 0, 0},
        {"Shift-JIS bad trail", Bytes({0x82, 0x20}), false, false, false, false, 0, 0, 0, 0},
        {"EUC-JP half-width kana", Bytes({0x8E, 0xB1}), true, true, false, false, 2, 2, 0, 0},
        {"EUC-JP bad half-width kana", Bytes({0x8E, 0xE0}), true, false, false, false, 2, 0, 0, 0},
        {"EUC-JP three bytes", Bytes({0x8F, 0xB0, 0xA1}), true, true, false, false, 2, 3, 0, 0},
        {"EUC-JP three bytes cut", Bytes({0x8F, 0xB0}), true, true, false, false, 2, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int s = 0, e = 0, u8 = 0, u7 = 0;
        EXPECT_EQ(IsSJIS(c.bytes, s, {}), c.sjis) << c.what;
        EXPECT_EQ(IsEUC(c.bytes, e, {}), c.euc) << c.what;
        EXPECT_EQ(IsUTF8(c.bytes, u8, {}), c.utf8) << c.what;
        EXPECT_EQ(IsUTF7(c.bytes, u7, {}), c.utf7) << c.what;
        EXPECT_EQ(s, c.sjisCount) << c.what;
        EXPECT_EQ(e, c.eucCount) << c.what;
        EXPECT_EQ(u8, c.utf8Count) << c.what;
        EXPECT_EQ(u7, c.utf7Count) << c.what;
    }
    EXPECT_TRUE(IsASCII(0x7F));
    EXPECT_FALSE(IsASCII(0x80));
}

TEST(EncodeDetect, ExcludedEncodingsAreNotLookedAt)
{
    int counter = 0;
    EXPECT_FALSE(IsSJIS(Bytes({0x82, 0xA0}), counter, {ieSJIS}));
    EXPECT_FALSE(IsEUC(Bytes({0xA4, 0xA2}), counter, {ieEUC}));
    EXPECT_FALSE(IsUTF8(Bytes({0xE3, 0x81, 0x82}), counter, {ieUTF8}));
    EXPECT_FALSE(IsUTF7("a+b", counter, {ieUTF7}));
    EXPECT_EQ(counter, 0);
    EXPECT_FALSE(IsJIS("\x1B$B", {ieJIS}));
    EXPECT_EQ(BOMCheck(Bytes({0xFF, 0xFE}), {ieBOM}), btNone);

    EXPECT_EQ(CheckEncoding(Bytes({0xEF, 0xBB, 0xBF, 0xE3, 0x81, 0x82}), {ieBOM}), 5);
    EXPECT_EQ(CheckEncoding("ab\x1B$Bc", {ieJIS}), -1);
    EXPECT_EQ(CheckEncoding(Bytes({0xE3, 0x81, 0x82}), {ieUTF8}), 0);
    EXPECT_EQ(CheckEncoding(Bytes({0x82, 0xA0, 0x82, 0xA2}), {ieSJIS, ieEUC, ieUTF8, ieJIS, ieBOM, ieUTF7}),
              -1);
}

TEST(EncodeDetect, Streams)
{
    QByteArray data = "abc\x1B$B";
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    buffer.seek(4); // read from the start whatever the position
    EXPECT_EQ(CheckEncoding(buffer, 0, {}), 2);
    EXPECT_EQ(CheckEncoding(buffer, 100, {}), 2);
    EXPECT_EQ(CheckEncoding(buffer, 6, {}), 2);
    EXPECT_EQ(CheckEncoding(buffer, 3, {}), -1); // only "abc"

    QByteArray empty;
    QBuffer none(&empty);
    ASSERT_TRUE(none.open(QIODevice::ReadOnly));
    EXPECT_EQ(CheckEncoding(none, 0, {}), -1);

    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(ToCodePage(kSentence));
    EXPECT_EQ(CheckEncoding(file, 0, {}), 0);
}
