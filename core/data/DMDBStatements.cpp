#include "core/data/DMDBStatements.h"

#include "platform/db/Session.h"
#include "platform/rtl/IntText.h"

#include <algorithm>
#include <iterator>

namespace dmdb {

void AddLines(TQuery* query, std::initializer_list<const char*> lines)
{
    for (const char* line : lines)
        query->SQL->Add(QString::fromLatin1(line));
}

void Restart(TQuery* query)
{
    if (query->Active())
        query->Close();
    query->SQL->Clear();
}

namespace {

// A line of the statement against one of the program's (ASCII), in one pass.
bool SameLine(const QString& line, const char* ascii)
{
    const QChar* c = line.constData();
    const QChar* const end = c + line.size();
    for (; c != end; ++c, ++ascii)
        if (*ascii == '\0' || c->unicode() != uchar(*ascii))
            return false;
    return *ascii == '\0';
}

} // namespace

namespace {

// The lines a query's text was last written from, while it holds that text: the same
// lines again (the very literals of one statement) need no comparing.
struct SelectMemo
{
    const TQuery* query = nullptr;
    unsigned long long generation = 0;
    std::vector<const char*> lines;
};

SelectMemo& MemoOf(const TQuery* query)
{
    static SelectMemo memos[8];
    static size_t next = 0;
    for (SelectMemo& memo : memos)
        if (memo.query == query)
            return memo;
    SelectMemo& memo = memos[next];
    next = (next + 1) % std::size(memos);
    memo.query = query;
    memo.generation = 0;
    return memo;
}

} // namespace

void Select(TQuery* query, std::initializer_list<const char*> lines)
{
    if (query->Active())
        query->Close();
    SelectMemo& memo = MemoOf(query);
    if (memo.generation == query->TextGeneration() &&
        std::equal(lines.begin(), lines.end(), memo.lines.begin(), memo.lines.end()))
        return;
    // The same text again (a lookup run for every row of a walk) is kept with its parsed
    // parameters, whose values the caller binds anew: the statement run is the same.
    const TStrings& sql = *query->SQL;
    bool same = sql.Count() == int(lines.size());
    int i = 0;
    for (const char* line : lines) {
        if (!same)
            break;
        same = SameLine(sql[i++], line);
    }
    if (!same) {
        query->SQL->Clear();
        AddLines(query, lines);
    }
    memo.generation = query->TextGeneration();
    memo.lines.assign(lines.begin(), lines.end());
}

int OpenCount(TQuery* query)
{
    query->Open();
    return query->RecordCount();
}

bool OpenFirst(TQuery* query)
{
    query->OpenFirstRow();
    return query->RecordCount() != 0;
}

int OpenFirstInteger(TQuery* query, const char* column)
{
    if (!OpenFirst(query))
        return dbNoRow;
    return query->FieldByName(QLatin1StringView(column))->AsInteger();
}

int CountRows(TQuery* query, std::initializer_list<const char*> lines)
{
    return Caught(dbFailed, [&] {
        Select(query, lines);
        return OpenCount(query);
    });
}

int OpenKarteList(TQuery* query, QString& first)
{
    const int count = OpenCount(query);
    first = query->FieldByName("KarteNo")->AsString() + ", " + query->FieldByName("RDate")->AsString();
    return count;
}

int CheckNumberFree(int existingCode)
{
    if (existingCode >= 0)
        return dbNumberInUse;
    // Deliberately refused: without the uniqueness check the number could be given twice.
    if (existingCode == dbFailed)
        return dbFailed;
    return 0;
}

int ChangedOneRow(const TQuery* query)
{
    return query->RowsAffected() == 1 ? 1 : dbNoRow;
}

RowKey::RowKey(TQuery* query, int code, const char* numberLine, std::initializer_list<const char*> byNumber,
               Judge judge)
    : query(query), code(code), judge(judge)
{
    if (code > 0)
        AddLines(query, {"  Code=:Code", "AND", numberLine, "AND", "  DeleteFlag = False;"});
    else
        AddLines(query, byNumber);
}

int RowKey::Run() const
{
    if (code > 0)
        query->ParamByName("Code")->SetAsInteger(code);
    query->ExecSQL();
    if (code > 0)
        // The row the window shows is deleted, or holds another number now.
        return ChangedOneRow(query) > 0 ? 1 : Stale(dbNoRow);
    return judge == Done || query->RowsAffected() > 0 ? 1 : dbNoRow;
}

// Deliberately bound rather than pasted into the LIKE line: a quote in the operator's text
// cannot break the search, and "%" and "_" still act as wildcards.
void BindContains(TQuery* query, const char* name, const QString& text)
{
    if (!text.isEmpty())
        query->ParamByName(name)->SetAsString("%" + text + "%");
}

void AddAlternatives(TQuery* query, std::initializer_list<const char*> open,
                     std::span<const Criterion> criteria, const char* close)
{
    bool any = false;
    for (const Criterion& criterion : criteria)
        any = any || !criterion.text.isEmpty();
    if (!any)
        return;
    AddLines(query, open);
    Alternatives alternatives(query);
    for (const Criterion& criterion : criteria)
        if (!criterion.text.isEmpty())
            alternatives.Add(criterion.separator, criterion.line);
    query->SQL->Add(QString::fromLatin1(close));
}

void BindCriteria(TQuery* query, std::span<const Criterion> criteria)
{
    for (const Criterion& criterion : criteria) {
        if (criterion.kind == Criterion::Like)
            BindContains(query, criterion.param, criterion.text);
        else if (!criterion.text.isEmpty())
            query->ParamByName(QLatin1StringView(criterion.param))
                ->SetAsInteger(StrToIntDef(criterion.text, 0));
    }
}

namespace {

void Bind(TParam* param, int value)
{
    param->SetAsInteger(value);
}
void Bind(TParam* param, const QString& value)
{
    param->SetAsString(value);
}

template <class Value>
int LookUp(TQuery* query, std::initializer_list<const char*> lines, const char* param, const Value& value,
           const char* column)
{
    return Caught(dbFailed, [&] {
        Select(query, lines);
        Bind(query->ParamByName(QLatin1StringView(param)), value);
        return OpenFirstInteger(query, column);
    });
}

template <class Value>
bool Exists(TQuery* query, std::initializer_list<const char*> lines, const char* param, const Value& value)
{
    return Caught(false, [&] {
        Select(query, lines);
        Bind(query->ParamByName(QLatin1StringView(param)), value);
        return OpenFirst(query);
    });
}

} // namespace

int LookUpInteger(TQuery* query, std::initializer_list<const char*> lines, const char* param, int value,
                  const char* column)
{
    return LookUp(query, lines, param, value, column);
}

int LookUpInteger(TQuery* query, std::initializer_list<const char*> lines, const char* param,
                  const QString& value, const char* column)
{
    return LookUp(query, lines, param, value, column);
}

bool HasRows(TQuery* query, std::initializer_list<const char*> lines, const char* param, int value)
{
    return Exists(query, lines, param, value);
}

bool HasRows(TQuery* query, std::initializer_list<const char*> lines, const char* param, const QString& value)
{
    return Exists(query, lines, param, value);
}

void Alternatives::Add(const char* separator, const char* line)
{
    if (added)
        query->SQL->Add(QString::fromLatin1(separator));
    query->SQL->Add(QString::fromLatin1(line));
    added = true;
}

Columns::Columns(TQuery* query, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        fields.push_back(query->FieldByName(QLatin1StringView(name)));
}

WriteTransaction::WriteTransaction(TQuery* query) : session(query->Session)
{
    // Another program held the write lock through the busy timeout, or the database cannot be
    // reached: the caller reports it.
    open = Caught(false, [&] {
        session->StartWriteTransaction(query->DatabaseName);
        return true;
    });
}

WriteTransaction::~WriteTransaction()
{
    Rollback();
}

void WriteTransaction::Rollback()
{
    if (!open)
        return;
    open = false;
    // The session lets go of the transaction all the same; the reason is kept, as every later
    // store may fail for it.
    Guarded("Rollback", false, [&] {
        session->Rollback();
        return true;
    });
}

int WriteTransaction::Commit(int success, int failure)
{
    if (Caught(false, [&] {
            session->Commit();
            return true;
        })) {
        open = false;
        return success;
    }
    // Deliberately rolled back: a transaction left open after a refused commit would keep the
    // write lock from every other program and make every later store of this one fail.
    Rollback();
    return failure;
}

ReadingTransaction::ReadingTransaction(TQuery* query) : session(query->Session)
{
    if (!session || session->InTransaction())
        return;
    // Without it the walk reads statement by statement; the reason is kept all the same.
    const Operation operation("StartReading", Operation::Housekeeping);
    open = Caught(false, [&] {
        session->StartTransaction(query->DatabaseName);
        return true;
    });
}

ReadingTransaction::~ReadingTransaction()
{
    if (!open)
        return;
    const Operation operation("EndReading", Operation::Housekeeping);
    const bool ended = Caught(false, [&] {
        session->Commit();
        return true;
    });
    if (!ended)
        Caught(false, [&] {
            session->Rollback();
            return true;
        });
}

} // namespace dmdb
