#include "platform/db/DataSet.h"

#include "platform/db/Connection.h"
#include "platform/db/FieldValues.h"
#include "platform/db/Session.h"
#include "platform/rtl/Exceptions.h"

#include <sqlite3.h>

// ---- TField ----

TField::TField(TDataSet* owner, int index, const QString& name, TFieldType type)
    : owner(owner), index(index), name(name), type(type)
{
}

TFieldType TField::TypeOfDeclared(const QString& declaredType)
{
    const QString t = declaredType.toUpper();
    if (t.isEmpty())
        return TFieldType::Unknown;
    if (t.contains("BOOL"))
        return TFieldType::Boolean;
    if (t.contains("DATETIME") || t.contains("TIMESTAMP"))
        return TFieldType::DateTime;
    if (t.contains("DATE"))
        return TFieldType::Date;
    if (t.contains("SMALLINT"))
        return TFieldType::SmallInt;
    if (t.contains("INT"))
        return TFieldType::Integer;
    if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB"))
        return TFieldType::String;
    if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB") || t.contains("NUM") ||
        t.contains("DEC"))
        return TFieldType::Float;
    return TFieldType::Unknown;
}

bool TField::IsNull() const
{
    const ResultCell* cell = owner->CurrentCell(index);
    return !cell || cell->kind == ResultCell::Null;
}

int TField::AsInteger() const
{
    const ResultCell* cell = owner->CurrentCell(index);
    if (cell && cell->kind == ResultCell::Integer)
        return int(cell->integer);
    return int(ValueAsInteger(owner->CurrentValue(index), name));
}

QString TField::AsString() const
{
    const ResultCell* cell = owner->CurrentCell(index);
    if (!cell || cell->kind == ResultCell::Null)
        return QString();
    TDateTime date;
    switch (type) {
    case TFieldType::Date:
        return ReadStoredDate(owner->CurrentValue(index), date) ? DateToStr(date) : QString();
    case TFieldType::DateTime:
        return ReadStoredDate(owner->CurrentValue(index), date) ? DateTimeToStr(date) : QString();
    case TFieldType::Boolean:
        return ValueAsBoolean(owner->CurrentValue(index), name) ? "True" : "False";
    default:
        if (cell->kind == ResultCell::Text)
            return owner->rows.Text(*cell);
        return ValueAsString(owner->CurrentValue(index));
    }
}

TDateTime TField::AsDateTime() const
{
    const ResultCell* cell = owner->CurrentCell(index);
    TDateTime date;
    if (cell && cell->kind == ResultCell::Text)
        return ReadStoredDate(owner->rows.Bytes(*cell), date) ? date : TDateTime(0);
    return ValueAsDateTime(owner->CurrentValue(index));
}

bool TField::AsBoolean() const
{
    const ResultCell* cell = owner->CurrentCell(index);
    if (cell && cell->kind == ResultCell::Integer)
        return cell->integer != 0;
    return ValueAsBoolean(owner->CurrentValue(index), name);
}

QVariant TField::Value() const
{
    const QVariant v = owner->CurrentValue(index);
    if (v.isNull())
        return QVariant();
    switch (type) {
    case TFieldType::Integer:
    case TFieldType::SmallInt:
        return QVariant(AsInteger());
    case TFieldType::Boolean:
        return QVariant(AsBoolean());
    case TFieldType::Date:
    case TFieldType::DateTime:
        return QVariant(AsDateTime().Val);
    case TFieldType::String:
        return QVariant(AsString());
    default:
        return v;
    }
}

void TField::SetAsInteger(int value)
{
    owner->WriteValue(index, QVariant(qlonglong(value)));
}

