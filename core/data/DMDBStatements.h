#pragma once
// How the data module builds, runs and reads its statements; shared by the files of
// `TDBDM`, used nowhere else.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "core/data/SameRow.h"
#include "core/data/StoreFailure.h"
#include "platform/db/Query.h"

#include <initializer_list>
#include <map>
#include <span>
#include <vector>

namespace dmdb {

// Adds the statement's lines one at a time, each as written.
void AddLines(TQuery* query, std::initializer_list<const char*> lines);

// A statement that gives rows starts on a closed query with an empty text.
void Restart(TQuery* query);

// Restarts the query with the lines of a SELECT (the same lines as it has keep their
// parsed parameters).
void Select(TQuery* query, std::initializer_list<const char*> lines);

// Opens the SELECT of `query` and gives its row count.
int OpenCount(TQuery* query);

// Opens the SELECT of `query` on its first row only: whether it gives any row. The
// lookups and existence checks need no more than that row.
bool OpenFirst(TQuery* query);

// The lookup pattern: opens the SELECT of `query` and gives the integer `column` of its
// first row, dbNoRow when it has none.
int OpenFirstInteger(TQuery* query, const char* column);

// The counts: the number of rows the SELECT gives, dbFailed on an exception.
int CountRows(TQuery* query, std::initializer_list<const char*> lines);

// The delete-guard lists: opens the SELECT of `query` and gives its row count; `first` becomes the
// first karte's number and date ("KarteNo, RDate").
int OpenKarteList(TQuery* query, QString& first);

// The uniqueness check of an add, from the lookup of the code of its number's live row:
// 0 when the number is free, dbNumberInUse when a live row has it, dbFailed when the
// lookup failed.
int CheckNumberFree(int existingCode);

// A replace succeeds only when its statement changed the one row it names: 1, else dbNoRow.
int ChangedOneRow(const TQuery* query);

// The key of a replace or delete of an examinee, member or karte, the lines after its "WHERE":
// with the row's Code (above 0) that row, only while it is live and still holds the number that
// `numberLine` names; without one, the lines `byNumber`. Made, it has added its lines; Run, once
// the rest of the statement is bound, binds the Code, executes the statement and judges it: with
// a Code, 1 only when it changed that row (else dbNoRow, kept as stale); without, as `judge` says.
class RowKey
{
public:
    enum Judge {
        Done,       // 1 once executed
        ChangedAny, // 1 when it changed any row, else dbNoRow
    };
    RowKey(TQuery* query, int code, const char* numberLine, std::initializer_list<const char*> byNumber,
           Judge judge);
    int Run() const;

private:
    TQuery* query;
    int code;
    Judge judge;
};

// What a replace given the row as the window read it (`asRead`, not null) checks under the
// write lock: 0 while `readNow` gives the row with the same stored values; dbNoRow, kept as
// stale, when the row is gone or changed since; the code of a read that failed. Without a row
// to compare, 0.
template <class Record, class Read> int CheckAsRead(const Record* asRead, Read readNow)
{
    if (!asRead)
        return 0;
    Record now;
    const int rc = readNow(now);
    if (rc == dbNoRow)
        return Stale(dbNoRow);
    if (rc < 0)
        return rc;
    return SameRow(*asRead, now) ? 0 : Stale(dbNoRow);
}

// Free texts are bound, never pasted into the statement.
void BindContains(TQuery* query, const char* name, const QString& text);

// Walks the query from its first row, handing each row's index to `read`, until its
// end or `max` rows; returns how many were read.
template <class Read> int WalkRows(TQuery* query, int max, Read read)
{
    int i = 0;
    query->First();
    // Deliberately tested before each row: asked for no rows, a reader must not copy one into
    // an array that may have none.
    while (i < max && !query->Eof()) {
        read(i);
        query->Next();
        ++i;
    }
    return i;
}

// One criterion of a search's OR group: it counts when its text is not empty; its line
// goes after `separator` (but for the first line of the group) and names `param`, which
// gets the text as a number (0 when it is not one), or "%text%" for a LIKE line.
struct Criterion
{
    enum Kind { Number, Like };
    const QString& text;
    const char* separator;
    const char* line;
    const char* param;
    Kind kind = Like;
};

// When any criterion counts: the `open` lines, the lines of the criteria that count, the
// `close` line. Nothing when none counts.
void AddAlternatives(TQuery* query, std::initializer_list<const char*> open,
                     std::span<const Criterion> criteria, const char* close);
// Binds the parameters of the criteria that count, once the statement is complete.
void BindCriteria(TQuery* query, std::span<const Criterion> criteria);

// The lookup pattern with one parameter: the integer `column` of the first row, dbNoRow
// when there is none, dbFailed on an exception.
int LookUpInteger(TQuery* query, std::initializer_list<const char*> lines, const char* param, int value,
                  const char* column);
int LookUpInteger(TQuery* query, std::initializer_list<const char*> lines, const char* param,
                  const QString& value, const char* column);

// The existence checks: whether the SELECT gives a row, false on an exception.
bool HasRows(TQuery* query, std::initializer_list<const char*> lines, const char* param, int value);
bool HasRows(TQuery* query, std::initializer_list<const char*> lines, const char* param,
             const QString& value);

// A reader: `read(i)` for each row as WalkRows walks them; dbFailed on an exception (the
// rows before it are copied).
template <class Read> int ReadRows(TQuery* query, int max, Read read)
{
    return Caught(dbFailed, [&] { return WalkRows(query, max, read); });
}

// Criteria joined by OR: the separator goes before every line but the first.
class Alternatives
{
public:
    explicit Alternatives(TQuery* query) : query(query) {}
    void Add(const char* separator, const char* line);

private:
    TQuery* query;
    bool added = false;
};

// A lookup a walk repeats for many rows, run once per key: what it reads cannot change
// while the walk holds its shared lock (ReadingTransaction).
template <class Value> class WalkMemo
{
public:
    template <class Look> const Value& operator()(int key, Look look)
    {
        auto known = values.find(key);
        if (known == values.end())
            known = values.emplace(key, look(key)).first;
        return known->second;
    }

private:
    std::map<int, Value> values;
};

// Columns of one reader, looked up by name once per walk.
class Columns
{
public:
    Columns(TQuery* query, std::initializer_list<const char*> names);
    TField* operator[](int index) const { return fields[index]; }

private:
    std::vector<TField*> fields;
};

// One add or replace as one unit, in a write transaction taken before its checks, so
// that another program cannot slip the same number, or the delete of the row it adds to, in
// between check and insert (it waits the busy timeout for this one, then finds the number in
// use or the row gone). Unless committed, it is rolled back when this goes, and the session
// is free again.
class WriteTransaction
{
public:
    // Never raises: Started() says whether the write lock was taken.
    explicit WriteTransaction(TQuery* query);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    bool Started() const { return open; }
    // Commits and gives `success`. A commit another program's read lock refuses is retried by
    // the engine for the busy timeout; refused still, everything is rolled back and this gives
    // `failure`.
    int Commit(int success, int failure);

private:
    void Rollback();

