// kvr-screens takes an option for an option, never for the folder to render into.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(KvrScreens, AnOptionPrintsTheUsageAndRendersNothing)
{
    const struct
    {
        QStringList arguments;
        int exitCode;
        bool onStdout; // else on standard error
    } cases[] = {
        {{"--help"}, 0, true}, {{"-h"}, 0, true},      {{"--out"}, 2, false},
        {{}, 2, false},        {{"a", "b"}, 2, false}, {{"-platform", "offscreen"}, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(" ").toStdString());
        QTemporaryDir folder;
        QProcess p;
        p.setWorkingDirectory(folder.path());
        // Should it render after all, it writes nowhere but here.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KVR_DRIVES", folder.filePath("drives"));
        p.setProcessEnvironment(env);
        p.start(KVR_SCREENS, c.arguments);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), c.exitCode);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        // Qt may say something of its platform first.
        EXPECT_TRUE(c.onStdout ? out.startsWith("usage: kvr-screens OUTDIR\n")
                               : err.contains("usage: kvr-screens OUTDIR\n"))
            << (out + err).toStdString();
        if (c.onStdout)
            EXPECT_EQ(err.toStdString(), "");
        else
            EXPECT_EQ(out.toStdString(), "");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST(KvrScreens, QtsOwnOptionsGoToQtAndTheRestIsTheFolder)
{
    QTemporaryDir folder;
    QProcess p;
    p.setWorkingDirectory(folder.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KVR_DRIVES", folder.filePath("drives"));
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(KVR_SCREENS, {"-platform", "offscreen", folder.filePath("out")});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath("out/MainMenuForm.png")));
    EXPECT_FALSE(QDir(folder.path()).exists("-platform"));
    EXPECT_FALSE(QDir(folder.path()).exists("offscreen"));
}

} // namespace
