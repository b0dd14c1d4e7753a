#include "registration/RegistrationList.h"

#include "core/ProgramFiles.h"
#include "core/data/Dbapi.h"
#include "platform/os/Folders.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/MessageForms.h"

#include <algorithm>

namespace registration {

std::optional<int> ProposeNumber(int start, const std::function<bool(const QString&)>& inUse)
{
    // Deliberately none below 1, which an overflow may have left in the counter, and none
    // past the limit: counting on would wrap round to negative numbers.
    for (int number = std::max(start, 1);; ++number) {
        if (!inUse(IntToStr(number)))
            return number;
        if (number == MaxNumber)
            return std::nullopt;
    }
}

int NumberAfter(int added)
{
    // Deliberately held at the limit, never wrapped round.
    return added < MaxNumber ? added + 1 : MaxNumber;
}

std::optional<int> ProposeNewNumber(const QString& section, const QString& number,
                                    const std::function<bool(const QString&)>& inUse)
{
    const std::optional<int> proposed =
        ProposeNumber(ProgramFiles.IniFile->ReadInteger(section, "Number", 1), inUse);
    if (!proposed)
        widgets::ShowError("次に空いている" + number + "を自動的に見つけることができませんでした。\n" +
                           number + "の上限は " + IntToStr(MaxNumber) + " です。");
    return proposed;
}

void DiscardComma(QChar& key)
{
    if (key == u',')
        key = QChar();
}

QString SexText(int sex)
{
    switch (sex) {
    case 0:
        return "Male";
    case 1:
        return "Female";
    default:
        return QString();
    }
}

int SexIndexOfText(const QString& text)
{
    if (text == "Male")
        return 0;
    if (text == "Female")
        return 1;
    return 2;
}

QString ProgramFolder()
{
    const QString file = os::GetProgramFilePath();
    return file.left(file.lastIndexOf('\\') + 1);
}

int ListedRows(const widgets::StringGrid* grid)
{
    return grid->Cell(0, 1).isEmpty() ? 0 : grid->RowCount() - 1;
}

void ClearList(widgets::StringGrid* grid, const QStringList& headers)
{
    SizeList(grid, 0);
    for (int col = 0; col < headers.size(); ++col)
        grid->SetCell(col, 0, headers[col]);
    grid->SetRow(1);
    grid->SetCol(0);
}

void SizeList(widgets::StringGrid* grid, int count)
{
    grid->setRowCount(count + 1 < 2 ? 2 : count + 1);
    if (count == 0)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCell(col, 1, QString());
}

int AppendListRow(widgets::StringGrid* grid)
{
    if (ListedRows(grid) > 0)
        grid->setRowCount(grid->RowCount() + 1);
    const int row = grid->RowCount() - 1;
    grid->SetRow(row);
    return row;
}

void RemoveListRow(widgets::StringGrid* grid, int row)
{
    for (int r = row; r + 1 < grid->RowCount(); ++r)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCell(col, r, grid->Cell(col, r + 1));
    if (grid->RowCount() < 3)
        SizeList(grid, 0);
    else
        grid->setRowCount(grid->RowCount() - 1);
}

QString JoinCells(const widgets::StringGrid* grid, int row, std::initializer_list<int> cols)
{
    QStringList cells;
    for (int col : cols)
        cells << grid->Cell(col, row);
    return cells.join(',');
}

void WarnListCut(const QString& table, int found, int limit)
{
    widgets::ShowWarning(table + "には，該当レコードが " + IntToStr(found) + " 件あります。\n" +
                         IntToStr(limit) + "を越えた分は表示できません。");
}

bool RoomInList(const QString& list, int count, int limit)
{
    if (count < limit)
        return true;
    widgets::ShowWarning(list + "の行数が" + IntToStr(count) + "あります。\n" + IntToStr(limit) +
                         "を越える行は追加できません。");
    return false;
}

bool InputComplete(const QString& message)
{
    if (message.isEmpty())
        return true;
    widgets::ShowError(message);
    return false;
}

void WarnNothingFound(const QString& table)
{
    widgets::ShowWarning(table + "に，該当レコードがありません。");
}

bool ListedRecord(bool held, const QString& failure)
{
    if (held)
        return true;
    widgets::ShowError(failure + "(" + IntToStr(dbNoRow) +
                       ")\n\nこの行のデータは，一覧に読み込まれていません。\n"
                       "検索し直してから，もう一度操作してください。");
    return false;
}

void ShowSearchError(const QString& table, int result)
{
    widgets::ShowError(table + "検索エラー。(" + IntToStr(result) + ")");
}

void ShowReadError(int result)
{
    widgets::ShowError("検索レコードを読み出せません。(" + IntToStr(result) + ")");
}

int RowAfterRemoval(int editRow, int removed)
{
    if (editRow == removed)
        return 0;
    return editRow > removed ? editRow - 1 : editRow;
}

} // namespace registration
