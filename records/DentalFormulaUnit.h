#pragma once
// The chart editor: the dialog in which the operator types the 52 tooth codes of the
// check-up selected in the karte editor, almost entirely from the keyboard. A key
// writes its symbol into the current tooth cell and moves the cursor on along a fixed
// walk over the jaw: the primary teeth as one ring (upper row left to right, lower
// row right to left), the permanent teeth as another.
//
// The karte editor copies its chart grid in cell by cell and shows the dialog. OK turns
// the cells into codes, stores the check-up with ReplaceCheckup and, when that succeeds,
// writes the record and the grid back into the karte editor and has it recount. Cancel,
// Esc and the close box write nothing; a failed store leaves the dialog open.
//
// The karte editor's recount reads the position tables and CellTextToCode from here.
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/StringGrid.h"
#include "ui_DentalFormulaUnit.h"

#include <QString>
#include <optional>

class TDentalFormulaForm : public widgets::Form, public Ui::TDentalFormulaForm
{
    Q_OBJECT
public:
    static constexpr int ChartCols = 16;
    static constexpr int ChartRows = 8;
    static constexpr int ToothCount = 52;

    explicit TDentalFormulaForm(QWidget* parent = nullptr);

    // Per cell (column, row): the cell the cursor goes to next and before.
    int tnNextCell[ChartCols][ChartRows][2] = {};
    int tnPrevCell[ChartCols][ChartRows][2] = {};
    // 1 for the tooth cells.
    int tnEditableCell[ChartCols][ChartRows] = {};
    // Per chart position 0 to 51: the cell, and 1 for a primary tooth.
    int tnToothCol[ToothCount] = {};
    int tnToothRow[ToothCount] = {};
    unsigned char tbMilkTooth[ToothCount] = {};

    void FormShow();
    void DentalFormulaSGKeyDown(int& key, widgets::TShiftState shift);
    void MoveToNextTooth();
    void MoveToPreviousTooth();
    void ToggleDentition();
    // The code a cell's symbol stands for; a text of no symbol counts as not erupted.
    static int CellTextToCode(const QString& text);
    void OkButtonClick();
    void CancelButtonClick();

private:
    // To the entry of the current cell in `cells`.
    void MoveAlong(const int (&cells)[ChartCols][ChartRows][2]);
};

extern TDentalFormulaForm* DentalFormulaForm;

// The check-up OK stores; it keeps its last contents between openings.
extern stCheckupRecord stWrkCheckupRec;
// The tooth fields of stWrkCheckupRec in chart-position order.
extern int* tpToothField[TDentalFormulaForm::ToothCount];

// The dialog's rules, without widgets.

// The symbol a key of the chart editor writes (virtual-key codes; the main block and
// the number pad alike), or nothing for a key that writes none.
std::optional<QString> KeySymbol(int key);

// Where the toggle between the dentitions takes the cursor from (col, row).
struct TChartCell
{
    int col = 0;
    int row = 0;
    bool operator==(const TChartCell&) const = default;
};
TChartCell ToggledCell(int col, int row);

// The code of the tooth at chart position `position` (0 to 51) of `checkup`.
int& ToothCode(stCheckupRecord& checkup, int position);
// The grid cell of chart position `position`, the same in the karte editor's chart.
TChartCell ToothCell(int position);

// Every cell of the chart grid `from`, label rows included, into `to`.
void CopyChartCells(const widgets::StringGrid& from, widgets::StringGrid& to);

// A check-up as the debug-log blocks show it: its fields and its first ten upper-right
// codes, each two wide.
QString CheckupLogFields(const stCheckupRecord& checkup);

// The debug-log blocks of OK: before the store, with the karte editor's selection, and
// after it, with the result and the record.
QString ChartOkLog(int itemIndex);
QString ChartStoreLog(int result, const stCheckupRecord& checkup);
