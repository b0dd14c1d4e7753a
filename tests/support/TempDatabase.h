#pragma once
// A fresh, empty database for one test. It makes a temporary drives root (KVR_DRIVES,
// restored at the end), the program's default database folder "C:\kvr\database" with
// every table, and the network control folder "C:\KVR", and gives datasets pointed at
// them through its own session.
//
//     TempDatabase db;
//     db.Exec("INSERT INTO JobTable (Job) VALUES ('dentist');");
//     auto q = db.NewQuery();
//     q->SQL->Add("SELECT Code, Job FROM JobTable;");
//     q->Open();
#include "platform/db/Query.h"
#include "platform/db/Session.h"
#include "platform/db/Table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TempDatabase
{
public:
    TempDatabase();
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    static constexpr const char* DatabaseName = "C:\\kvr\\database"; // as the program names it
    static constexpr const char* NetFileDir = "C:\\KVR";

    QString DrivesRoot() const { return drives.path(); }
    QString HostFolder() const;   // the database folder on the host
    QString DatabaseFile() const; // the host path of kvr.sqlite3

    // The session of the datasets below, named "session_kvr", already active.
    TSession& Session() { return session; }
    std::unique_ptr<TQuery> NewQuery();
    std::unique_ptr<TTable> NewTable(const QString& tableName);

    // Runs one statement without parameters on the session's connection (test set-up).
    void Exec(const QString& sql);
    // The first column of the first row of a SELECT, as text ("" for none or NULL).
    QString Scalar(const QString& sql);
    // The rows an open query holds, from its first, each its `fields` as text joined by "|".
    static QStringList Rows(TQuery* query, const QStringList& fields);

private:
    QTemporaryDir drives;
    QByteArray oldDrives;
    bool hadDrives;
    TSession session;
};
