#include "platform/db/Table.h"

#include "platform/db/Connection.h"
#include "platform/db/FieldValues.h"
#include "platform/rtl/Exceptions.h"

#include <sqlite3.h>

namespace {

QString Quoted(const QString& name)
{
    return '"' + QString(name).replace('"', "\"\"") + '"';
}

} // namespace

TTable::TTable(QObject* parent) : TDataSet(parent) {}

TTable::~TTable() = default;

QString TTable::PhysicalName() const
{
    QString name = TableName.trimmed();
    if (name.endsWith(".db", Qt::CaseInsensitive))
        name.chop(3);
    return name;
}

int TTable::CodeColumn() const
{
    TField* code = FindField("Code");
    if (!code)
        throw EDatabaseError(QString("テーブル%1には行を識別するCode列がありません。").arg(PhysicalName()));
    return code->Index();
}

void TTable::ReadRows(long long keepCode)
{
    DbConnection& db = Connection();
    const QString name = PhysicalName();
    if (name.isEmpty() || !db.HasTable(name))
        throw EDatabaseError(QString("データベース\"%2\"にテーブル%1がありません。").arg(name, DatabaseName));
    QStringList columns = db.TableColumns(name);
    const QString sql =
        QString("SELECT * FROM %1%2;")
            .arg(Quoted(name), columns.contains("Code", Qt::CaseInsensitive) ? " ORDER BY Code" : "");
    DbStatement statement = db.Prepare(sql);
    LoadResult(statement, sql);
    if (keepCode >= 0 && FindField("Code")) {
        const int c = FindField("Code")->Index();
        for (int r = 0; r < int(rows.size()); ++r)
            if (rows.Value(r, c).toLongLong() == keepCode) {
                current = r;
                bof = r == 0;
                eof = false;
            }
    }
}

void TTable::Open()
{
    if (Active())
        return;
    ReadRows(-1);
    modified = false;
    SetState(TDataSetState::Browse);
    NotifyOpened();
}

void TTable::Close()
{
    if (State() == TDataSetState::Edit || State() == TDataSetState::Insert)
        Cancel();
    TDataSet::Close();
}

void TTable::CheckBrowseMode()
{
    if (State() != TDataSetState::Edit && State() != TDataSetState::Insert)
        return;
    if (modified)
        Post();
    else
        Cancel();
}

void TTable::First()
{
    CheckBrowseMode();
    TDataSet::First();
}

void TTable::Next()
{
    CheckBrowseMode();
    TDataSet::Next();
}

void TTable::Prior()
{
    CheckBrowseMode();
    TDataSet::Prior();
}

void TTable::Last()
{
    CheckBrowseMode();
    TDataSet::Last();
}

void TTable::MoveBy(int distance)
{
    CheckBrowseMode();
    TDataSet::MoveBy(distance);
}

void TTable::BeginInsert(int at)
{
    if (!Active())
        throw EDatabaseError("閉じているデータセットではこの操作はできません。");
    CheckBrowseMode();
    at = std::clamp(at, 0, int(rows.size()));
    rows.insert(at);
    modified = false;
    eof = bof = false;
    current = at;
    SetState(TDataSetState::Insert);
    NotifyChanged();
    NotifyMoved();
}

void TTable::Append()
{
    BeginInsert(int(rows.size()));
}

void TTable::Insert()
{
    BeginInsert(current < 0 ? 0 : current);
}

void TTable::Edit()
{
    if (!Active())
        throw EDatabaseError("閉じているデータセットではこの操作はできません。");
    if (State() == TDataSetState::Edit || State() == TDataSetState::Insert)
        return;
    if (rows.empty()) {
        Insert();
        return;
    }
    original = rows.Copy(current);
    modified = false;
    SetState(TDataSetState::Edit);
}

void TTable::WriteValue(int column, const QVariant& value)
{
    if (State() == TDataSetState::Browse)
        Edit();
    if (State() != TDataSetState::Edit && State() != TDataSetState::Insert)
        throw EDatabaseError("データセットが編集中でも挿入中でもありません。");
    rows.Set(current, column, value);
    modified = true;
    NotifyChanged();
}