    TSession* session;
    bool open = false;
};

// Runs `store`, which gives its code, as one unit in a WriteTransaction on the query's
// session: committed when the code is not negative, rolled back otherwise. dbFailed when the
// write lock cannot be taken; `commitFailure` when the commit is refused.
template <class Store> int InWriteTransaction(TQuery* query, int commitFailure, Store store)
{
    WriteTransaction transaction(query);
    if (!transaction.Started())
        return dbFailed;
    const int rc = store();
    return rc < 0 ? rc : transaction.Commit(rc, commitFailure);
}

// A long walk of lookups reads under one shared lock instead of taking and dropping
// the file lock for every statement. Nothing is written under it; when a transaction
// is already open, or one cannot be started, the walk goes on without.
class ReadingTransaction
{
public:
    explicit ReadingTransaction(TQuery* query);
    ~ReadingTransaction();
    ReadingTransaction(const ReadingTransaction&) = delete;
    ReadingTransaction& operator=(const ReadingTransaction&) = delete;

private:
    TSession* session;
    bool open = false;
};

} // namespace dmdb

template <class Record, class Update>
int TDBDM::ReplaceListed(const Record& record, const Record* asRead, int (TDBDM::*readRow)(int, Record&),
                         Update update)
{
    return dmdb::InWriteTransaction(Query2, dbFailed, [&] {
        if (record.iCode > 0)
            if (const int rc = dmdb::CheckAsRead(
                    asRead, [&](Record& now) { return (this->*readRow)(record.iCode, now); });
                rc < 0)
                return rc;
        return dmdb::Caught(dbFailed, update);
    });
}

template <class Store> int TDBDM::Adding(int commitFailure, Store store)
{
    int inserted = 0;
    const int rc = dmdb::InWriteTransaction(Query2, commitFailure, [&] { return store(inserted); });
    // Deliberately set only once committed: a rolled-back row has no Code to name.
    if (rc > 0)
        iAddedCode = inserted;
    return rc;
}
