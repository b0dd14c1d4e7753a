#include "core/util/C_system_utility.h"

#include "platform/rtl/Paths.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(GetExeName, RemovesTheFirstDotFolder)
{
    const struct
    {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\prog\\.\\x.exe", "C:\\prog\\x.exe"},
        {"C:\\prog\\x.exe", "C:\\prog\\x.exe"},
        {"C:\\a\\.\\b\\.\\x.exe", "C:\\a\\b\\.\\x.exe"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSystemUtility::RemoveDotFolder(c.path), c.name) << c.path;

    CSystemUtility su;
    const QString exe = su.GetExeName(qApp);
    EXPECT_TRUE(exe.startsWith("Z:\\"));
    EXPECT_EQ(HostPath(exe), QCoreApplication::applicationFilePath());
}

TEST(CSystemUtility, ProgramWithoutVersionInformationGivesEmptyTexts)
{
    // The test program carries no version table; the About box then shows empty texts.
    CSystemUtility su;
    EXPECT_EQ(su.GetFileVersion(qApp), "");
    EXPECT_EQ(su.GetCompanyName(qApp), "");
    EXPECT_EQ(su.GetFileDescription(qApp), "");
    EXPECT_EQ(su.GetLegalCopyright(qApp), "");
    EXPECT_EQ(su.GetProductName(qApp), "");
}

TEST(CSystemUtility, StartPollAndEndAProcess)
{
    CSystemUtility su;
    ASSERT_TRUE(su.StartProcess("sleep 0.2"));
    EXPECT_TRUE(su.IsProcessRunning());
    for (int i = 0; i < 500 && su.IsProcessRunning(); ++i)
        QThread::msleep(10);
    EXPECT_FALSE(su.IsProcessRunning());

    ASSERT_TRUE(su.StartProcess("sleep 30"));
    EXPECT_TRUE(su.IsProcessRunning());
    EXPECT_TRUE(su.EndProcess(2000));
    EXPECT_FALSE(su.IsProcessRunning());

    EXPECT_FALSE(su.StartProcess("C:\\no\\such\\program.exe"));
}

TEST(CSystemUtility, WaitCursorKeepsTheCursorSavedFirst)
{
    CSystemUtility su;
    QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
    su.BeginWaitCursor(qApp);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    su.BeginWaitCursor(qApp);
    su.EndWaitCursor(qApp);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
    QGuiApplication::restoreOverrideCursor();

    CSystemUtility plain;
    plain.BeginWaitCursor(qApp);
    plain.EndWaitCursor(qApp);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

class KeyCounter : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

TEST(CSystemUtility, FlushKeyMessagesDropsWaitingKeysOfThatWindowOnly)
{
    KeyCounter window, other;
    QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    CSystemUtility su;
    EXPECT_EQ(su.FlushKeyMessages(&window), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.keys, 0);
    EXPECT_EQ(other.keys, 1);
}

TEST(CSystemUtility, ServicesWithoutEquivalentReportFailure)
{
    CSystemUtility su;
    EXPECT_FALSE(su.EnablePrivilege(0, "SeShutdownPrivilege", true));
    EXPECT_FALSE(su.LogOff());
    EXPECT_FALSE(su.PowerOff());
    EXPECT_FALSE(su.Reboot());
    EXPECT_FALSE(su.Shutdown());
    EXPECT_EQ(su.GetOsVersionClass(), 9);
    EXPECT_EQ(su.GetSystemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(su.GetSystemErrorText(123456), "");
}

TEST(CSystemUtility, DriveKinds)
{
    QTemporaryDir root;
    const QByteArray saved = qgetenv("KVR_DRIVES");
    qputenv("KVR_DRIVES", root.path().toLocal8Bit());
    CSystemUtility su;
    EXPECT_NE(su.GetDriveKind("C"), 1);
    EXPECT_EQ(su.GetDriveKind("Q"), 1);
    qputenv("KVR_DRIVES", saved);
}

TEST(CSystemUtility, ShellOpenHandsTheHostPathToTheDesktop)
{
    // A stand-in launcher on PATH records what it was asked to open.
    QTemporaryDir dir;
    const QString log = dir.filePath("opened");
    QFile script(dir.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + log + "'\n").toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ":" + savedPath);

    CSystemUtility su;
    EXPECT_TRUE(su.ShellOpen("Z:\\tmp\\Doc.pdf"));
    qputenv("PATH", savedPath);
    QFile opened(log);
    for (int i = 0; i < 500 && !(opened.exists() && opened.size() > 0); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), HostPath("Z:\\tmp\\Doc.pdf").toUtf8());
}

} // namespace
