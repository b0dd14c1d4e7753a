#pragma once
// The database session: the network control folder that every program sharing the
// database names, and the open database files of its datasets.
#include <QString>
#include <map>
#include <memory>

class DbConnection;

class TSession
{
public:
    TSession();
    ~TSession();
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    QString SessionName;
    bool KeepConnections = false;
    QString NetFileDir;

    bool Active() const { return active; }
    // Activating raises EDatabaseError naming the network control folder when it does not exist.
    void SetActive(bool value);

    // One transaction at a time on one database folder; without one every statement
    // commits on its own.
    void StartTransaction(const QString& databaseName);
    // The same, taking the write lock at once (another program's write waits for it, or
    // this waits the busy timeout for another's): what is read inside cannot be changed
    // by another program before the commit.
    void StartWriteTransaction(const QString& databaseName);
    void Commit();
    void Rollback();
    bool InTransaction() const { return transaction != nullptr; }

    // The open database of a folder (a program path), shared by every dataset of the
    // session that names it; opened on first use.
    std::shared_ptr<DbConnection> Connection(const QString& databaseName);

    // The engine's alias table, kept outside the programs: one section per alias, named
    // after it, whose key Path gives the database folder. A dataset whose DatabaseName
    // holds no "\", "/" or ":" names an alias rather than a folder.
    static QString AliasFile();
    // The folder an alias names (matched without regard to case), or the empty text.
    static QString AliasPath(const QString& alias);
    // The folder of a DatabaseName: the alias's folder, or the name itself. Raises
    // EDatabaseError naming the alias and the table when the alias is not configured.
    static QString DatabaseFolder(const QString& databaseName);

    // The session named `name` (without regard to case), else the default session.
    static TSession* Find(const QString& name);
    // The session of datasets that name none.
    static TSession* Default();

private:
    void BeginTransaction(const QString& databaseName, const char* statement);
    void EndTransaction(const char* statement);

    bool active = false;
    std::map<QString, std::weak_ptr<DbConnection>> connections;
    std::shared_ptr<DbConnection> transaction;
};
