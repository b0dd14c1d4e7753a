// Start-up and shutdown: the configuration folder made level by level, the
// configuration file and its defaults, the debug log, and the database opened at the
// main menu's first showing.
#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "core/data/DMDB.h"
#include "core/util/C_file_system_utility.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "tests/support/ProgramFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

const QString SubPath[] = {"\\VirtualStore", "\\Program Files", "\\QORN", "\\KVR"};

QString LocalAppData()
{
    return CFileSystemUtility().GetLocalAppDataPath();
}

QString LogFile()
{
    return HostPath(ProgramFixture::SettingsFolder() + "\\DebLog.txt");
}

QByteArray ReadAll(const QString& hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& hostPath, const QByteArray& bytes)
{
    QFile file(hostPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The main menu opened the database at these folders.
void ExpectDatabaseOpenedAt(const QString& netFileDir, const QString& databaseName)
{
    EXPECT_TRUE(DBDM->Session_kvr->Active());
    EXPECT_EQ(DBDM->Session_kvr->NetFileDir, netFileDir);
    EXPECT_EQ(DBDM->JobTable->DatabaseName, databaseName);
    EXPECT_EQ(DBDM->Query1->DatabaseName, databaseName);
    EXPECT_EQ(DBDM->Query2->DatabaseName, databaseName);
    EXPECT_EQ(DBDM->Query3->DatabaseName, databaseName);
    EXPECT_TRUE(DBDM->JobTable->Active());
}

} // namespace

TEST(StartUp, OnAFreshMachineTheFolderChainIsMadeAndEveryDefaultApplies)
{
    ProgramFixture program;
    ASSERT_FALSE(QFileInfo::exists(HostPath(LocalAppData() + SubPath[0])));
    program.Start();

    QString level = LocalAppData();
    for (const QString& component : SubPath) {
        level += component;
        EXPECT_TRUE(QFileInfo(HostPath(level)).isDir()) << level.toStdString();
    }
    EXPECT_EQ(ProgramFixture::SettingsFolder(), LocalAppData() + "\\VirtualStore\\Program Files\\QORN\\KVR");
    ASSERT_NE(MainMenuForm->IniFile, nullptr);
    EXPECT_EQ(MainMenuForm->IniFile->FileName(), ProgramFixture::IniFileName());
    EXPECT_FALSE(QFileInfo::exists(HostPath(ProgramFixture::IniFileName()))); // nothing written yet
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);                               // DebLog 0
    ExpectDatabaseOpenedAt("C:\\KVR", "C:\\kvr\\database");
    EXPECT_TRUE(MainMenuForm->isVisible());
    EXPECT_TRUE(program.Script().Boxes().empty());

    program.Stop();
    EXPECT_FALSE(QFileInfo::exists(LogFile()));
    EXPECT_FALSE(QFileInfo::exists(HostPath(ProgramFixture::IniFileName())));
}

TEST(StartUp, ConfiguredFoldersAreWhereTheDatabaseIsOpened)
{
    ProgramFixture program;
    QDir().mkpath(HostPath("D:\\data\\net"));
    QDir(HostPath("D:\\data")).mkpath("db");
    ASSERT_TRUE(QFile::copy(program.Database().DatabaseFile(), HostPath("D:\\data\\db") + "/kvr.sqlite3"));
    program.WriteSetting("Paradox", "NetFileDir", "D:\\data\\net");
    program.WriteSetting("Paradox", "DatabaseName", "D:\\data\\db");
    program.Start();
    ExpectDatabaseOpenedAt("D:\\data\\net", "D:\\data\\db");
}

class DebugLogSwitch : public ::testing::TestWithParam<const char*>
{
};

TEST_P(DebugLogSwitch, AnyNonZeroValueOpensTheLogAndAppendsToIt)
{
    ProgramFixture program;
    program.WriteSetting("Debug", "DebLog", GetParam());
    WriteAll(LogFile(), "an earlier run\r\n");
    program.Start();
    ASSERT_NE(MainMenuForm->fpDebLog, nullptr);
    // Flushed at once: another program (or a crash) sees the line.
    EXPECT_EQ(ReadAll(LogFile()),
              "an earlier run\r\nTMainMenuForm::FormShow 2015/04/01 10:00:00 ================\r\n");
}

INSTANTIATE_TEST_SUITE_P(Values, DebugLogSwitch, ::testing::Values("1", "2", "-1", "0x10"));