void TTable::Post()
{
    const TDataSetState s = State();
    if (s != TDataSetState::Edit && s != TDataSetState::Insert)
        return;
    DbConnection& db = Connection();
    const int codeColumn = CodeColumn();
    QStringList names;
    std::vector<QVariant> values;
    for (const auto& f : fields) {
        if (f->Index() == codeColumn &&
            (s == TDataSetState::Edit || rows.At(current, codeColumn).kind == ResultCell::Null))
            continue;
        names.append(Quoted(f->FieldName()));
        values.push_back(rows.Value(current, f->Index()));
    }
    QString sql;
    if (s == TDataSetState::Insert) {
        QStringList marks;
        for (size_t i = 0; i < values.size(); ++i)
            marks.append("?");
        sql = names.isEmpty() ? QString("INSERT INTO %1 DEFAULT VALUES;").arg(Quoted(PhysicalName()))
                              : QString("INSERT INTO %1 (%2) VALUES (%3);")
                                    .arg(Quoted(PhysicalName()), names.join(", "), marks.join(", "));
    } else {
        if (!modified) {
            SetState(TDataSetState::Browse);
            return;
        }
        QStringList sets;
        for (const QString& n : names)
            sets.append(n + " = ?");
        sql = QString("UPDATE %1 SET %2 WHERE \"Code\" = ?;").arg(Quoted(PhysicalName()), sets.join(", "));
        values.push_back(original[size_t(codeColumn)]);
    }
    DbStatement statement = db.Prepare(sql);
    for (size_t i = 0; i < values.size(); ++i)
        if (BindValue(statement.get(), int(i) + 1, values[i]) != SQLITE_OK)
            db.Raise(sql);
    if (sqlite3_step(statement.get()) != SQLITE_DONE)
        db.Raise(sql);
    // Deliberately refused, as the engine refuses a record another program deleted since it was
    // read: the edit stays, to be cancelled, and nothing says it was stored.
    if (s == TDataSetState::Edit && sqlite3_changes(db.Handle()) == 0)
        throw EDatabaseError("このレコードは，ほかのプログラムで削除されています。\n登録できませんでした。");
    if (s == TDataSetState::Insert && rows.At(current, codeColumn).kind == ResultCell::Null)
        rows.Set(current, codeColumn, QVariant(qlonglong(db.LastInsertId())));
    modified = false;
    original.clear();
    SetState(TDataSetState::Browse);
    NotifyChanged();
}

void TTable::Cancel()
{
    const TDataSetState s = State();
    if (s == TDataSetState::Insert) {
        rows.erase(current);
        current = rows.empty() ? -1 : std::min(current, int(rows.size()) - 1);
        eof = bof = rows.empty();
    } else if (s == TDataSetState::Edit) {
        rows.Assign(current, original);
    } else {
        return;
    }
    original.clear();
    modified = false;
    SetState(TDataSetState::Browse);
    NotifyChanged();
    NotifyMoved();
}

void TTable::Delete()
{
    if (State() == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (State() == TDataSetState::Edit)
        Cancel();
    if (!Active() || rows.empty())
        return;
    DbConnection& db = Connection();
    const int codeColumn = CodeColumn();
    const QString sql = QString("DELETE FROM %1 WHERE \"Code\" = ?;").arg(Quoted(PhysicalName()));
    DbStatement statement = db.Prepare(sql);
    BindValue(statement.get(), 1, rows.Value(current, codeColumn));
    if (sqlite3_step(statement.get()) != SQLITE_DONE)
        db.Raise(sql);
    rows.erase(current);
    current = rows.empty() ? -1 : std::min(current, int(rows.size()) - 1);
    eof = bof = rows.empty();
    NotifyChanged();
    NotifyMoved();
}

void TTable::Refresh()
{
    if (!Active())
        return;
    CheckBrowseMode();
    long long code = -1;
    if (current >= 0 && FindField("Code"))
        code = rows.Value(current, FindField("Code")->Index()).toLongLong();
    ReadRows(code);
    NotifyChanged();
    NotifyMoved();
}
