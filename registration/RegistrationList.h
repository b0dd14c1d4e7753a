#pragma once
// What the examinee and member windows share: the number a new entry is proposed, the
// comma filter of their name fields, and their lists. A list is a grid whose row r
// shows element r - 1 of the window's records; the two are changed together, so a
// row's record always belongs to that row. Row 1 with an empty number cell means
// nothing is listed.
#include "platform/widgets/StringGrid.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace registration {

// The highest examinee or member number: the counters stop there.
constexpr int MaxNumber = std::numeric_limits<int>::max();

// The first number from `start` on that no live entry holds; none when every number up
// to MaxNumber is held. A start below 1, which the program never writes, counts from 1.
std::optional<int> ProposeNumber(int start, const std::function<bool(const QString&)>& inUse);
// The counter once `added` is stored: the next number, or MaxNumber itself, so that
// the next New says there is none rather than the counter wrapping round.
int NumberAfter(int added);
// New's number from [`section`] Number (default 1) on; none after the error box when
// every one is held, the box naming the number as `number` ("受診者番号").
std::optional<int> ProposeNewNumber(const QString& section, const QString& number,
                                    const std::function<bool(const QString&)>& inUse);

// The name fields' key filter: a typed comma is discarded (the lists are joined by commas
// in the messages and the mail-merge files).
void DiscardComma(QChar& key);

// Sex codes are the item indexes of the sex lists: "Male", "Female" and the empty item.
QString SexText(int sex);
int SexIndexOfText(const QString& text);

// The program's own folder, with its trailing separator.
QString ProgramFolder();

// The number of rows listed (0 when row 1 is empty).
int ListedRows(const widgets::StringGrid* grid);
// Two rows, the headers in row 0, row 1 empty and current.
void ClearList(widgets::StringGrid* grid, const QStringList& headers);
// Sets the grid to `count` listed rows (two rows with row 1 empty for none).
void SizeList(widgets::StringGrid* grid, int count);
// The row a new entry goes into: row 1 when nothing is listed, else a new last row.
// It becomes the current row.
int AppendListRow(widgets::StringGrid* grid);
// Moves the following rows up; with only row 1 left it is emptied instead.
void RemoveListRow(widgets::StringGrid* grid, int row);
// The cells `cols` of `row`, joined by ",".
QString JoinCells(const widgets::StringGrid* grid, int row, std::initializer_list<int> cols);

// The input check's result: false, after the error box, when `message` names missing fields.
bool InputComplete(const QString& message);

// The search's warning that a list is cut at `limit`: "<table>には，該当レコードが n 件
// あります。..." with the table named as the windows name it ("受診者テーブル").
void WarnListCut(const QString& table, int found, int limit);
void WarnNothingFound(const QString& table);
// Add's check that the list has a row for one more entry: with all `limit` rows shown, the
// warning "<list>の行数が n あります。..." ("受診者一覧") and false, so nothing is stored that
// the list could not show.
bool RoomInList(const QString& list, int count, int limit);
// A listed row whose record the window does not hold (the list at its limit) is never stored,
// deleted or chosen by its number alone: false, after the error box with `failure`, the code
// of a row not found and why.
bool ListedRecord(bool held, const QString& failure);
void ShowSearchError(const QString& table, int result);
// A search's rows that cannot be read.
void ShowReadError(int result);

// The edited row once `removed` is gone: the same entry's new row, 0 when it was removed.
int RowAfterRemoval(int editRow, int removed);

// The window's records behind its list, at most `limit` of them.
template <class Rec> class TRecordList
{
public:
    explicit TRecordList(int limit) : records(limit) {}
    int Limit() const { return int(records.size()); }
    Rec* Data() { return records.data(); }
    Rec& operator[](int index) { return records[index]; }
    const Rec& operator[](int index) const { return records[index]; }
    bool Has(int index) const { return index >= 0 && index < count; }
    // False when the list is full.
    bool Append(const Rec& rec)
    {
        if (count >= Limit())
            return false;
        records[count++] = rec;
        return true;
    }
    void Remove(int index)
    {
        if (!Has(index))
            return;
        for (int i = index; i + 1 < count; ++i)
            records[i] = records[i + 1];
        records[--count] = Rec();
    }

    std::vector<Rec> records;
    int count = 0;
};

// A search's result, `found` rows open on the data store, read into `records` by `read`
// (the data store's reader) and made their count: the error and -1 when the search
// failed (the list untouched), the warning for no row and for more than the limit.
// The number of rows to list.
template <class Rec, class Reader>
int ListFound(const QString& table, int found, TRecordList<Rec>& records, Reader read)
{
    if (found < 0) {
        ShowSearchError(table, found);
        return -1;
    }
    int count = found;
    if (found == 0)
        WarnNothingFound(table);
    if (found > records.Limit()) {
        WarnListCut(table, found, records.Limit());
        count = records.Limit();
    }
    const int got = read(records.Data(), count);
    if (got < 0) {
        ShowReadError(got);
        count = 0;
    } else if (got < count) {
        count = got;
    }
    records.count = count;
    return count;
}

} // namespace registration
