#include "platform/os/Folders.h"
#include "platform/os/Disks.h"

#include "DrivesFixture.h"

using namespace os;

class FoldersTest : public DrivesFixture
{
};

TEST_F(FoldersTest, SpecialFoldersLieOnDriveCAndExist)
{
    const QString local = GetSpecialFolderPath(CSIDL_LOCAL_APPDATA);
    EXPECT_EQ(local, "C:\\Users\\" + LoginName() + "\\AppData\\Local");
    EXPECT_TRUE(QDir(root + "/c/Users/" + LoginName() + "/AppData/Local").exists());
    EXPECT_EQ(GetSpecialFolderPath(CSIDL_COMMON_APPDATA), "C:\\ProgramData");
    EXPECT_EQ(GetSpecialFolderPath(5), "");
}

TEST_F(FoldersTest, TempFolderEndsWithBackslash)
{
    const QString temp = GetTempPath();
    EXPECT_TRUE(temp.endsWith('\\'));
    EXPECT_EQ(QDir(HostPath(temp)).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
}

TEST_F(FoldersTest, CurrentFolderIsSetAndReadAsProgramPath)
{
    const QString before = QDir::currentPath();
    MakeDir("C:\\Work");
    ASSERT_TRUE(SetCurrentFolder("c:\\work"));
    EXPECT_EQ(GetCurrentFolder(), "C:\\Work");
    EXPECT_FALSE(SetCurrentFolder("C:\\missing"));
    QDir::setCurrent(before);
}

TEST_F(FoldersTest, ProgramFileIsOnDriveZ)
{
    const QString exe = GetProgramFilePath();
    EXPECT_TRUE(exe.startsWith("Z:\\"));
    EXPECT_EQ(QFileInfo(HostPath(exe)).canonicalFilePath(), QFileInfo("/proc/self/exe").canonicalFilePath());
}

TEST_F(FoldersTest, DrivesWithoutRootHaveNoTypeAndNoFreeBytes)
{
    EXPECT_NE(GetDriveType("C:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_GT(GetDiskFreeBytes("C:\\"), 0);
    EXPECT_EQ(GetDriveType("Q:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDiskFreeBytes("Q:\\"), 0);
    EXPECT_EQ(GetDriveType("?:\\"), DRIVE_NO_ROOT_DIR);
}
