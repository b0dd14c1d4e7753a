#include "platform/db/FieldValues.h"

#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <iterator>
#include <sqlite3.h>

namespace {

int Digits(QStringView s, int from, int count, bool& ok)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        if (i >= s.size() || !s[i].isDigit()) {
            ok = false;
            return 0;
        }
        v = v * 10 + s[i].digitValue();
    }
    return v;
}

// "YYYY-MM-DD", optionally followed by " HH:MM[:SS]" or "THH:MM[:SS]".
bool ParseStoredDate(QStringView s, TDateTime& out)
{
    bool ok = true;
    if (s.size() < 10 || s[4] != '-' || s[7] != '-')
        return false;
    const int y = Digits(s, 0, 4, ok), m = Digits(s, 5, 2, ok), d = Digits(s, 8, 2, ok);
    if (!ok || !IsValidDate(y, m, d))
        return false;
    double value = EncodeDate(y, m, d);
    if (s.size() > 10) {
        if ((s[10] != ' ' && s[10] != 'T') || s.size() < 16 || s[13] != ':')
            return false;
        const int hh = Digits(s, 11, 2, ok), mm = Digits(s, 14, 2, ok);
        int ss = 0;
        if (s.size() >= 19 && s[16] == ':')
            ss = Digits(s, 17, 2, ok);
        if (!ok || hh > 23 || mm > 59 || ss > 59)
            return false;
        value += (hh * 3600 + mm * 60 + ss) / 86400.0;
    }
    out = value;
    return true;
}

} // namespace

QString NotAValue(const char* kind, const QString& field)
{
    return QString("フィールド'%1'の値は正しい%2ではありません。").arg(field, QString::fromUtf8(kind));
}

long long ValueAsInteger(const QVariant& value, const QString& field)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double:
        return (long long)std::trunc(value.toDouble());
    default:
        break;
    }
    if (value.isNull())
        return 0;
    bool ok = false;
    const long long v = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw EDatabaseError(
            QString("'%1'はフィールド'%2'の正しい整数ではありません。").arg(value.toString(), field),
            NotAValue("整数", field), QString());
    return v;
}

QString ValueAsString(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

bool ReadStoredDate(QByteArrayView utf8, TDateTime& date)
{
    // A stored date is a short ASCII text: read it without making a string of it.
    char16_t units[32];
    if (utf8.size() > qsizetype(std::size(units)))
        return ParseStoredDate(QString::fromUtf8(utf8), date);
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (static_cast<unsigned char>(utf8[i]) >= 0x80)
            return ParseStoredDate(QString::fromUtf8(utf8), date);
        units[i] = char16_t(utf8[i]);
    }
    return ParseStoredDate(QStringView(units, utf8.size()), date);
}

bool ReadStoredDate(const QVariant& value, TDateTime& date)
{
    if (value.isNull()) {
        date = TDateTime(0);
        return true;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        date = TDateTime(value.toDouble());
        return IsStorableDate(date);
    default:
        return ParseStoredDate(value.toString(), date);
    }
}

TDateTime ValueAsDateTime(const QVariant& value)
{
    TDateTime date;
    return ReadStoredDate(value, date) ? date : TDateTime(0);
}

bool ValueAsBoolean(const QVariant& value, const QString& field)
{
    if (value.isNull())
        return false;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool:
        return value.toLongLong() != 0;
    case QMetaType::Double:
        return value.toDouble() != 0;
    default:
        break;
    }
    const QString t = value.toString().trimmed();
    if (t.compare("true", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare("false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    if (!ok)
        throw EDatabaseError(QString("'%1'はフィールド'%2'の正しい論理値ではありません。").arg(t, field),
                             NotAValue("論理値", field), QString());
    return v != 0;
}

bool IsStorableDate(TDateTime value)
{
    static const double first = EncodeDate(1, 1, 1).Val;
    static const double end = EncodeDate(9999, 12, 31).Val + 1;
    return std::isfinite(value.Val) && value.Val >= first && value.Val < end;
}

namespace {

void RequireStorable(TDateTime value, const QString& name)
{
    if (!IsStorableDate(value))
        throw EDatabaseError(
            QString("'%1'は'%2'の正しい日付ではありません。").arg(QString::number(value.Val, 'g', 17), name),
            QString("'%1'の値は正しい日付ではありません。").arg(name), QString());
}

QString DatePart(TDateTime value)
{
    int y, m, d;
    DecodeDate(TDateTime(std::floor(value.Val)), y, m, d);
    return QString("%1-%2-%3").arg(y, 4, 10, QChar('0')).arg(m, 2, 10, QChar('0')).arg(d, 2, 10, QChar('0'));
}

} // namespace

QString DateText(TDateTime value, const QString& name)
{
    RequireStorable(value, name);
    return DatePart(value);
}

QString DateTimeText(TDateTime value, const QString& name)
{
    RequireStorable(value, name);
    const double day = std::floor(value.Val);
    if (value.Val == day)
        return DatePart(value);
    int h, n, s, ms;
    DecodeTime(value, h, n, s, ms);
    return DatePart(value) +
           QString(" %1:%2:%3").arg(h, 2, 10, QChar('0')).arg(n, 2, 10, QChar('0')).arg(s, 2, 10, QChar('0'));
}

QVariant ColumnValue(sqlite3_stmt* statement, int c)
{
    switch (sqlite3_column_type(statement, c)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, c)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, c));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                                          sqlite3_column_bytes(statement, c)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, c)),
                                   sqlite3_column_bytes(statement, c)));
    default:
        return QVariant();
    }
}

int BindValue(sqlite3_stmt* statement, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        return sqlite3_bind_blob(statement, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    }
    }
}