TEST(StartUp, DebugLogZeroOrNotANumberOpensNoLog)
{
    for (const char* value : {"0", "yes"}) {
        ProgramFixture program;
        program.WriteSetting("Debug", "DebLog", value);
        program.Start();
        EXPECT_EQ(MainMenuForm->fpDebLog, nullptr) << value;
        program.Stop();
        EXPECT_FALSE(QFileInfo::exists(LogFile())) << value;
    }
}

TEST(StartUp, ALogThatCannotBeOpenedLeavesTheProgramWithoutOneSilently)
{
    ProgramFixture program;
    program.WriteSetting("Debug", "DebLog", "1");
    QDir().mkpath(LogFile()); // a folder where the log should be
    program.Start();
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);
    EXPECT_TRUE(program.Script().Log().isEmpty());
    EXPECT_TRUE(MainMenuForm->isVisible());
    program.Stop(); // nothing to close
}

class ClosingTheMainMenu : public ::testing::TestWithParam<const char*>
{
};

TEST_P(ClosingTheMainMenu, WritesTheClosingLineClosesTheLogAndFreesTheConfiguration)
{
    ProgramFixture program;
    program.WriteSetting("Debug", "DebLog", "1");
    program.Start();
    // The closing time is taken at the close; exactly midnight has no time part.
    program.Script().SetNow(EncodeDate(2015, 4, 2));
    if (QString(GetParam()) == "CloseButton")
        QTest::mouseClick(MainMenuForm->CloseButton, Qt::LeftButton);
    else
        MainMenuForm->close(); // the title bar, the system menu, Alt+F4
    EXPECT_FALSE(MainMenuForm->isVisible());
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);
    EXPECT_EQ(MainMenuForm->IniFile, nullptr);
    EXPECT_EQ(ReadAll(LogFile()), "TMainMenuForm::FormShow 2015/04/01 10:00:00 ================\r\n"
                                  "TMainMenuForm::FormClose 2015/04/02 ================\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTheMainMenu, ::testing::Values("CloseButton", "TitleBar"));

TEST(StartUp, ALevelThatIsAFileStopsTheFolderChainAndStartUpGoesOn)
{
    ProgramFixture program;
    QDir().mkpath(HostPath(LocalAppData() + "\\VirtualStore"));
    WriteAll(HostPath(LocalAppData() + "\\VirtualStore\\Program Files"), "not a folder");
    program.Start();

    EXPECT_FALSE(QFileInfo::exists(HostPath(LocalAppData() + "\\VirtualStore\\Program Files\\QORN")));
    EXPECT_TRUE(program.Script().Log().isEmpty()); // not reported
    ASSERT_NE(MainMenuForm->IniFile, nullptr);
    EXPECT_EQ(MainMenuForm->IniFile->ReadString("Paradox", "NetFileDir", "C:\\KVR"), "C:\\KVR");
    EXPECT_EQ(MainMenuForm->IniFile->ReadInteger("Patient", "Number", 1), 1);
    ExpectDatabaseOpenedAt("C:\\KVR", "C:\\kvr\\database");
    // The first write fails, naming the file.
    try {
        MainMenuForm->IniFile->WriteInteger("Patient", "Number", 2);
        ADD_FAILURE() << "the write succeeded";
    } catch (const EIniFileException& e) {
        EXPECT_TRUE(e.Message.contains(".ini")) << e.Message.toStdString();
    }
}

TEST(StartUp, AWrongDatabaseFolderShowsOneExceptionBoxThenTheMainMenuWorks)
{
    ProgramFixture program;
    program.WriteSetting("Paradox", "DatabaseName", "C:\\nowhere");
    program.Script().Expect(BoxKind::Exception);
    program.Start();

    ASSERT_EQ(program.Script().Boxes().size(), 1u);
    EXPECT_FALSE(program.Script().Boxes()[0].text.isEmpty());
    EXPECT_TRUE(MainMenuForm->isVisible());
    program.Script().OnModal(*AboutForm, [] { AboutForm->OkButton->click(); });
    QTest::mouseClick(MainMenuForm->VersionButton, Qt::LeftButton);
    EXPECT_EQ(program.Script().Showings(), QStringList{"AboutForm"});
    EXPECT_EQ(program.Script().Boxes().size(), 1u);
}
