#include "platform/db/Session.h"

#include "platform/db/Connection.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace {

std::vector<TSession*>& Sessions()
{
    static std::vector<TSession*> sessions;
    return sessions;
}

QString FolderKey(const QString& hostFolder)
{
    const QString canonical = QFileInfo(hostFolder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(hostFolder) : canonical;
}

} // namespace

TSession::TSession()
{
    Sessions().push_back(this);
}

TSession::~TSession()
{
    auto& all = Sessions();
    std::erase(all, this);
}

void TSession::SetActive(bool value)
{
    if (value && !NetFileDir.isEmpty() && !QFileInfo(HostPath(NetFileDir)).isDir())
        throw EDatabaseError(QString("ネットワーク制御フォルダー\"%1\"がありません。").arg(NetFileDir));
    active = value;
}

QString TSession::AliasFile()
{
    return "C:\\ProgramData\\KvrEngine\\Aliases.ini";
}

QString TSession::AliasPath(const QString& alias)
{
    return TIniFile(AliasFile()).ReadString(alias, "Path", "");
}

QString TSession::DatabaseFolder(const QString& databaseName)
{
    if (databaseName.contains('\\') || databaseName.contains('/') || databaseName.contains(':'))
        return databaseName;
    const QString folder = AliasPath(databaseName);
    if (folder.isEmpty())
        throw EDatabaseError(
            QString("データベースの別名\"%1\"が\"%2\"に設定されていません。").arg(databaseName, AliasFile()));
    return folder;
}

std::shared_ptr<DbConnection> TSession::Connection(const QString& databaseName)
{
    if (databaseName.isEmpty())
        throw EDatabaseError("データベースのフォルダーが指定されていません。");
    const QString folder = DatabaseFolder(databaseName);
    const QString host = HostPath(folder);
    const QString key = FolderKey(host);
    if (auto existing = connections[key].lock())
        return existing;
    auto connection = std::make_shared<DbConnection>(folder, host);
    connections[key] = connection;
    return connection;
}

void TSession::StartTransaction(const QString& databaseName)
{
    BeginTransaction(databaseName, "BEGIN;");
}

void TSession::StartWriteTransaction(const QString& databaseName)
{
    BeginTransaction(databaseName, "BEGIN IMMEDIATE;");
}

void TSession::BeginTransaction(const QString& databaseName, const char* statement)
{
    if (transaction)
        throw EDatabaseError("トランザクションはすでに開始されています。");
    auto connection = Connection(databaseName);
    connection->Run(statement);
    transaction = connection;
}

void TSession::EndTransaction(const char* statement)
{
    if (!transaction)
        throw EDatabaseError("開始されたトランザクションがありません。");
    // A failed COMMIT leaves the transaction open, to be committed again or rolled back.
    if (QByteArray(statement) == "COMMIT;") {
        transaction->Run(statement);
        transaction.reset();
        return;
    }
    auto connection = std::move(transaction);
    // One the engine has already rolled back itself is over: rolling back again would only
    // report that there is none.
    if (connection->InTransaction())
        connection->Run(statement);
}

void TSession::Commit()
{
    EndTransaction("COMMIT;");
}

void TSession::Rollback()
{
    EndTransaction("ROLLBACK;");
}

TSession* TSession::Find(const QString& name)
{
    if (!name.isEmpty())
        for (TSession* s : Sessions())
            if (s->SessionName.compare(name, Qt::CaseInsensitive) == 0)
                return s;
    return Default();
}

TSession* TSession::Default()
{
    static TSession session;
    return &session;
}
