#pragma once
// How values are kept in the database file and read back: integers, texts, booleans
// as 0 and 1, dates as "YYYY-MM-DD" (date-times "YYYY-MM-DD HH:MM:SS"); NULL reads as
// 0, the empty text, false or date 0.
#include "platform/rtl/DateTime.h"

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

// `field` names the value in the error raised when it does not convert.
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