void TField::SetAsString(const QString& value)
{
    // The empty text is stored as NULL, as the engine has no empty text apart from blank.
    if (value.isEmpty()) {
        owner->WriteValue(index, QVariant());
        return;
    }
    switch (type) {
    case TFieldType::Integer:
    case TFieldType::SmallInt:
        owner->WriteValue(index, QVariant(ValueAsInteger(QVariant(value), name)));
        break;
    case TFieldType::Boolean:
        SetAsBoolean(ValueAsBoolean(QVariant(value), name));
        break;
    case TFieldType::Date:
    case TFieldType::DateTime: {
        TDateTime d;
        if (!TryStrToDateTime(value, d))
            throw EDatabaseError(QString("'%1' is not a valid date for field '%2'.").arg(value, name));
        SetAsDateTime(d);
        break;
    }
    default:
        owner->WriteValue(index, QVariant(value));
    }
}

void TField::SetAsDateTime(TDateTime value)
{
    owner->WriteValue(
        index, QVariant(type == TFieldType::DateTime ? DateTimeText(value, name) : DateText(value, name)));
}

void TField::SetAsBoolean(bool value)
{
    owner->WriteValue(index, QVariant(qlonglong(value ? 1 : 0)));
}

void TField::SetValue(const QVariant& value)
{
    if (value.isNull()) {
        Clear();
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        SetAsBoolean(value.toBool());
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        owner->WriteValue(index, QVariant(value.toLongLong()));
        break;
    case QMetaType::Double:
        if (type == TFieldType::Date || type == TFieldType::DateTime)
            SetAsDateTime(TDateTime(value.toDouble()));
        else
            owner->WriteValue(index, value);
        break;
    default:
        SetAsString(value.toString());
    }
}

void TField::Clear()
{
    owner->WriteValue(index, QVariant());
}

// ---- ResultRows ----

void ResultRows::Reset(int columnCount)
{
    // The runs keep their room for the next result, as a query runs much the same
    // statement again; they are only filled anew.
    for (size_t run = 0; run < usedRuns; ++run)
        runs[run].clear();
    usedRuns = 0;
    count = 0;
    lastRow = -1;
    bytes.clear();
    columns = columnCount;
}

ResultCell* ResultRows::Cell(int row)
{
    const int growing = FirstRunRows * ((1 << GrowingRuns) - 1); // rows of the growing runs
    size_t run;
    int offset;
    if (row < growing) {
        run = size_t(std::bit_width(unsigned(row / FirstRunRows + 1)) - 1);
        offset = row - FirstRunRows * ((1 << run) - 1);
    } else {
        run = GrowingRuns + size_t((row - growing) / LargestRunRows);
        offset = (row - growing) % LargestRunRows;
    }
    return runs[run].data() + size_t(offset) * size_t(columns);
}

ResultCell* ResultRows::AddRow()
{
    if (usedRuns == 0 || runs[usedRuns - 1].size() == size_t(RunRows(usedRuns - 1)) * size_t(columns)) {
        if (usedRuns == runs.size())
            runs.emplace_back();
        // Reserved in full before any row goes in, so that a run is never moved.
        runs[usedRuns].reserve(size_t(RunRows(usedRuns)) * size_t(columns));
        ++usedRuns;
    }
    std::vector<ResultCell>& last = runs[usedRuns - 1];
    const size_t first = last.size();
    last.resize(first + size_t(columns));
    ++count;
    return last.data() + first;
}

void ResultRows::AppendBytes(ResultCell& cell, ResultCell::Kind kind, const char* data, int size)
{
    cell.kind = kind;
    cell.offset = qsizetype(bytes.size());
    cell.length = size;
    bytes.insert(bytes.end(), data, data + size);
}

void ResultRows::AppendRow(sqlite3_stmt* statement)
{
    ResultCell* row = AddRow();
    for (int c = 0; c < columns; ++c) {
        ResultCell& cell = row[c];
        sqlite3_value* value = sqlite3_column_value(statement, c);
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            cell.kind = ResultCell::Integer;
            cell.integer = sqlite3_value_int64(value);
            break;
        case SQLITE_FLOAT:
            cell.kind = ResultCell::Real;
            cell.real = sqlite3_value_double(value);
            break;
        case SQLITE_TEXT:
            AppendBytes(cell, ResultCell::Text, reinterpret_cast<const char*>(sqlite3_value_text(value)),
                        sqlite3_value_bytes(value));
            break;
        case SQLITE_BLOB:
            AppendBytes(cell, ResultCell::Blob, static_cast<const char*>(sqlite3_value_blob(value)),
                        sqlite3_value_bytes(value));
            break;
        default:
            break;
        }
    }
}

