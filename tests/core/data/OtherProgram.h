#pragma once
// Another program's connection to the database file, straight through SQLite.
#include <QString>
#include <sqlite3.h>

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
