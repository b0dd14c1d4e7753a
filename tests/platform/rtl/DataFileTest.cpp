#include "platform/rtl/DataFile.h"
#include "tests/support/TempDrives.h"

class DataFileTest : public TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MakeFolder("c/kvr");
        host = Host("c/kvr/Sum.csv");
    }
    QString host;
    const QString path = "C:\\kvr\\Sum.csv";
};

TEST_F(DataFileTest, WritesCp932WithCrLf)
{
    auto file = TDataFile::Open("C:\\KVR\\Sum.csv", "w");
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->Write("－×△セ\n"));
    EXPECT_TRUE(file->Write("a,€\n\nb"));
    EXPECT_TRUE(file->Close());
    EXPECT_EQ(ReadBytes(host), QByteArray("\x81\x7C\x81\x7E\x81\xA2\x83\x5A\r\na,?\r\n\r\nb"));
    EXPECT_FALSE(file->Write("late"));
}

TEST_F(DataFileTest, Modes)
{
    const struct
    {
        const char* mode;
        QByteArray after; // of "old" then writing "new"
    } cases[] = {{"w", "new"}, {"w+", "new"}, {"a", "oldnew"}, {"a+", "oldnew"}};
    for (const auto& c : cases) {
        WriteBytes(host, "old");
        auto file = TDataFile::Open(path, c.mode);
        ASSERT_TRUE(file) << c.mode;
        file->Write("new");
        file->Close();
        EXPECT_EQ(ReadBytes(host), c.after) << c.mode;
    }
    // A mode that does not write, or no mode, opens nothing and leaves the file alone.
    for (const char* mode : {"r", "r+", "wx", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(TDataFile::Open(path, mode)) << (mode ? mode : "null");
    EXPECT_EQ(ReadBytes(host), "oldnew");
}

TEST_F(DataFileTest, FlushMakesTheTextVisible)
{
    auto file = TDataFile::Open(path, "a+");
    ASSERT_TRUE(file);
    file->Write("TMainMenuForm::FormShow\n");
    EXPECT_TRUE(file->Flush());
    EXPECT_EQ(ReadBytes(host), "TMainMenuForm::FormShow\r\n");
}

TEST_F(DataFileTest, NullWhenItCannotBeOpened)
{
    EXPECT_FALSE(TDataFile::Open("C:\\nowhere\\DebLog.txt", "a+"));
    EXPECT_FALSE(QFileInfo::exists(Host("c/nowhere")));
    EXPECT_FALSE(TDataFile::Open("C:\\KVR", "w")); // a folder
}

TEST(CsvFields, ATextKeepsToItsFieldWhateverItHolds)
{
    const struct
    {
        const char* text;
        const char* field;  // as it is unless it needs quotes
        const char* quoted; // always in quotes
    } cases[] = {
        {"", "", R"("")"},
        {"Yamada Taro", "Yamada Taro", R"("Yamada Taro")"},
        {"'single' and ;", "'single' and ;", R"("'single' and ;")"},
        {"a,b", R"("a,b")", R"("a,b")"},
        {R"(old", "injected)", R"("old"", ""injected")", R"("old"", ""injected")"},
        {R"("")", R"("""""")", R"("""""")"},
        {"two\nlines", "\"two\nlines\"", "\"two\nlines\""},
        {"cr\ronly", "\"cr\ronly\"", "\"cr\ronly\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
        EXPECT_EQ(CsvQuoted(c.text), c.quoted) << c.text;
    }
}