void ResultRows::insert(int row)
{
    AddRow();
    for (int r = count - 1; r > row; --r)
        std::copy_n((*this)[r - 1], columns, (*this)[r]);
    std::fill_n((*this)[row], columns, ResultCell());
}

void ResultRows::erase(int row)
{
    for (int r = row; r + 1 < count; ++r)
        std::copy_n((*this)[r + 1], columns, (*this)[r]);
    std::vector<ResultCell>& last = runs[usedRuns - 1];
    last.resize(last.size() - size_t(columns));
    if (last.empty())
        --usedRuns;
    --count;
    lastRow = -1;
}

std::vector<ResultCell> ResultRows::Copy(int row) const
{
    return std::vector<ResultCell>((*this)[row], (*this)[row] + columns);
}

void ResultRows::Assign(int row, const std::vector<ResultCell>& values)
{
    std::copy(values.begin(), values.end(), (*this)[row]);
}

void ResultRows::Set(int row, int column, const QVariant& value)
{
    ResultCell cell;
    if (!value.isNull()) {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            cell.kind = ResultCell::Integer;
            cell.integer = value.toLongLong();
            break;
        case QMetaType::Double:
            cell.kind = ResultCell::Real;
            cell.real = value.toDouble();
            break;
        case QMetaType::QByteArray: {
            const QByteArray blob = value.toByteArray();
            AppendBytes(cell, ResultCell::Blob, blob.constData(), int(blob.size()));
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            AppendBytes(cell, ResultCell::Text, text.constData(), int(text.size()));
        }
        }
    }
    (*this)[row][column] = cell;
}

QVariant ResultRows::Value(const ResultCell& cell) const
{
    switch (cell.kind) {
    case ResultCell::Integer:
        return QVariant(qlonglong(cell.integer));
    case ResultCell::Real:
        return QVariant(cell.real);
    case ResultCell::Text:
        return QVariant(Text(cell));
    case ResultCell::Blob:
        return QVariant(Bytes(cell).toByteArray());
    default:
        return QVariant();
    }
}

// ---- TDataSet ----

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

void TDataSet::SetActive(bool active)
{
    if (active && !Active())
        Open();
    else if (!active && Active())
        Close();
}

void TDataSet::Close()
{
    if (!Active())
        return;
    DropResult();
    SetState(TDataSetState::Inactive);
    emit DataSetClosed();
}

int TDataSet::RecordCount() const
{
    return int(rows.size());
}

int TDataSet::RecNo() const
{
    return current + 1;
}

bool TDataSet::Eof() const
{
    return eof;
}

bool TDataSet::Bof() const
{
    return bof;
}

void TDataSet::MoveTo(int row)
{
    current = rows.empty() ? -1 : std::clamp(row, 0, int(rows.size()) - 1);
    emit CursorMoved();
}

void TDataSet::First()
{
    bof = true;
    eof = rows.empty();
    MoveTo(0);
}

void TDataSet::Next()
{
    bof = false;
    if (current + 1 < int(rows.size())) {
        eof = false;
        MoveTo(current + 1);
    } else {
        eof = true; // the cursor stays on the last row
    }
}

void TDataSet::Prior()
{
    eof = false;
    if (current > 0) {
        bof = false;
        MoveTo(current - 1);
    } else {
        bof = true;
    }
}

void TDataSet::Last()
{
    eof = true;
    bof = rows.empty();
    MoveTo(int(rows.size()) - 1);
}

void TDataSet::MoveBy(int distance)
{
    for (; distance > 0; --distance)
        Next();
    for (; distance < 0; ++distance)
        Prior();
}

