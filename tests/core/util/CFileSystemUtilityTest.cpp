#include "core/util/C_file_system_utility.h"

#include "platform/rtl/Paths.h"
#include "tests/support/TempDrives.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FileSystemUtilityTest : public TempDrives
{
protected:
    static void Write(const QString& path, const QByteArray& bytes = "data")
    {
        QFile f(HostPath(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray Read(const QString& path)
    {
        QFile f(HostPath(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static bool Exists(const QString& path) { return QFileInfo::exists(HostPath(path)); }
    // C:\t\a\f1.txt, C:\t\a\b\f2.txt, C:\t\c, C:\t\top.txt
    void MakeTree()
    {
        ASSERT_TRUE(QDir().mkpath(HostPath("C:\\t\\a\\b")));
        ASSERT_TRUE(QDir().mkpath(HostPath("C:\\t\\c")));
        Write("C:\\t\\a\\f1.txt", "one");
        Write("C:\\t\\a\\b\\f2.txt", "two");
        Write("C:\\t\\top.txt", "top");
    }

    CFileSystemUtility fs;
};

TEST(GetUpperFolder, FolderOfTheFileOrItsParent)
{
    CFileSystemUtility fs;
    const struct
    {
        const char* path;
        const char* upper;
    } cases[] = {
        {"C:\\a\\b\\c.txt", "C:\\a\\"}, {"C:\\a\\c.txt", ""},         {"C:\\a\\b", "C:\\a\\"},
        {"C:\\c.txt", "C:\\"},          {"C:\\a\\b\\", "C:\\a\\b\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fs.GetUpperFolder(c.path), c.upper) << c.path;
}

TEST_F(FileSystemUtilityTest, ExistAndMakeDirectoryIgnoreOneTrailingBackslash)
{
    EXPECT_FALSE(fs.ExistDirectory("C:\\a"));
    EXPECT_FALSE(fs.ExistDirectory("C:\\a\\"));
    EXPECT_TRUE(fs.MakeDirectory("C:\\a\\"));
    EXPECT_TRUE(fs.ExistDirectory("C:\\a"));
    EXPECT_TRUE(fs.ExistDirectory("C:\\A\\"));
    EXPECT_FALSE(fs.MakeDirectory("C:\\a"));
    EXPECT_FALSE(fs.MakeDirectory("C:\\x\\y"));
    EXPECT_FALSE(fs.ExistDirectory("C:\\x"));
    Write("C:\\a\\f.txt");
    EXPECT_FALSE(fs.ExistDirectory("C:\\a\\f.txt"));
    EXPECT_TRUE(fs.ExistFile("C:\\a\\f.txt"));
    EXPECT_FALSE(fs.ExistFile("C:\\a"));
}

TEST_F(FileSystemUtilityTest, LocalAppDataFolderExistsForTheConfigurationFolder)
{
    const QString local = fs.GetLocalAppDataPath();
    EXPECT_TRUE(local.startsWith("C:\\Users\\"));
    EXPECT_TRUE(local.endsWith("\\AppData\\Local"));
    EXPECT_TRUE(fs.ExistDirectory(local));
    EXPECT_TRUE(fs.MakeDirectory(local + "\\KVR"));
    EXPECT_EQ(fs.GetCommonAppDataPath(), "C:\\ProgramData");
    EXPECT_TRUE(fs.GetTempFolder().endsWith('\\'));
}

TEST_F(FileSystemUtilityTest, ReadFileToBufferReportsEachFailure)
{
    Write("C:\\empty.txt", "");
    Write("C:\\full.txt", "abcdef");
    char buffer[4] = {};
    EXPECT_EQ(fs.ReadFileToBuffer("C:\\empty.txt", buffer, 4), -4);
    EXPECT_EQ(fs.ReadFileToBuffer("C:\\missing.txt", buffer, 4), -1);
    EXPECT_EQ(fs.ReadFileToBuffer("C:\\full.txt", buffer, 4), 4);
    EXPECT_EQ(QByteArray(buffer, 4), "abcd");
    EXPECT_EQ(fs.GetFileLength("C:\\full.txt"), 6);
    EXPECT_EQ(fs.GetFileLength("C:\\missing.txt"), -1);
}

TEST_F(FileSystemUtilityTest, WriteBufferToFileTruncatesAndCounts)
{
    Write("C:\\w.txt", "a longer old content");
    EXPECT_EQ(fs.WriteBufferToFile("C:\\w.txt", "new", 3), 3);
    EXPECT_EQ(Read("C:\\w.txt"), "new");
    EXPECT_EQ(fs.WriteBufferToFile("C:\\w.txt", "", 0), -2);
    EXPECT_EQ(fs.WriteBufferToFile("C:\\no\\w.txt", "x", 1), -1);
}

TEST_F(FileSystemUtilityTest, FileOperations)
{
    Write("C:\\a.txt", "a");
    Write("C:\\b.txt", "b");
    EXPECT_TRUE(fs.CopyOneFile("C:\\a.txt", "C:\\b.txt"));
    EXPECT_EQ(Read("C:\\b.txt"), "a");
    EXPECT_FALSE(fs.RenameOneFile("C:\\a.txt", "C:\\b.txt"));
    EXPECT_TRUE(fs.RenameOneFile("C:\\a.txt", "C:\\c.txt"));
    EXPECT_TRUE(fs.MoveOneFile("C:\\c.txt", "C:\\d.txt"));
    EXPECT_FALSE(Exists("C:\\c.txt"));
    EXPECT_EQ(Read("C:\\d.txt"), "a");
    EXPECT_FALSE(fs.MoveOneFile("C:\\c.txt", "C:\\e.txt"));
    EXPECT_EQ(fs.GetAttributes("C:\\d.txt"), 0x20);
    EXPECT_TRUE(fs.SetAttributes("C:\\d.txt", 0x01));
    EXPECT_EQ(fs.GetAttributes("C:\\d.txt"), 0x21);
    EXPECT_EQ(fs.GetAttributes("C:\\none"), -1);
}

TEST_F(FileSystemUtilityTest, ListingsJoinFolderAndNameAndSkipHiddenEntries)
{
    MakeTree();
    Write("C:\\t\\.hidden.txt");
    ASSERT_TRUE(QDir().mkpath(HostPath("C:\\t\\.git")));
    Write("C:\\t\\data.CSV");
    TStringList list;
    fs.ListFiles("C:\\t", &list);
    EXPECT_EQ(list.List(), QStringList({"C:\\t\\data.CSV", "C:\\t\\top.txt"}));
    list.Clear();
    fs.ListFilesByExtension("C:\\t", &list, "csv");
    EXPECT_EQ(list.List(), QStringList({"C:\\t\\data.CSV"}));
    list.Clear();
    fs.ListDirectoriesRecursive("C:\\t", &list);
    EXPECT_EQ(list.List(), QStringList({"C:\\t\\a", "C:\\t\\a\\b", "C:\\t\\c"}));
    list.Clear();
    fs.ListFilesRecursive("C:\\t", &list);
    // The folder's own files first, then each subfolder's.
    EXPECT_EQ(list.List(),
              QStringList({"C:\\t\\data.CSV", "C:\\t\\top.txt", "C:\\t\\a\\f1.txt", "C:\\t\\a\\b\\f2.txt"}));
}

TEST_F(FileSystemUtilityTest, CopyDirectoryRecreatesTheTreeAndReportsEachFile)
{
    MakeTree();
    ASSERT_TRUE(fs.MakeDirectory("C:\\d"));
    EXPECT_TRUE(fs.CopyDirectory("C:\\t", "C:\\d"));
    EXPECT_EQ(fs.GetDoneDirectories()->List(), QStringList({"C:\\d\\a", "C:\\d\\a\\b", "C:\\d\\c"}));
    EXPECT_EQ(fs.GetDoneFiles()->List(),
              QStringList({"C:\\t\\top.txt", "C:\\t\\a\\f1.txt", "C:\\t\\a\\b\\f2.txt"}));
    EXPECT_EQ(fs.GetFailedFiles()->Count(), 0);
    EXPECT_EQ(Read("C:\\d\\a\\b\\f2.txt"), "two");

    // A second copy meets existing folders: they fail, the files are overwritten.
    Write("C:\\t\\top.txt", "changed");
    EXPECT_TRUE(fs.CopyDirectory("C:\\t", "C:\\d"));
    EXPECT_EQ(fs.GetFailedDirectories()->Count(), 3);
    EXPECT_EQ(Read("C:\\d\\top.txt"), "changed");
}

TEST_F(FileSystemUtilityTest, MoveDirectoryContentsKeepsFilesThatFailedToCopy)
{
    MakeTree();
    ASSERT_TRUE(fs.MakeDirectory("C:\\d"));
    ASSERT_TRUE(fs.MakeDirectory("C:\\d\\a"));
    // A folder where the file should go: that copy fails, so its source must stay.
    ASSERT_TRUE(fs.MakeDirectory("C:\\d\\a\\f1.txt"));
    EXPECT_FALSE(fs.MoveDirectoryContents("C:\\t", "C:\\d"));
    EXPECT_EQ(fs.GetFailedFiles()->List(), QStringList({"C:\\t\\a\\f1.txt"}));
    EXPECT_TRUE(Exists("C:\\t\\a\\f1.txt"));
    EXPECT_FALSE(Exists("C:\\t\\top.txt"));
    EXPECT_FALSE(Exists("C:\\t\\a\\b"));
    EXPECT_FALSE(Exists("C:\\t\\c"));
    EXPECT_EQ(Read("C:\\d\\a\\b\\f2.txt"), "two");
    EXPECT_EQ(fs.GetFailedDirectories()->List(), QStringList({"C:\\t\\a"}));
}

TEST_F(FileSystemUtilityTest, RemoveSubdirectoriesFailsOnALeafHoldingAFile)
{
    ASSERT_TRUE(QDir().mkpath(HostPath("C:\\r\\a\\b\\leaf")));
    ASSERT_TRUE(QDir().mkpath(HostPath("C:\\r\\a\\empty")));
    ASSERT_TRUE(QDir().mkpath(HostPath("C:\\r\\other")));
    Write("C:\\r\\a\\b\\leaf\\kept.txt");
    EXPECT_FALSE(fs.RemoveSubdirectories("C:\\r"));
    EXPECT_EQ(fs.GetFailedDirectories()->List(),
              QStringList({"C:\\r\\a\\b\\leaf", "C:\\r\\a\\b", "C:\\r\\a"}));
    EXPECT_EQ(fs.GetDoneDirectories()->List(), QStringList({"C:\\r\\other", "C:\\r\\a\\empty"}));
    EXPECT_TRUE(Exists("C:\\r"));

    EXPECT_TRUE(fs.DeleteDirectory("C:\\r"));
    EXPECT_FALSE(Exists("C:\\r"));
}

TEST_F(FileSystemUtilityTest, AssignCopiesTheLists)
{
    MakeTree();
    fs.RemoveSubdirectories("C:\\t");
    {
        CFileSystemUtility other;
        other.Assign(fs);
        EXPECT_EQ(other.GetFailedDirectories()->List(), fs.GetFailedDirectories()->List());
        EXPECT_NE(other.GetFailedDirectories(), fs.GetFailedDirectories());
    }
    EXPECT_EQ(fs.GetDoneDirectories()->List(), QStringList({"C:\\t\\c"}));
}

TEST_F(FileSystemUtilityTest, FileTimesAreLocalOrZero)
{
    Write("C:\\t.txt");
    QFile f(HostPath("C:\\t.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        f.setFileTime(QDateTime(QDate(2019, 3, 4), QTime(5, 6, 7)), QFileDevice::FileModificationTime));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2019, 3, 5), QTime(5, 6, 7)), QFileDevice::FileAccessTime));
    f.close();
    EXPECT_NEAR(fs.GetLastWriteDateTime("C:\\t.txt"), EncodeDate(2019, 3, 4) + EncodeTime(5, 6, 7, 0), 1e-8);
    EXPECT_NEAR(fs.GetLastAccessDateTime("C:\\t.txt"), EncodeDate(2019, 3, 5) + EncodeTime(5, 6, 7, 0), 1e-8);
    const double created = fs.GetCreationDateTime("C:\\t.txt");
    EXPECT_TRUE(created == 0 || std::abs(created - double(Now())) < 1.0 / 24);
    EXPECT_EQ(double(fs.GetLastWriteDateTime("C:\\none.txt")), 0.0);
    EXPECT_EQ(double(fs.GetCreationDateTime("C:\\none.txt")), 0.0);
}

TEST_F(FileSystemUtilityTest, FreeBytesOfADrive)
{
    fs.GetLocalAppDataPath(); // drive C: exists from here on
    EXPECT_GT(fs.GetFreeDiskBytes('C'), 0);
    EXPECT_EQ(fs.GetFreeDiskBytes('Q'), 0);
}

} // namespace

namespace {

TEST_F(FileSystemUtilityTest, DetectFileEncodingReadsTheWholeFileIncludingZeroBytes)
{
    Write("C:\\empty.txt", "");
    Write("C:\\utf16.txt", QByteArray("\xFF\xFE\x41\x00\x42\x00", 6));
    Write("C:\\sjis.txt", QByteArray("\x82\xA0\x82\xA2"));
    Write("C:\\utf8.txt", QByteArray("\xE3\x81\x82"));
    EXPECT_EQ(fs.DetectFileEncoding("C:\\empty.txt"), -1);
    EXPECT_EQ(fs.DetectFileEncoding("C:\\missing.txt"), -1);
    EXPECT_EQ(fs.DetectFileEncoding("C:\\utf16.txt"), 3);
    EXPECT_EQ(fs.DetectFileEncoding("C:\\sjis.txt"), 0);
    EXPECT_EQ(fs.DetectFileEncoding("C:\\utf8.txt"), 5);
    // Text in memory ends at its first zero byte.
    EXPECT_EQ(fs.DetectTextEncoding("\xE3\x81\x82"), 5);
    EXPECT_EQ(fs.DetectTextEncoding(""), -1);
}

} // namespace
