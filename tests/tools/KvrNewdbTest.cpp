// kvr-newdb makes an empty database with every table, and never touches one that exists.
#include "core/data/Schema.h"
#include "platform/db/Query.h"
#include "platform/db/Session.h"
#include "platform/rtl/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode;
    QString output;
};

ToolRun NewDb(const QString& folder, const QString& drives)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KVR_DRIVES", drives);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(KVR_NEWDB, {folder});
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

class KvrNewdb : public ::testing::Test
{
protected:
    void SetUp() override { qputenv("KVR_DRIVES", drives.path().toUtf8()); }
    void TearDown() override { qunsetenv("KVR_DRIVES"); }
    QTemporaryDir drives;
};

TEST_F(KvrNewdb, CreatesTheFolderAndAnEmptyDatabaseWithEveryTable)
{
    const ToolRun run = NewDb("C:\\kvr\\database", drives.path());
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(QFileInfo(drives.path() + "/c/kvr/database/kvr.sqlite3").isFile());

    TSession session;
    TQuery q;
    q.Session = &session;
    q.DatabaseName = "C:\\KVR\\Database"; // the same folder, spelt as another program may
    for (const QString& table : SchemaTableNames()) {
        q.SQL->Clear();
        q.SQL->Add("SELECT * FROM " + table + ";");
        q.Open();
        EXPECT_EQ(q.RecordCount(), 0) << table.toStdString();
        EXPECT_EQ(q.Fields(0)->FieldName(), "Code");
    }
    EXPECT_EQ(SchemaTableNames().size(), 13);
}

TEST_F(KvrNewdb, TakesAHostPath)
{
    const QString folder = drives.path() + "/elsewhere";
    ASSERT_EQ(NewDb(folder, drives.path()).exitCode, 0);
    EXPECT_TRUE(QFileInfo(folder + "/kvr.sqlite3").isFile());
}

TEST_F(KvrNewdb, RefusesAFolderThatHasADatabase)
{
    ASSERT_EQ(NewDb("C:\\kvr\\database", drives.path()).exitCode, 0);
    const QString file = drives.path() + "/c/kvr/database/kvr.sqlite3";
    {
        TSession session;
        TQuery q;
        q.Session = &session;
        q.DatabaseName = "C:\\kvr\\database";
        q.SQL->Add("INSERT INTO JobTable (Job) VALUES ('dentist');");
        q.ExecSQL();
    }
    const qint64 size = QFileInfo(file).size();
    const ToolRun again = NewDb("C:\\kvr\\database", drives.path());
    EXPECT_NE(again.exitCode, 0);
    EXPECT_TRUE(again.output.contains("already has a database")) << again.output.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), size);

    TSession session;
    TQuery q;
    q.Session = &session;
    q.DatabaseName = "C:\\kvr\\database";
    q.SQL->Add("SELECT Job FROM JobTable;");
    q.Open();
    EXPECT_EQ(q.FieldByName("Job")->AsString(), "dentist");
}

} // namespace
