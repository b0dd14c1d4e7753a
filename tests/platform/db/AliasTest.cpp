// Engine aliases: a dataset names its database by an alias that the engine's own
// alias table, outside the programs, points at a folder.
#include "platform/db/Session.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "tests/support/TempDatabase.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

void ConfigureAlias(const QString& alias, const QString& folder)
{
    QDir().mkpath(HostPath("C:\\ProgramData\\KvrEngine"));
    TIniFile(TSession::AliasFile()).WriteString(alias, "Path", folder);
}

QString ErrorOfOpening(TempDatabase& db, const QString& databaseName)
{
    auto q = db.NewQuery();
    q->DatabaseName = databaseName;
    q->SQL->Add("SELECT Job FROM JobTable;");
    try {
        q->Open();
    } catch (const EDatabaseError& e) {
        return e.Message;
    }
    return "no exception";
}

} // namespace

TEST(EngineAlias, AConfiguredAliasReachesTheDatabaseOfItsFolder)
{
    TempDatabase db;
    ConfigureAlias("KVRKarte", TempDatabase::DatabaseName);
    db.Exec("INSERT INTO JobTable (Job) VALUES ('dentist');");

    for (const char* name : {"KVRKarte", "kvrkarte"}) {
        auto q = db.NewQuery();
        q->DatabaseName = name;
        q->SQL->Add("SELECT Job FROM JobTable;");
        q->Open();
        ASSERT_EQ(q->RecordCount(), 1) << name;
        EXPECT_EQ(q->FieldByName("Job")->AsString(), "dentist");
    }

    // The alias and the folder are one database: a write through one is read through the other.
    auto table = db.NewTable("JobTable.db");
    table->DatabaseName = "KVRKarte";
    table->Open();
    table->Append();
    table->FieldByName("Job")->SetAsString("nurse");
    table->Post();
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM JobTable;"), "2");
}

TEST(EngineAlias, TheAliasTableIsAFileOfTheEngineOutsideThePrograms)
{
    EXPECT_EQ(TSession::AliasFile(), "C:\\ProgramData\\KvrEngine\\Aliases.ini");
    TempDatabase db;
    EXPECT_EQ(TSession::AliasPath("KVRKarte"), "");
    ConfigureAlias("KVRKarte", "D:\\data");
    EXPECT_EQ(TSession::AliasPath("KVRKarte"), "D:\\data");
    EXPECT_EQ(TSession::DatabaseFolder("KVRKarte"), "D:\\data");
    // A name with a folder separator or a drive is a folder, never looked up.
    EXPECT_EQ(TSession::DatabaseFolder("C:\\kvr\\database"), "C:\\kvr\\database");
    EXPECT_EQ(TSession::DatabaseFolder("data/base"), "data/base");
}

TEST(EngineAlias, AnAliasThatIsNotConfiguredOrNamesNoDatabaseFails)
{
    TempDatabase db;
    const QString unknown = ErrorOfOpening(db, "KVRKarte");
    EXPECT_TRUE(unknown.contains("\"KVRKarte\"")) << unknown.toStdString();
    EXPECT_TRUE(unknown.contains(TSession::AliasFile())) << unknown.toStdString();

    ConfigureAlias("KVRKarte", "C:\\nowhere");
    const QString missing = ErrorOfOpening(db, "KVRKarte");
    EXPECT_TRUE(missing.contains("C:\\nowhere")) << missing.toStdString();
}
