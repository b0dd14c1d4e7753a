#pragma once
// What the table editors share. They put their own statements into the data module's
// queries (DBDM->Query1 to Query3) and show the results in data-aware grids, which
// follow whatever those queries hold; every data-store operation refills its query
// before use, so nothing relies on what an editor leaves there.
#include "platform/db/Query.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class TDataSource;
class TDBDM;
namespace widgets {
class DBGrid;
class Form;
} // namespace widgets

namespace tables {

// Replaces the query's statement by `lines`, closing the query first.
void SetStatement(TQuery* query, const QStringList& lines);
// SetStatement, then opens the query. False when any of it throws: a list that cannot
// be read shows no rows and says nothing.
bool OpenStatement(TQuery* query, const QStringList& lines);
// The same for a list whose lines hold :Search when `search` is not empty, bound to
// the pattern of that text.
bool OpenStatement(TQuery* query, const QStringList& lines, const QString& search);

// SetStatement, binds Code and runs it: opened for a SELECT (the row count is the
// result), executed otherwise (0).
int RunWithCode(TQuery* query, const QStringList& lines, int code);

// Binds the grids to their data module's data sources while the window shows (call
// before connecting the window's show handler), so a hidden editor never redraws.
struct GridBinding
{
    widgets::DBGrid* grid;
    TDataSource* TDBDM::*source;
};
void BindWhileShown(widgets::Form* form, std::vector<GridBinding> bindings);

// From column lines as a select list writes them ("Name, ", ..., "Flag "): the
// parameter lines (":Name, ") and the assignment lines ("Name=:Name, ").
QStringList ParameterLines(const QStringList& columns);
QStringList AssignmentLines(const QStringList& columns);

// The LIKE pattern bound for a search text: the text is matched, never read as SQL.
QString SearchPattern(const QString& text);

// Whether the dataset is open and has a row.
bool HasRows(const TDataSet* data);
// The label text: `prefix` followed by the row count.
QString CountCaption(const QString& prefix, const TDataSet* data);

// Enables or disables the controls; edits and date pickers among them take the window
// colour when on and the button-face colour when off.
void EnableControls(const std::vector<QWidget*>& controls, bool on);
// Empties the edits among the controls.
void ClearEdits(const std::vector<QWidget*>& controls);

// Walks the dataset from its first row to the row whose Code is `code` and stays
// there; when none has it, the walk ends on the last row. True when found.
bool LocateCode(TDataSet* data, int code);

// The current row's columns read as text, joined with ", ", " ..." appended when
// the dataset has more than one row.
QString FirstRowText(const TDataSet* data, const QStringList& columns);

// The text as a decimal integer, 0 when it is not one.
int DecimalOrZero(const QString& text);

// The master-data delete. Reads Code and `nameField` of `list`'s current row, runs
// `referenceLines` (Code bound) on `references` and, when they find rows, asks
// `question(name, count)`; closes Query1; on Yes (or with no references) `remove(code)`.
// A failure on the way shows the error box `failure(code)`.
enum class DeleteOutcome { NoRow, Done, Failed };
DeleteOutcome DeleteAfterQuestion(TDataSet* list, const QString& nameField, TQuery* references,
                                  const QStringList& referenceLines,
                                  const std::function<QString(const QString& name, int count)>& question,
                                  const std::function<void(int code)>& remove,
                                  const std::function<QString(int code)>& failure);

// A picker list whose current row gives a foreign key. After Locate of a code the list
// does not hold, the row's own code stays the choice (and no row shows chosen) until
// the operator picks a row, rather than whichever row the walk ended on.
class PickerChoice : public QObject
{
public:
    PickerChoice(TDataSource* source, widgets::DBGrid* grid);

    // A new row: the picker's current row is the choice.
    void Reset();
    // A row being changed: its code is the choice; the picker shows it when it can
    // (true).
    bool Locate(int code);
    // The code to write: the kept code until the operator picked a row, else the
    // picker's current Code (0 when it is empty).
    int Code() const;

private:
    void Moved();
    TDataSource* source;
    widgets::DBGrid* grid;
    bool locating = false;
    bool kept = false;
    int keptCode = 0;
};

} // namespace tables
