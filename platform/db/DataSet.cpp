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
    return owner->CurrentValue(index).isNull();
}

int TField::AsInteger() const
{
    return int(ValueAsInteger(owner->CurrentValue(index), name));
}

QString TField::AsString() const
{
    const QVariant& v = owner->CurrentValue(index);
    if (v.isNull())
        return QString();
    TDateTime date;
    switch (type) {
    case TFieldType::Date:
        return ReadStoredDate(v, date) ? DateToStr(date) : QString();
    case TFieldType::DateTime:
        return ReadStoredDate(v, date) ? DateTimeToStr(date) : QString();
    case TFieldType::Boolean:
        return ValueAsBoolean(v, name) ? "True" : "False";
    default:
        return ValueAsString(v);
    }
}

TDateTime TField::AsDateTime() const
{
    return ValueAsDateTime(owner->CurrentValue(index));
}

bool TField::AsBoolean() const
{
    return ValueAsBoolean(owner->CurrentValue(index), name);
}

QVariant TField::Value() const
{
    const QVariant& v = owner->CurrentValue(index);
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

const QVariant& TDataSet::CurrentValue(int column) const
{
    static const QVariant none;
    if (current < 0 || current >= int(rows.size()))
        return none;
    return rows[current][column];
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
    const int columns = sqlite3_column_count(statement);
    fields.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(statement, c);
        fields.push_back(std::make_unique<TField>(this, c,
                                                  QString::fromUtf8(sqlite3_column_name(statement, c)),
                                                  TField::TypeOfDeclared(QString::fromLatin1(declared))));
    }
    rows.Reset(columns);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            rows.push_back(ColumnValue(statement, c));
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
