#include "platform/rtl/Paths.h"
#include "tests/support/TempDrives.h"

#include <QFileInfo>

using PathsTest = TempDrives;

TEST_F(PathsTest, DrivesAndSeparators)
{
    MakeFolder("c/KVR/Database");
    MakeFolder("d/Data");
    const struct
    {
        const char* path;
        QString host;
    } cases[] = {
        {"C:\\kvr\\database", Host("c/KVR/Database")}, // existing components, any case
        {"c:\\KVR\\DATABASE\\kvr.sqlite3", Host("c/KVR/Database/kvr.sqlite3")},
        {"C:/kvr/database", Host("c/KVR/Database")},                // "/" separates too
        {"C:\\kvr/database\\", Host("c/KVR/Database/")},            // mixed, trailing separator kept
        {"C:\\kvr\\New Folder\\Sub", Host("c/KVR/New Folder/Sub")}, // missing: as written
        {"d:\\data\\x.txt", Host("d/Data/x.txt")},
        {"E:\\Stuff", Host("e/Stuff")},
        {"C:\\", Host("c/")},
        {"C:", Host("c")},
        {"C:\\\\kvr\\\\database", Host("c/KVR/Database")}, // empty components skipped
        {"C:\\kvr\\.\\x\\..\\database", Host("c/KVR/Database")},
        {"C:\\..\\..\\kvr", Host("c/KVR")}, // never above the drive
        {"Z:\\tmp\\x", "/tmp/x"},
        {"z:/", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HostPath(c.path), c.host) << c.path;
    // Drive C: exists as on any Windows machine; other drives only when made.
    EXPECT_TRUE(QFileInfo(Host("c")).isDir());
    EXPECT_FALSE(QFileInfo::exists(Host("e")));
}

// Folders that differ only in case, as a copy from Windows or two programs can leave them:
// the path reaches an existing file through whichever of them holds it.
TEST_F(PathsTest, FoldersThatDifferOnlyInCase)
{
    MakeFolder("c/KVR");
    MakeFolder("c/kvr/database");
    MakeFolder("c/kvr/Logs");
    MakeFolder("c/KVR/logs");
    WriteBytes(Host("c/kvr/database/kvr.sqlite3"), "db");
    WriteBytes(Host("c/KVR/Kelvara2.ini"), "ini");
    WriteBytes(Host("c/KVR/both.txt"), "upper");
    WriteBytes(Host("c/kvr/both.txt"), "lower");
    WriteBytes(Host("c/KVR/logs/DebLog.txt"), "log");
    const struct
    {
        const char* path;
        QString host;
    } cases[] = {
        // The file exists through one of them only: that one, whatever the spelling.
        {"C:\\kvr\\database\\kvr.sqlite3", Host("c/kvr/database/kvr.sqlite3")},
        {"C:\\KVR\\database\\kvr.sqlite3", Host("c/kvr/database/kvr.sqlite3")},
        {"C:\\Kvr\\DATABASE\\KVR.SQLITE3", Host("c/kvr/database/kvr.sqlite3")},
        {"C:\\KVR\\database", Host("c/kvr/database")},
        {"C:\\kvr\\Kelvara2.ini", Host("c/KVR/Kelvara2.ini")},
        {"C:\\kvr\\kelvara2.INI", Host("c/KVR/Kelvara2.ini")},
        // Two levels deep: c/kvr/Logs has no DebLog.txt, c/KVR/logs has.
        {"C:\\kvr\\Logs\\DebLog.txt", Host("c/KVR/logs/DebLog.txt")},
        // It exists through both: the exact spelling.
        {"C:\\KVR\\both.txt", Host("c/KVR/both.txt")},
        {"C:\\kvr\\both.txt", Host("c/kvr/both.txt")},
        // Through neither: the one through which more of it exists, then the exact spelling.
        {"C:\\KVR\\new.txt", Host("c/KVR/new.txt")},
        {"C:\\kvr\\new.txt", Host("c/kvr/new.txt")},
        {"C:\\KVR\\database\\new.ini", Host("c/kvr/database/new.ini")},
        {"C:\\kvr\\logs\\new.txt", Host("c/kvr/Logs/new.txt")},
        {"C:\\KVR\\New\\x.txt", Host("c/KVR/New/x.txt")},
        {"C:\\kvr\\..\\KVR\\Kelvara2.ini", Host("c/KVR/Kelvara2.ini")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HostPath(c.path), c.host) << c.path;
}

TEST_F(PathsTest, PathsWithoutDriveAreRelativeToTheCurrentFolder)
{
    MakeFolder("c/Work/Images");
    ASSERT_TRUE(QDir::setCurrent(Host("c/Work")));
    EXPECT_EQ(HostPath("images\\a.jpg"), Host("c/Work/Images/a.jpg"));
    EXPECT_EQ(HostPath("Images/a.jpg"), Host("c/Work/Images/a.jpg"));
    EXPECT_EQ(HostPath(".\\x.ini"), Host("c/Work/x.ini"));
    // Rooted without a drive: the root of the current folder's drive.
    EXPECT_EQ(HostPath("\\work\\images"), Host("c/Work/Images"));

    ASSERT_TRUE(QDir::setCurrent(temp.path()));
    EXPECT_EQ(HostPath("a\\b"), root + "/a/b");
}

TEST_F(PathsTest, ProgramPathOfAHostPath)
{
    MakeFolder("c/kvr/database");
    const struct
    {
        QString host;
        const char* program;
    } cases[] = {
        {Host("c/kvr/database"), "C:\\kvr\\database"},
        {Host("c/kvr/database/"), "C:\\kvr\\database\\"},
        {Host("c"), "C:\\"},
        {Host("d/x"), "D:\\x"},
        {"/usr/bin", "Z:\\usr\\bin"},
        {"/", "Z:\\"},
        {Host("notadrive/x"), nullptr}, // a folder of the root that is no drive: on Z:
    };
    for (const auto& c : cases) {
        const QString expected = c.program ? QString(c.program) : "Z:" + QString(c.host).replace('/', '\\');
        EXPECT_EQ(ProgramPath(c.host), expected) << c.host.toStdString();
        EXPECT_EQ(QDir::cleanPath(HostPath(ProgramPath(c.host))), QDir::cleanPath(c.host));
    }
}

TEST_F(PathsTest, DrivesRootFromTheEnvironment)
{
    EXPECT_EQ(DrivesRoot(), root);
    QByteArray xdg;
    bool hadXdg;
    Save("XDG_DATA_HOME", xdg, hadXdg);
    qunsetenv("KVR_DRIVES");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/xdg"));
    EXPECT_EQ(DrivesRoot(), root + "/xdg/kvr/drives");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DrivesRoot(), QDir::homePath() + "/.local/share/kvr/drives");
    Restore("XDG_DATA_HOME", xdg, hadXdg);
}
