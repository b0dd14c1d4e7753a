#pragma once
// The other programs of the tests where several programs share one database: a connection
// straight through SQLite, and the helper program with a data store of its own (its commands
// are listed in helper/DataRaceHelper.cpp).
#include "tests/support/RefusalNotes.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

// Another program's connection to the database file, straight through SQLite.

class OtherProgram
{
public:
    OtherProgram(const QString& file, int busyTimeoutMs)
    {
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, busyTimeoutMs);
    }
    ~OtherProgram() { sqlite3_close(db); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // SQLite's code for the statements.
    int Exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* db = nullptr;
};

// Starts the helper program with `arguments` and waits until it says it has opened the
// database ("ready").
inline ::testing::AssertionResult StartHelper(QProcess& helper, const QStringList& arguments)
{
    helper.start(KVR_DATA_RACE_HELPER, arguments);
    if (!helper.waitForStarted(10000))
        return ::testing::AssertionFailure() << "the helper did not start";
    while (!helper.canReadLine())
        if (!helper.waitForReadyRead(10000))
            return ::testing::AssertionFailure() << helper.readAllStandardError().toStdString();
    const QByteArray line = helper.readLine().trimmed();
    if (line != "ready")
        return ::testing::AssertionFailure() << "the helper said " << line.toStdString();
    return ::testing::AssertionSuccess();
}

// Runs the helper with `arguments` to its end: `code` is the code it printed.
inline ::testing::AssertionResult RunHelper(const QStringList& arguments, int& code)
{
    QProcess helper;
    if (::testing::AssertionResult started = StartHelper(helper, arguments); !started)
        return started;
    if (!helper.waitForFinished(30000))
        return ::testing::AssertionFailure() << "the helper did not finish";
    bool number = false;
    code = helper.readAllStandardOutput().trimmed().toInt(&number);
    if (!number || helper.exitCode() != 0)
        return ::testing::AssertionFailure()
               << "the helper failed: " << helper.readAllStandardError().toStdString();
    return ::testing::AssertionSuccess();
}
