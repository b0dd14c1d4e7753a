#include "platform/os/Files.h"
#include "platform/os/SystemErrors.h"

#include "DrivesFixture.h"

#include <QDateTime>
#include <set>

using namespace os;

class FilesTest : public DrivesFixture
{
};

TEST_F(FilesTest, AttributesAreMadeFromKindPermissionAndName)
{
    MakeDir("C:\\a");
    Write("C:\\a\\f.txt");
    Write("C:\\a\\.hid");
    EXPECT_EQ(GetFileAttributes("C:\\a"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributes("C:\\A\\F.TXT"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(GetFileAttributes("C:\\a\\.hid"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(GetFileAttributes("C:\\a\\none"), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(SetFileAttributes("C:\\a\\f.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributes("C:\\a\\f.txt"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(QFileInfo(HostPath("C:\\a\\f.txt")).permissions() & QFile::WriteOwner);
    ASSERT_TRUE(SetFileAttributes("C:\\a\\f.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes("C:\\a\\f.txt"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_FALSE(SetFileAttributes("C:\\a\\none", FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FilesTest, SearchPatternsMatchWithoutRegardToCaseAndSkipHiddenNames)
{
    MakeDir("C:\\s\\Sub");
    MakeDir("C:\\s\\.hiddendir");
    for (const char* name : {"a.TXT", "b.txt", "c.csv", "noext", ".hidden.txt", "x[1].txt"})
        Write(QString("C:\\s\\") + name);
    auto names = [](const QString& pattern) {
        std::set<QString> out;
        for (const FindData& f : FindFiles(pattern))
            out.insert(f.Name);
        return out;
    };
    const std::set<QString> all = {"a.TXT", "b.txt", "c.csv", "noext", "x[1].txt", "Sub"};
    EXPECT_EQ(names("C:\\s\\*.*"), all);
    EXPECT_EQ(names("C:\\s\\*"), all);
    EXPECT_EQ(names("C:\\s\\*.txt"), (std::set<QString>{"a.TXT", "b.txt", "x[1].txt"}));
    EXPECT_EQ(names("C:\\s\\X[1].TXT"), (std::set<QString>{"x[1].txt"}));
    EXPECT_TRUE(FindFiles("C:\\nowhere\\*.*").empty());

    const std::vector<FindData> one = FindFiles("C:\\s\\c.csv");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Size, 1);
}

TEST_F(FilesTest, CopyRespectsFailIfExistsAndKeepsTheWriteTime)
{
    Write("C:\\src.txt", "new");
    Write("C:\\dst.txt", "old");
    EXPECT_FALSE(CopyFile("C:\\src.txt", "C:\\dst.txt", true));
    EXPECT_EQ(GetLastError(), EEXIST);
    ASSERT_TRUE(CopyFile("C:\\src.txt", "C:\\dst.txt", false));
    QFile f(HostPath("C:\\dst.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "new");
    EXPECT_EQ(QFileInfo(f).lastModified(), QFileInfo(HostPath("C:\\src.txt")).lastModified());
    EXPECT_FALSE(CopyFile("C:\\missing.txt", "C:\\x.txt", false));
    EXPECT_FALSE(QFile::exists(HostPath("C:\\x.txt")));
}

TEST_F(FilesTest, RenameRefusesAnExistingTarget)
{
    Write("C:\\a.txt", "a");
    Write("C:\\b.txt", "b");
    EXPECT_FALSE(MoveFile("C:\\a.txt", "C:\\b.txt"));
    ASSERT_TRUE(MoveFile("C:\\a.txt", "C:\\c.txt"));
    EXPECT_TRUE(FileExists("C:\\c.txt"));
    EXPECT_FALSE(FileExists("C:\\a.txt"));
    EXPECT_TRUE(DeleteFile("C:\\c.txt"));
    EXPECT_FALSE(DeleteFile("C:\\c.txt"));
}

TEST_F(FilesTest, FoldersAreMadeOneAtATimeAndRemovedOnlyWhenEmpty)
{
    EXPECT_FALSE(CreateDirectory("C:\\p\\q"));
    ASSERT_TRUE(CreateDirectory("C:\\p"));
    ASSERT_TRUE(CreateDirectory("C:\\p\\q"));
    EXPECT_TRUE(DirectoryExists("C:\\P\\Q"));
    EXPECT_FALSE(FileExists("C:\\p\\q"));
    EXPECT_FALSE(RemoveDirectory("C:\\p"));
    EXPECT_TRUE(RemoveDirectory("C:\\p\\q"));
}

TEST_F(FilesTest, FileTimesAreLocalDateTimes)
{
    Write("C:\\t.txt");
    const QDateTime when(QDate(2020, 5, 17), QTime(13, 45, 30));
    QFile f(HostPath("C:\\t.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    ASSERT_TRUE(f.setFileTime(when.addDays(1), QFileDevice::FileAccessTime));
    f.close();

    TDateTime value;
    ASSERT_TRUE(GetFileTime("C:\\t.txt", FileTime::LastWrite, value));
    EXPECT_NEAR(value, EncodeDate(2020, 5, 17) + EncodeTime(13, 45, 30, 0), 1e-8);
    ASSERT_TRUE(GetFileTime("C:\\t.txt", FileTime::LastAccess, value));
    EXPECT_NEAR(value, EncodeDate(2020, 5, 18) + EncodeTime(13, 45, 30, 0), 1e-8);
    // Birth times are not kept by every file system; when one is, it is today's.
    if (GetFileTime("C:\\t.txt", FileTime::Creation, value)) {
        EXPECT_NEAR(value, double(Now()), 1.0 / 24);
    }
    EXPECT_FALSE(GetFileTime("C:\\none.txt", FileTime::LastWrite, value));
}