TField* TDataSet::Fields(int index) const
{
    if (index < 0 || index >= int(fields.size()))
        throw EDatabaseError(QString("Field index %1 out of range.").arg(index));
    return fields[index].get();
}

TField* TDataSet::FindField(const QString& name) const
{
    for (const auto& f : fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const
{
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError(QString("Field '%1' not found.").arg(name));
    return field;
}

const ResultCell* TDataSet::CurrentCell(int column) const
{
    if (current < 0 || current >= int(rows.size()))
        return nullptr;
    return &rows[current][column];
}

QVariant TDataSet::CurrentValue(int column) const
{
    const ResultCell* cell = CurrentCell(column);
    return cell ? rows.Value(*cell) : QVariant();
}

void TDataSet::WriteValue(int, const QVariant&)
{
    throw EDatabaseError("Dataset not in edit or insert mode.");
}

void TDataSet::SetState(TDataSetState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit StateChanged();
}

DbConnection& TDataSet::Connection()
{
    TSession* session = Session ? Session : TSession::Find(SessionName);
    if (!connection || connectionSession != session || connectionName != DatabaseName) {
        connection.reset();
        connection = session->Connection(DatabaseName);
        connectionSession = session;
        connectionName = DatabaseName;
    }
    return *connection;
}

void TDataSet::LoadResult(sqlite3_stmt* statement, const QString& sql)
{
    DropResult();
    // Stepped before its columns are read: a kept statement whose tables have changed since
    // is prepared again by SQLite at its first step, its columns with it.
    int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        connection->Raise(sql);
    const int columns = sqlite3_column_count(statement);
    // A dataset mostly opens the same statement again (a lookup, a search): its columns'
    // names and types are worked out once, while the statement's columns stay the same.
    bool same = int(columnMemo.size()) == columns;
    for (int c = 0; same && c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(statement, c);
        same = columnMemo[c].rawName == sqlite3_column_name(statement, c) &&
               columnMemo[c].rawDeclared == (declared ? declared : "");
    }
    if (!same) {
        columnMemo.clear();
        for (int c = 0; c < columns; ++c) {
            const char* declared = sqlite3_column_decltype(statement, c);
            ColumnMemo memo;
            memo.rawName = sqlite3_column_name(statement, c);
            memo.rawDeclared = declared ? declared : "";
            memo.name = QString::fromUtf8(memo.rawName);
            memo.type = TField::TypeOfDeclared(QString::fromLatin1(memo.rawDeclared));
            columnMemo.push_back(std::move(memo));
        }
    }
    if (same && int(spareFields.size()) == columns) {
        fields = std::move(spareFields);
    } else {
        fields.reserve(columns);
        for (int c = 0; c < columns; ++c)
            fields.push_back(std::make_unique<TField>(this, c, columnMemo[c].name, columnMemo[c].type));
    }
    spareFields.clear();
    rows.Reset(columns);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(statement))
        rows.AppendRow(statement);
    if (rc != SQLITE_DONE) {
        DropResult();
        connection->Raise(sql);
    }
    current = rows.empty() ? -1 : 0;
    bof = true;
    eof = rows.empty();
}

void TDataSet::DropResult()
{
    rows.Reset(0);
    // Kept aside for the next result of the same columns; the dataset shows none.
    spareFields = std::move(fields);
    fields.clear();
    current = -1;
    bof = eof = true;
}

QString TDataSet::RowText(int row, int column) const
{
    if (row < 0 || row >= int(rows.size()) || column < 0 || column >= FieldCount())
        return QString();
    // The field reads the current row: point it at `row` for the read, nothing told.
    auto* self = const_cast<TDataSet*>(this);
    const int saved = self->current;
    self->current = row;
    QString text;
    try {
        text = fields[size_t(column)]->AsString();
    } catch (...) {
        self->current = saved;
        throw;
    }
    self->current = saved;
    return text;
}
