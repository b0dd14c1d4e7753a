#include "platform/db/Connection.h"

#include "platform/db/SqlDialect.h"
#include "platform/rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// Long enough for another program's write to finish, short enough to report a stuck lock.
constexpr int BusyTimeoutMs = 5000;

QString StatementText(const QString& sql)
{
    QString text = sql;
    text.replace("\r\n", "\n");
    return text.trimmed();
}

bool OnlyBlanks(const char* tail)
{
    for (; *tail; ++tail)
        if (*tail != ';' && !QChar(*tail).isSpace())
            return false;
    return true;
}

} // namespace

DbStatement& DbStatement::operator=(DbStatement&& other) noexcept
{
    if (this != &other) {
        Release();
        stmt = other.stmt;
        lent = other.lent;
        other.stmt = nullptr;
        other.lent = nullptr;
    }
    return *this;
}

DbStatement::~DbStatement()
{
    Release();
}

void DbStatement::Release()
{
    if (lent) {
        // Its values are all bound again before it runs next.
        sqlite3_reset(stmt);
        *lent = false;
    } else {
        sqlite3_finalize(stmt);
    }
    stmt = nullptr;
    lent = nullptr;
}

QString DbErrorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

DbConnection::DbConnection(const QString& databaseName, const QString& hostFolder)
    : databaseName(databaseName)
{
    if (!QFileInfo(hostFolder).isDir())
        throw EDatabaseError(QString("データベースのフォルダー\"%1\"がありません。").arg(databaseName));
    file = QDir(hostFolder).filePath(DatabaseFileName);
    if (!QFileInfo(file).isFile())
        throw EDatabaseError(QString("データベースのフォルダー\"%1\"にデータベースファイル%2がありません。")
                                 .arg(databaseName, DatabaseFileName));
    Open();
}

void DbConnection::Open()
{
    readOnly = false; // until the engine says how it opened the file
    // One thread uses a connection: SQLite need not lock it for every call.
    const int rc =
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? DbErrorText(db) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        db = nullptr;
        throw EDatabaseError(QString("\"%1\"のデータベースを開けません。\n%2").arg(databaseName, message),
                             message, QString());
    }
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    sqlite3_extended_result_codes(db, 0);
    try {
        Run("PRAGMA case_sensitive_like = ON;");
        // Touching the schema makes a file that is not a database fail here, at open.
        Run("SELECT count(*) FROM sqlite_master;");
    } catch (...) {
        DropCache();
        sqlite3_close(db);
        db = nullptr;
        throw;
    }
    // SQLite opens a file this user may not write read-only, without a word.
    readOnly = sqlite3_db_readonly(db, "main") == 1;
}

