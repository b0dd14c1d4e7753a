#pragma once
// The local-SQL rules that SQLite does not share: named parameters found in the text
// without regard to case, and a bare column name that several FROM tables have taken
// as the first such table's.
#include <QString>
#include <QStringList>
#include <vector>

// The distinct parameter names of a statement (":Name" outside literals and quoted
// names), in order of first use; spellings that differ only in case count once.
QStringList ParameterNames(const QString& sql);

struct FromTable
{
    QString name;      // the table
    QString qualifier; // its alias when it has one, else its name
};

// The tables of the first FROM clause, in order.
std::vector<FromTable> FromTables(const QString& sql);

// `sql` with every bare `column` (outside literals, not after "." or ":" and not an
// alias after AS) written `qualifier.column`.
QString QualifyColumn(const QString& sql, const QString& column, const QString& qualifier);
