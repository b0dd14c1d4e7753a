#pragma once
// One open database file, shared by every dataset of a session that names the same
// folder, so that a query's last insert id and the table component see each other's
// writes. The file is opened read-write and never created here. A file this user may not
// write is read only; it is opened again, read-write, at the first statement after it can be.
#include "platform/rtl/Exceptions.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

// The name of the database file inside the database folder.
inline const char* const DatabaseFileName = "kvr.sqlite3";

// A prepared statement. One lent from its connection's cache goes back there (reset)
// when it goes out of scope; any other is finalized.
class DbStatement
{
public:
    DbStatement() = default;
    explicit DbStatement(sqlite3_stmt* stmt, bool* lent = nullptr) : stmt(stmt), lent(lent) {}
    DbStatement(DbStatement&& other) noexcept : stmt(other.stmt), lent(other.lent)
    {
        other.stmt = nullptr;
        other.lent = nullptr;
    }
    DbStatement& operator=(DbStatement&& other) noexcept;
    DbStatement(const DbStatement&) = delete;
    DbStatement& operator=(const DbStatement&) = delete;
    ~DbStatement();

    sqlite3_stmt* get() const { return stmt; }
    // Lent from its connection's cache, where it stays until the cache's generation changes.
    bool Kept() const { return lent != nullptr; }
    // Hands the statement over to the caller, who finalizes it.
    sqlite3_stmt* Take()
    {
        sqlite3_stmt* taken = stmt;
        stmt = nullptr;
        lent = nullptr;
        return taken;
    }

private:
    void Release();

    sqlite3_stmt* stmt = nullptr;
    bool* lent = nullptr; // the cache's mark that the statement is in use
};

class DbConnection
{
public:
    // `databaseName` is the folder as the program names it, `hostFolder` its host path.
    // Raises EDatabaseError when the folder or its database file does not exist.
    DbConnection(const QString& databaseName, const QString& hostFolder);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    sqlite3* Handle() const { return db; }
    const QString& DatabaseName() const { return databaseName; }

    // Prepares the whole text as one statement. When SQLite calls a bare column
    // ambiguous, it is taken as the column of the first FROM table that has it.
    // The statements are kept by their text and lent out again, so a statement the
    // program runs thousands of times is prepared once.
    DbStatement Prepare(const QString& sql);
    // Where a text's statement is kept in the cache. A caller that prepares the same text
    // again and again passes it back, and the statement is found without the text being
    // looked up; a place of another connection, or of a cache that has let statements go
    // since, is looked up anew.
    struct CachePlace
    {
        const DbConnection* connection = nullptr;
        unsigned long long generation = 0;
        void* entry = nullptr;
    };
    // `sql` must be the text the place was found for, or the place empty.
    DbStatement Prepare(const QString& sql, CachePlace& place);
    // Steps a statement to its end, raising on failure.
    void Run(const QString& sql);
    bool HasTable(const QString& name);
    // The column names of a table, empty when there is no such table.
    QStringList TableColumns(const QString& name);
    long long LastInsertId() const;
    // Whether a store can be written: the file opened read-write and its folder writable.
    bool Writable() const;
    // Whether a transaction is open: the engine ends one itself when a statement inside fails
    // in certain ways (a trigger's ROLLBACK, a full disk).
    bool InTransaction() const;
    // Unique among all connections; new whenever the cache lets a statement go.
    unsigned long long Generation() const { return generation; }

    // An EDatabaseError with SQLite's message and the statement.
    [[noreturn]] void Raise(const QString& sql) const;

private:
    struct Cached
    {
        sqlite3_stmt* stmt = nullptr;
        bool lent = false;
    };
    // Opens `file`, read-write where the system lets this user write it.
    void Open();
    void WriteAgainWhenWritable();
    DbStatement PrepareNew(const QString& sql);
    // The statement of `sql`, and its place in the cache (null when it is not kept).
    DbStatement PrepareKept(const QString& sql, Cached*& kept);
    void DropCache();
    // Unique among all connections, and new whenever the cache lets a statement go.
    static unsigned long long NewGeneration();

    QString databaseName;
    QString file;
    bool readOnly = false; // opened read-only by the engine
    sqlite3* db = nullptr;
    std::unordered_map<QString, Cached> cache;
    unsigned long long generation = NewGeneration();
};

// What an engine's result code (SQLite's primary code) says an operator can act on.
TEngineCause EngineCause(int code);

// The text SQLite gives for the connection's last error.
QString DbErrorText(sqlite3* db);
