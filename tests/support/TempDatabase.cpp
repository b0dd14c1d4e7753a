#include "tests/support/TempDatabase.h"

#include "core/data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/rtl/Paths.h"

#include <QDir>

TempDatabase::TempDatabase()
    : oldDrives(qgetenv("KVR_DRIVES")), hadDrives(qEnvironmentVariableIsSet("KVR_DRIVES"))
{
    qputenv("KVR_DRIVES", drives.path().toUtf8());
    CreateEmptyDatabase(HostPath(DatabaseName));
    QDir().mkpath(HostPath(NetFileDir));
    session.SessionName = "session_kvr";
    session.NetFileDir = NetFileDir;
    session.SetActive(true);
}

TempDatabase::~TempDatabase()
{
    if (hadDrives)
        qputenv("KVR_DRIVES", oldDrives);
    else
        qunsetenv("KVR_DRIVES");
}

QString TempDatabase::HostFolder() const
{
    return HostPath(DatabaseName);
}

QString TempDatabase::DatabaseFile() const
{
    return QDir(HostFolder()).filePath(DatabaseFileName);
}

std::unique_ptr<TQuery> TempDatabase::NewQuery()
{
    auto q = std::make_unique<TQuery>();
    q->Session = &session;
    q->SessionName = session.SessionName;
    q->DatabaseName = DatabaseName;
    return q;
}

std::unique_ptr<TTable> TempDatabase::NewTable(const QString& tableName)
{
    auto t = std::make_unique<TTable>();
    t->Session = &session;
    t->SessionName = session.SessionName;
    t->DatabaseName = DatabaseName;
    t->TableName = tableName;
    return t;
}

void TempDatabase::Exec(const QString& sql)
{
    session.Connection(DatabaseName)->Run(sql);
}

QString TempDatabase::Scalar(const QString& sql)
{
    auto q = NewQuery();
    q->SQL->Add(sql);
    q->Open();
    return q->RecordCount() == 0 ? QString() : q->Fields(0)->AsString();
}

QStringList TempDatabase::Rows(TQuery* query, const QStringList& fields)
{
    QStringList rows;
    for (query->First(); !query->Eof(); query->Next()) {
        QStringList values;
        for (const QString& f : fields)
            values.append(query->FieldByName(f)->AsString());
        rows.append(values.join('|'));
    }
    return rows;
}
