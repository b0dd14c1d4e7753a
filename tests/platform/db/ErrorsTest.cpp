// Every failure of the engine is an EDatabaseError that says what is wrong.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "tests/support/TempDatabase.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct ErrorCase
{
    const char* what;
    std::function<void(TempDatabase&)> run;
    const char* messagePart; // the message names the cause
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << c.what;
}

class EngineErrors : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(EngineErrors, RaiseEDatabaseError)
{
    TempDatabase db;
    try {
        GetParam().run(db);
        FAIL() << "no exception";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message.contains(GetParam().messagePart)) << e.Message.toStdString();
    }
}

void OpenQuery(TempDatabase& db, const QString& databaseName, const QStringList& lines)
{
    auto q = db.NewQuery();
    q->DatabaseName = databaseName;
    for (const QString& l : lines)
        q->SQL->Add(l);
    q->Open();
}

const ErrorCase Cases[] = {
    {"missing folder", [](TempDatabase& db) { OpenQuery(db, "C:\\nowhere", {"SELECT 1;"}); }, "C:\\nowhere"},
    {"missing file",
     [](TempDatabase& db) {
         QDir().mkpath(HostPath("C:\\empty"));
         OpenQuery(db, "C:\\empty", {"SELECT 1;"});
     },
     "kvr.sqlite3"},
    {"missing table in a query",
     [](TempDatabase& db) { OpenQuery(db, TempDatabase::DatabaseName, {"SELECT Code FROM NoSuchTable;"}); },
     "no such table: NoSuchTable"},
    {"missing table in the table component", [](TempDatabase& db) { db.NewTable("NoSuchTable.db")->Open(); },
     "NoSuchTable"},
    {"bad SQL carries SQLite's message and the statement",
     [](TempDatabase& db) {
         OpenQuery(db, TempDatabase::DatabaseName,
                   {"SELECT Name FROM SchoolTable", "WHERE Name LIKE '%O'Hara%'"});
     },
     "WHERE Name LIKE '%O'Hara%'"},
    {"unknown parameter",
     [](TempDatabase& db) {
         auto q = db.NewQuery();
         q->SQL->Add("SELECT Code FROM JobTable WHERE Code = :Code;");
         q->ParamByName("Job");
     },
     "'Job'"},
    {"parameter left unbound",
     [](TempDatabase& db) {
         OpenQuery(db, TempDatabase::DatabaseName, {"SELECT Code FROM JobTable WHERE Code = :Code;"});
     },
     "'Code'"},
    {"unknown field",
     [](TempDatabase& db) {
         auto q = db.NewQuery();
         q->SQL->Add("SELECT Code FROM JobTable;");
         q->Open();
         q->FieldByName("Job");
     },
     "'Job'"},
    {"a second statement in one text",
     [](TempDatabase& db) {
         OpenQuery(db, TempDatabase::DatabaseName, {"SELECT 1;", "DELETE FROM JobTable;"});
     },
     "一度に実行できるSQL文は一つだけです。"},
    {"a file that is not a database",
     [](TempDatabase& db) {
         QDir().mkpath(HostPath("C:\\junk"));
         QFile f(HostPath("C:\\junk") + "/kvr.sqlite3");
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray(4096, 'x'));
         f.close();
         OpenQuery(db, "C:\\junk", {"SELECT 1;"});
     },
     "not a database"},
    {"a session whose network control folder is missing",
     [](TempDatabase& db) {
         db.Session().NetFileDir = "C:\\NoNet";
         db.Session().SetActive(true);
     },
     "C:\\NoNet"},
};

INSTANTIATE_TEST_SUITE_P(Engine, EngineErrors, ::testing::ValuesIn(Cases));

QString MessageOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const EDatabaseError& e) {
        return e.Message;
    }
    return "no exception";
}

// The operator reads a Japanese sentence; the engine's own words follow on a line of their own.
TEST(EngineErrors, SayWhatFailedInJapanese)
{
    TempDatabase db;
    EXPECT_EQ(
        MessageOf([&] { OpenQuery(db, TempDatabase::DatabaseName, {"SELECT Code FROM NoSuchTable;"}); }),
        "データベースの操作に失敗しました。\nno such table: NoSuchTable\nSQL文:\nSELECT Code FROM "
        "NoSuchTable;");
    EXPECT_EQ(MessageOf([&] { OpenQuery(db, "C:\\nowhere", {"SELECT 1;"}); }),
              "データベースのフォルダー\"C:\\nowhere\"がありません。");
    QDir().mkpath(HostPath("C:\\junk"));
    QFile junk(HostPath("C:\\junk") + "/kvr.sqlite3");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    const QStringList lines = MessageOf([&] { OpenQuery(db, "C:\\junk", {"SELECT 1;"}); }).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "データベースの操作に失敗しました。");
    EXPECT_EQ(lines[1], "file is not a database");
}

TEST(EngineErrors, TheDatabaseFileIsNeverCreated)
{
    TempDatabase db;
    QDir().mkpath(HostPath("C:\\empty"));
    EXPECT_THROW(OpenQuery(db, "C:\\empty", {"SELECT 1;"}), EDatabaseError);
    EXPECT_FALSE(QFile::exists(HostPath("C:\\empty") + "/kvr.sqlite3"));
}

} // namespace