namespace {

// Whether this process may write `path`, as the system judges it for its effective user.
bool MayWrite(const QString& path)
{
    return faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

bool DbConnection::Writable() const
{
    // Every write keeps its rollback journal beside the file.
    return !readOnly && MayWrite(QFileInfo(file).path());
}

void DbConnection::WriteAgainWhenWritable()
{
    if (!readOnly || InTransaction() || !MayWrite(file))
        return;
    for (const auto& [text, cached] : cache)
        if (cached.lent)
            return;
    // Deliberately opened again, read-write: the file can be written again, and the stores
    // succeed without a restart of the program.
    DropCache();
    sqlite3_close_v2(db);
    db = nullptr;
    Open();
}

DbConnection::~DbConnection()
{
    DropCache();
    sqlite3_close_v2(db);
}

void DbConnection::DropCache()
{
    for (auto& [text, cached] : cache)
        sqlite3_finalize(cached.stmt);
    cache.clear();
    generation = NewGeneration();
}

unsigned long long DbConnection::NewGeneration()
{
    static std::atomic<unsigned long long> last{0};
    return ++last;
}

TEngineCause EngineCause(int code)
{
    switch (code) {
    case SQLITE_READONLY:
        return TEngineCause::ReadOnly;
    case SQLITE_FULL:
        return TEngineCause::DiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return TEngineCause::Locked;
    default:
        return TEngineCause::Other;
    }
}

void DbConnection::Raise(const QString& sql) const
{
    const QString reason = DbErrorText(db);
    const QString statement = StatementText(sql);
    const TEngineCause cause = EngineCause(sqlite3_errcode(db));
    // The engine's own words are English: what an operator can act on is said in Japanese too.
    QString said;
    switch (cause) {
    case TEngineCause::ReadOnly:
        said = "データベースが読み取り専用のため，書き込めません。\n";
        break;
    case TEngineCause::DiskFull:
        said = "ディスクがいっぱいのため，データベースに書き込めません。\n";
        break;
    case TEngineCause::Locked:
        said = "ほかのプログラムがデータベースを使っています。\n";
        break;
    case TEngineCause::Other:
        break;
    }
    throw EDatabaseError(
        QString("データベースの操作に失敗しました。\n%1%2\nSQL文:\n%3").arg(said, reason, statement), reason,
        statement, cause);
}

DbStatement DbConnection::Prepare(const QString& sql)
{
    if (readOnly)
        WriteAgainWhenWritable();
    Cached* kept = nullptr;
    return PrepareKept(sql, kept);
}

DbStatement DbConnection::Prepare(const QString& sql, CachePlace& place)
{
    if (readOnly)
        WriteAgainWhenWritable();
    if (place.connection == this && place.generation == generation) {
        auto* cached = static_cast<Cached*>(place.entry);
        if (!cached->lent) {
            cached->lent = true;
            return DbStatement(cached->stmt, &cached->lent);
        }
    }
    Cached* kept = nullptr;
    DbStatement statement = PrepareKept(sql, kept);
    place = kept ? CachePlace{this, generation, kept} : CachePlace();
    return statement;
}

DbStatement DbConnection::PrepareKept(const QString& sql, Cached*& kept)
{
    // Enough for every statement of the program; texts made up anew (values pasted in)
    // would otherwise grow it without end.
    constexpr size_t MostCached = 256;
    auto found = cache.find(sql);
    if (found != cache.end()) {
        kept = &found->second;
        if (found->second.lent) // in use further up: this use gets one of its own
            return PrepareNew(sql);
        found->second.lent = true;
        return DbStatement(found->second.stmt, &found->second.lent);
    }
    DbStatement fresh = PrepareNew(sql);
    if (cache.size() >= MostCached) {
        for (auto i = cache.begin(); i != cache.end();) {
            if (i->second.lent) {
                ++i;
                continue;
            }
            sqlite3_finalize(i->second.stmt);
            i = cache.erase(i);
        }
        generation = NewGeneration();
        if (cache.size() >= MostCached)
            return fresh;
    }
    Cached& entry = cache[sql];
    entry.stmt = fresh.Take();
    entry.lent = true;
    kept = &entry;
    return DbStatement(entry.stmt, &entry.lent);
}

DbStatement DbConnection::PrepareNew(const QString& sql)
{
    static const QString ambiguous = "ambiguous column name: ";
    QString text = sql;
    // Each round qualifies one more ambiguous name; a statement names few columns.
    for (int round = 0; round < 64; ++round) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, &tail);
        if (rc == SQLITE_OK) {
            DbStatement statement(stmt);
            if (!stmt)
                throw EDatabaseError(QString("SQL文が空です。\nSQL文:\n%1").arg(StatementText(sql)),
                                     QString(), StatementText(sql));
            if (!OnlyBlanks(tail))
                throw EDatabaseError(
                    QString("一度に実行できるSQL文は一つだけです。\nSQL文:\n%1").arg(StatementText(sql)),
                    QString(), StatementText(sql));
            return statement;
        }
        const QString message = DbErrorText(db);
        if (!message.startsWith(ambiguous))
            Raise(sql);
        QString column = message.mid(ambiguous.size()).trimmed();
        if (column.contains('.'))
            Raise(sql);
        const std::vector<FromTable> tables = FromTables(text);
        if (tables.empty())
            Raise(sql);
        QString qualifier = tables.front().qualifier;
        for (const FromTable& t : tables)
            if (TableColumns(t.name).contains(column, Qt::CaseInsensitive)) {
                qualifier = t.qualifier;
                break;
            }
        const QString rewritten = QualifyColumn(text, column, qualifier);
        if (rewritten == text)
            Raise(sql);
        text = rewritten;
    }
    Raise(sql);
}

void DbConnection::Run(const QString& sql)
{
    DbStatement statement = Prepare(sql);
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        Raise(sql);
}

QStringList DbConnection::TableColumns(const QString& name)
{
    QStringList columns;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql =
        QString("PRAGMA table_info(\"%1\");").arg(QString(name).replace('"', "\"\"")).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        Raise(QString::fromUtf8(sql));
    DbStatement statement(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        columns.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
    return columns;
}

bool DbConnection::HasTable(const QString& name)
{
    return !TableColumns(name).isEmpty();
}

long long DbConnection::LastInsertId() const
{
    return sqlite3_last_insert_rowid(db);
}

bool DbConnection::InTransaction() const
{
    return sqlite3_get_autocommit(db) == 0;
}
