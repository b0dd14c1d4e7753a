#pragma once
// How values are kept in the database file and read back: integers, texts, booleans
// as 0 and 1, dates as "YYYY-MM-DD" (date-times "YYYY-MM-DD HH:MM:SS"); NULL reads as
// 0, the empty text, false or date 0.
#include "platform/rtl/DateTime.h"

#include <QAnyStringView>
#include <QString>
#include <QVariant>
#include <type_traits>

struct sqlite3_stmt;

// `field` names the value in the error raised when it does not convert. The error's message, for
// the operator, shows the value; its reason, which may go to a log, does not.
QString NotAValue(const char* kind, const QString& field);
long long ValueAsInteger(const QVariant& value, const QString& field);
QString ValueAsString(const QVariant& value);
bool ValueAsBoolean(const QVariant& value, const QString& field);

// A stored date that cannot be read as one (another tool may have written anything) is
// no date: ReadStoredDate gives false, ValueAsDateTime the empty date 0, so one such row
// never stops a whole result from being read.
bool ReadStoredDate(const QVariant& value, TDateTime& date);
bool ReadStoredDate(QByteArrayView utf8, TDateTime& date);
TDateTime ValueAsDateTime(const QVariant& value);

// Dates are kept for the years 1 to 9999; NaN and the infinities are no dates.
bool IsStorableDate(TDateTime value);
// The stored text of a date; raises EDatabaseError naming `name` for one that cannot be kept.
QString DateText(TDateTime value, const QString& name);     // the date part only
QString DateTimeText(TDateTime value, const QString& name); // the date, and the time when there is one

// Column `c` of the statement's current row: null, qlonglong, double, QString or QByteArray.
QVariant ColumnValue(sqlite3_stmt* statement, int c);
// Binds null, bool (as 0/1), integers, doubles and texts; returns SQLite's code.
int BindValue(sqlite3_stmt* statement, int index, const QVariant& value);

// Names of fields and parameters, equal without regard to case. An ASCII name, as the
// program's are, is compared here letter by letter; any other goes to Qt's folding. A
// name of another length is told apart at once (a UTF-8 view is always compared in full).
inline bool SameName(const QString& name, QAnyStringView other)
{
    const auto asciiSame = [&name](auto view) -> int { // 1 same, 0 not, -1 not known here
        if (view.size() != name.size())
            return 0;
        const QChar* c = name.constData();
        for (qsizetype i = 0; i < view.size(); ++i) {
            const char16_t a = c[i].unicode();
            const char16_t b = char16_t(view[i].unicode());
            if (a == b)
                continue;
            if (a >= 0x80 || b >= 0x80)
                return -1;
            const char16_t la = a >= 'A' && a <= 'Z' ? a + 32 : a;
            const char16_t lb = b >= 'A' && b <= 'Z' ? b + 32 : b;
            if (la != lb)
                return 0;
        }
        return 1;
    };
    const int same = other.visit([&](auto view) -> int {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
            return -1;
        else
            return asciiSame(view);
    });
    if (same >= 0)
        return same == 1;
    return QAnyStringView::compare(name, other, Qt::CaseInsensitive) == 0;
}
