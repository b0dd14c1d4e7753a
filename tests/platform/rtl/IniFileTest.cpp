#include "platform/rtl/IniFile.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDrives.h"

class IniFileTest : public TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MakeFolder("c/kvr");
        path = Host("c/kvr/Kelvara2.ini");
    }
    // Puts `content` in the file (no file at all for nullptr).
    void Given(const char* content)
    {
        QFile::remove(path);
        if (content)
            WriteBytes(path, content);
    }

    QString path;
    TIniFile ini{"C:\\KVR\\Kelvara2.ini"};
};

struct ReadCase
{
    const char* what;
    const char* file; // nullptr: no file
    const char* section;
    const char* key;
    const char* expected; // with the default "<def>"
};

const ReadCase kReads[] = {
    {"missing file", nullptr, "Paradox", "NetFileDir", "<def>"},
    {"missing section", "[Debug]\nDebLog=1\n", "Paradox", "NetFileDir", "<def>"},
    {"missing key", "[Paradox]\nDatabaseName=D\n", "Paradox", "NetFileDir", "<def>"},
    {"key of another section", "[A]\nk=1\n[B]\nx=2\n", "B", "k", "<def>"},
    {"key before any section", "k=0\n[A]\n", "A", "k", "<def>"},
    {"line without =", "[A]\nk\n", "A", "k", "<def>"},
    {"empty value", "[A]\nk=\n", "A", "k", ""},
    {"blank value", "[A]\nk=   \n", "A", "k", ""},
    {"plain value", "[Paradox]\nNetFileDir=C:\\KVR\n", "Paradox", "NetFileDir", "C:\\KVR"},
    {"blanks trimmed", "  [ A ]  \n  k  =  two words  \n", "A", "k", "two words"},
    {"tabs trimmed", "[A]\n\tk\t=\tv\t\n", "A", "k", "v"},
    {"section and key case", "[paradox]\nnetfiledir=X\n", "PARADOX", "NetFileDir", "X"},
    {"names trimmed in the call", "[A]\nk=v\n", " A ", " k ", "v"},
    {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
    {"first section wins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
    {"only the first section is searched", "[A]\nx=1\n[a]\nk=2\n", "A", "k", "<def>"},
    {"= in the value", "[A]\nk=a=b\n", "A", "k", "a=b"},
    {"UTF-8 BOM", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
    {"CR LF line ends", "[A]\r\nk=v\r\n", "A", "k", "v"},
    {"no final line end", "[A]\nk=v", "A", "k", "v"},
    {"UTF-8 text", "[A]\nk=\xE3\x83\x96\xE3\x83\xA9\xE3\x82\xB7\n", "A", "k", "ブラシ"},
    {"empty file", "", "A", "k", "<def>"},
};

TEST_F(IniFileTest, ReadString)
{
    for (const ReadCase& c : kReads) {
        Given(c.file);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), QString::fromUtf8(c.expected)) << c.what;
    }
}

TEST_F(IniFileTest, ReadInteger)
{
    const struct
    {
        const char* value;
        int expected; // with the default -99
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-42", -42},
        {"+7", 7},
        {" 7 ", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", -99},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"0x100000000", -99},
        {"0x", -99},
        {"0xG", -99},
        {"$1F", -99},
        {"", -99},
        {"abc", -99},
        {"12abc", -99},
        {"1.5", -99},
        {"1 2", -99},
        {"-", -99},
    };
    for (const auto& c : cases) {
        Given(QByteArray("[A]\nk=") + c.value + "\n");
        EXPECT_EQ(ini.ReadInteger("A", "k", -99), c.expected) << "value '" << c.value << "'";
    }
    Given(nullptr);
    EXPECT_EQ(ini.ReadInteger("A", "k", 5), 5);
}

struct WriteCase
{
    const char* what;
    const char* before; // nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const WriteCase kWrites[] = {
    {"creates the file", nullptr, "Patient", "Number", "1", "[Patient]\nNumber=1\n"},
    {"appends a missing section at the end", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
    {"ends the last line first", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
    {"appends a missing key at the end of its section", "[A]\nx=1\n[B]\ny=2\n", "a", "k", "v",
     "[A]\nx=1\nk=v\n[B]\ny=2\n"},
    {"keeps the blank line before the next section", "[A]\nx=1\n\n[B]\n", "A", "k", "v",
     "[A]\nx=1\nk=v\n\n[B]\n"},
    {"key into an empty section", "[A]\n[B]\n", "A", "k", "v", "[A]\nk=v\n[B]\n"},
    {"replaces the line in place", "[A]\nx=1\n  K = old \ny=2\n", "a", "k", "new", "[A]\nx=1\nK=new\ny=2\n"},
    {"replaces the first of two keys", "[A]\nk=1\nk=2\n", "A", "k", "3", "[A]\nk=3\nk=2\n"},
    {"empty value", "[A]\nk=1\n", "A", "k", "", "[A]\nk=\n"},
    {"other lines stay byte for byte", "; note\r\n[A]\r\nx=\x82\xA0\r\nk=1\r\n", "A", "k", "2",
     "; note\r\n[A]\r\nx=\x82\xA0\r\nk=2\r\n"},
    {"BOM stays", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "2", "\xEF\xBB\xBF[A]\nk=2\n"},
    {"line break in the value stays one line", "[A]\n", "A", "k", "a\nb\r\nc", "[A]\nk=a b c\n"},
    {"UTF-8 without BOM", nullptr, "Excursus", "BrushFreq0", "歯磨き", "[Excursus]\nBrushFreq0=歯磨き\n"},
    // A file with CR LF (copied from Windows) keeps them on the lines the write adds.
    {"CR LF: a new section", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
    {"CR LF: a new key in its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\nk=v\r\n[B]\r\ny=2\r\n"},
    {"CR LF: the blank line before the next section stays", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\n"},
    {"CR LF: the last line is ended with CR LF", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
    {"CR LF: a replaced key", "[A]\r\nk=1\r\n", "A", "k", "2", "[A]\r\nk=2\r\n"},
    {"CR LF after a BOM", "\xEF\xBB\xBF[A]\r\n", "A", "k", "v", "\xEF\xBB\xBF[A]\r\nk=v\r\n"},
    {"a mixed file follows its first line", "[A]\nx=1\r\n", "B", "k", "v", "[A]\nx=1\r\n[B]\nk=v\n"},
};

TEST_F(IniFileTest, WriteString)
{
    for (const WriteCase& c : kWrites) {
        Given(c.before);
        ini.WriteString(c.section, c.key, QString::fromUtf8(c.value));
        EXPECT_EQ(ReadBytes(path), QByteArray(c.after)) << c.what;
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"),
                  QString::fromUtf8(c.value).replace('\r', "").replace('\n', ' '))
            << c.what;
    }
}

TEST_F(IniFileTest, WriteIntegerReadsBack)
{
    for (int value : {0, 1, -1, 2147483647, -2147483647 - 1}) {
        ini.WriteInteger("MedicalRecord", "Number2", value);
        EXPECT_EQ(ini.ReadInteger("MedicalRecord", "Number2", 12345), value);
    }
    EXPECT_EQ(ReadBytes(path), "[MedicalRecord]\nNumber2=-2147483648\n");
}

// Two objects on one file see each other's writes and changes made outside at once.
TEST_F(IniFileTest, NothingIsCached)
{
    TIniFile other("c:\\kvr\\KELVARA2.INI");
    ini.WriteString("Paradox", "NetFileDir", "D:\\NET");
    EXPECT_EQ(other.ReadString("paradox", "netfiledir", ""), "D:\\NET");
    WriteBytes(path, "[Paradox]\nNetFileDir=E:\\NET\n");
    EXPECT_EQ(ini.ReadString("Paradox", "NetFileDir", ""), "E:\\NET");
    QFile::remove(path);
    EXPECT_EQ(ini.ReadString("Paradox", "NetFileDir", "C:\\KVR"), "C:\\KVR");
}

TEST_F(IniFileTest, WriteIntoMissingFolderRaisesNamingTheFile)
{
    TIniFile missing("C:\\nowhere\\Kelvara2.ini");
    EXPECT_EQ(missing.FileName(), "C:\\nowhere\\Kelvara2.ini");
    try {
        missing.WriteInteger("Patient", "Number", 2);
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "ファイル\"C:\\nowhere\\Kelvara2.ini\"に書き込めません。");
    }
    EXPECT_FALSE(QFileInfo::exists(Host("c/nowhere")));
    EXPECT_EQ(missing.ReadInteger("Patient", "Number", 7), 7);
}

TEST_F(IniFileTest, ExistsDeleteAndErase)
{
    Given("[A]\nk=1\nj=2\n[B]\nx=3\n");
    EXPECT_TRUE(ini.SectionExists("a"));
    EXPECT_FALSE(ini.SectionExists("C"));
    EXPECT_TRUE(ini.ValueExists("A", "J"));
    EXPECT_FALSE(ini.ValueExists("B", "k"));
    ini.DeleteKey("a", "K");
    EXPECT_EQ(ReadBytes(path), "[A]\nj=2\n[B]\nx=3\n");
    ini.EraseSection("A");
    EXPECT_EQ(ReadBytes(path), "[B]\nx=3\n");
    ini.DeleteKey("B", "missing");
    ini.EraseSection("missing");
    EXPECT_EQ(ReadBytes(path), "[B]\nx=3\n");
}
