#include "platform/db/Query.h"

#include "platform/db/Connection.h"
#include "platform/db/FieldValues.h"
#include "platform/db/SqlDialect.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <sqlite3.h>
#include <unordered_map>

// ---- TParam ----

void TParam::SetAsInteger(int v)
{
    value = QVariant(qlonglong(v));
    bound = true;
}

void TParam::SetAsSmallInt(int v)
{
    SetAsInteger(v);
}

void TParam::SetAsDate(TDateTime v)
{
    value = QVariant(DateText(v, name));
    bound = true;
}

void TParam::SetAsDateTime(TDateTime v)
{
    value = QVariant(DateTimeText(v, name));
    bound = true;
}

void TParam::SetAsString(const QString& v)
{
    value = v.isEmpty() ? QVariant() : QVariant(v);
    bound = true;
}

void TParam::SetAsBoolean(bool v)
{
    value = QVariant(qlonglong(v ? 1 : 0));
    bound = true;
}

void TParam::Clear()
{
    value = QVariant();
    bound = true; // a cleared parameter binds NULL
}

// ---- TQuery ----

namespace {
unsigned long long NewTextGeneration()
{
    static unsigned long long last = 0;
    return ++last;
}
} // namespace

TQuery::TQuery(QObject* parent) : TDataSet(parent), SQL(new TStrings), textGeneration(NewTextGeneration())
{
    SQL->OnChange = [this] { SqlChanged(); };
}

TQuery::~TQuery()
{
    SQL->OnChange = nullptr;
    delete SQL;
}

void TQuery::SqlChanged()
{
    Close();
    params.clear();
    paramsStale = true;
    textStale = true;
    textGeneration = NewTextGeneration();
    statementPlace = DbConnection::CachePlace();
}

void TQuery::ParseParams() const
{
    if (!paramsStale)
        return;
    paramsStale = false;
    // The names of a text are found once: the program builds the same texts again and again.
    static std::unordered_map<QString, QStringList> known;
    const QString text = Text();
    auto found = known.find(text);
    if (found == known.end()) {
        if (known.size() >= 512)
            known.clear();
        found = known.emplace(text, ParameterNames(text)).first;
    }
    for (const QString& name : found->second)
        params.push_back(std::make_unique<TParam>(name));
}

QString TQuery::Text() const
{
    // Joined once per change of the lines.
    if (textStale) {
        text = SQL->Text();
        textStale = false;
    }
    return text;
}

TParam* TQuery::ParamByName(QAnyStringView name)
{
    ParseParams();
    for (const auto& p : params)
        if (SameName(p->Name(), name))
            return p.get();
    throw EDatabaseError(QString("パラメーター'%1'が見つかりません。").arg(name.toString()));
}

int TQuery::ParamCount() const
{
    ParseParams();
    return int(params.size());
}

DbStatement TQuery::PrepareBound(const QString& sql)
{
    ParseParams();
    DbConnection& db = Connection();
    DbStatement statement = db.Prepare(sql, statementPlace);
    sqlite3_stmt* stmt = statement.get();
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char* raw = sqlite3_bind_parameter_name(stmt, i);
        // Compared as SQLite has it, without making a string of each name; an ASCII name
        // (as the program's are) is its own Latin-1 text, whose length tells most apart.
        const char* const bare = raw ? raw + 1 : "";
        bool ascii = true;
        for (const char* c = bare; *c && ascii; ++c)
            ascii = uchar(*c) < 0x80;
        const QAnyStringView name =
            ascii ? QAnyStringView(QLatin1StringView(bare)) : QAnyStringView(QUtf8StringView(bare));
        TParam* param = nullptr;
        for (const auto& p : params)
            if (SameName(p->Name(), name))
                param = p.get();
        if (!param || !param->Bound())
            throw EDatabaseError(QString("パラメーター'%1'に値が設定されていません。\nSQL文:\n%2")
                                     .arg(QString::fromUtf8(raw ? raw + 1 : ""), sql.trimmed()),
                                 QString(), sql.trimmed());
        if (BindValue(stmt, i, param->Value()) != SQLITE_OK)
            db.Raise(sql);
    }
    return statement;
}

void TQuery::Open()
{
    OpenRows(false);
}

void TQuery::OpenFirstRow()
{
    OpenRows(true);
}

void TQuery::OpenRows(bool firstRowOnly)
{
    if (Active())
        return;
    const QString sql = Text();
    DbStatement statement = PrepareBound(sql);
    LoadResult(statement, sql, firstRowOnly);
    SetState(TDataSetState::Browse);
    NotifyOpened();
}

void TQuery::Close()
{
    TDataSet::Close();
}

void TQuery::ExecSQL()
{
    Close();
    const QString sql = Text();
    DbStatement statement = PrepareBound(sql);
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        connection->Raise(sql);
    rowsAffected = sqlite3_changes(connection->Handle());
}

int TQuery::RowsAffected() const
{
    return rowsAffected;
}

long long TQuery::LastInsertId() const
{
    return connection ? connection->LastInsertId() : 0;
}
