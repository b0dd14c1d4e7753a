#include "records/DentalFormulaUnit.h"

#include "core/Edition.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"

#include <array>

TDentalFormulaForm* DentalFormulaForm = nullptr;
stCheckupRecord stWrkCheckupRec;
int* tpToothField[TDentalFormulaForm::ToothCount] = {};

using namespace widgets;

namespace {

struct ChartPosition
{
    int col;
    int row;
    int stCheckupRecord::*field;
};

using R = stCheckupRecord;

// The 52 tooth cells in the order the cursor walks them: the primary ring (upper row
// left to right, lower row right to left), then the permanent ring the same way. The
// examinee's right is on the viewer's left.
constexpr std::array<ChartPosition, TDentalFormulaForm::ToothCount> ChartPositions = {{
    {3, 1, &R::iRTE},  {4, 1, &R::iRTD},  {5, 1, &R::iRTC},  {6, 1, &R::iRTB},  {7, 1, &R::iRTA},
    {8, 1, &R::iLTA},  {9, 1, &R::iLTB},  {10, 1, &R::iLTC}, {11, 1, &R::iLTD}, {12, 1, &R::iLTE},
    {12, 7, &R::iLBE}, {11, 7, &R::iLBD}, {10, 7, &R::iLBC}, {9, 7, &R::iLBB},  {8, 7, &R::iLBA},
    {7, 7, &R::iRBA},  {6, 7, &R::iRBB},  {5, 7, &R::iRBC},  {4, 7, &R::iRBD},  {3, 7, &R::iRBE},
    {0, 3, &R::iRT8},  {1, 3, &R::iRT7},  {2, 3, &R::iRT6},  {3, 3, &R::iRT5},  {4, 3, &R::iRT4},
    {5, 3, &R::iRT3},  {6, 3, &R::iRT2},  {7, 3, &R::iRT1},  {8, 3, &R::iLT1},  {9, 3, &R::iLT2},
    {10, 3, &R::iLT3}, {11, 3, &R::iLT4}, {12, 3, &R::iLT5}, {13, 3, &R::iLT6}, {14, 3, &R::iLT7},
    {15, 3, &R::iLT8}, {15, 5, &R::iLB8}, {14, 5, &R::iLB7}, {13, 5, &R::iLB6}, {12, 5, &R::iLB5},
    {11, 5, &R::iLB4}, {10, 5, &R::iLB3}, {9, 5, &R::iLB2},  {8, 5, &R::iLB1},  {7, 5, &R::iRB1},
    {6, 5, &R::iRB2},  {5, 5, &R::iRB3},  {4, 5, &R::iRB4},  {3, 5, &R::iRB5},  {2, 5, &R::iRB6},
    {1, 5, &R::iRB7},  {0, 5, &R::iRB8},
}};
constexpr int PrimaryTeeth = 20;

void SetCell(int (&entry)[2], int col, int row)
{
    entry[0] = col;
    entry[1] = row;
}

} // namespace

TDentalFormulaForm::TDentalFormulaForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
    // Keys are read as keys: no input method between them and the grid.
    DentalFormulaSG->setAttribute(Qt::WA_InputMethodEnabled, false);
    // The corner captions are wider than a symbol: shown cut rather than as dots.
    DentalFormulaSG->setTextElideMode(Qt::ElideNone);

    for (int p = 0; p < ToothCount; ++p) {
        const ChartPosition& position = ChartPositions[size_t(p)];
        tnToothCol[p] = position.col;
        tnToothRow[p] = position.row;
        tbMilkTooth[p] = p < PrimaryTeeth ? 1 : 0;
        tpToothField[p] = &(stWrkCheckupRec.*position.field);
        tnEditableCell[position.col][position.row] = 1;
        // Each dentition is a ring.
        const int first = p < PrimaryTeeth ? 0 : PrimaryTeeth;
        const int size = p < PrimaryTeeth ? PrimaryTeeth : ToothCount - PrimaryTeeth;
        const ChartPosition& next = ChartPositions[size_t(first + (p - first + 1) % size)];
        const ChartPosition& prev = ChartPositions[size_t(first + (p - first + size - 1) % size)];
        SetCell(tnNextCell[position.col][position.row], next.col, next.row);
        SetCell(tnPrevCell[position.col][position.row], prev.col, prev.row);
    }
    for (int col = 0; col < ChartCols; ++col) {
        // The blank ends of the primary rows lead to the permanent row beside them.
        for (int row : {1, 7}) {
            if (tnEditableCell[col][row])
                continue;
            const int permanentRow = row == 1 ? 3 : 5;
            SetCell(tnNextCell[col][row], col, permanentRow);
            SetCell(tnPrevCell[col][row], col, permanentRow);
        }
        // The label rows lead where the tooth row below them does.
        for (int row : {0, 2, 4, 6})
            for (int i = 0; i < 2; ++i) {
                tnNextCell[col][row][i] = tnNextCell[col][row + 1][i];
                tnPrevCell[col][row][i] = tnPrevCell[col][row + 1][i];
            }
    }

    Connect(this, &Form::OnShow, this, &TDentalFormulaForm::FormShow);
    Connect(DentalFormulaSG, &StringGrid::KeyDown, this, &TDentalFormulaForm::DentalFormulaSGKeyDown);
    Connect(OkButton, &QPushButton::clicked, this, &TDentalFormulaForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TDentalFormulaForm::CancelButtonClick);
    Edition().ChartEditorMade(*this);
}

void TDentalFormulaForm::FormShow()
{
    // The examinee's upper right 8: where a chart is usually read from.
    DentalFormulaSG->setFocus();
    DentalFormulaSG->SetCol(0);
    DentalFormulaSG->SetRow(3);
}

std::optional<QString> KeySymbol(int key)
{
    switch (key) {
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return "－";
    case '1':
    case VK_NUMPAD0 + 1:
        return "C1";
    case '2':
    case VK_NUMPAD0 + 2:
        return "C2";
    case '3':
    case VK_NUMPAD0 + 3:
        return "C3";
    case '4':
    case VK_NUMPAD0 + 4:
        return "C4";
    case '7':
    case 'R':
    case VK_NUMPAD0 + 7:
        return "CR";
    case '8':
    case 'A':
    case VK_NUMPAD0 + 8:
        return "セ";
    // The blank keys empty the cell (stored as "not specified"), unlike the two blanks
    // the karte editor shows for "not erupted".
    case VK_SPACE:
    case VK_OEM_PERIOD:
    case VK_DECIMAL:
        return "";
    case VK_OEM_2:
    case 'X':
    case VK_DIVIDE:
        return "×";
    case '0':
    case 'M':
    case VK_NUMPAD0:
        return "△";
    default:
        return std::nullopt;
    }
}

void TDentalFormulaForm::DentalFormulaSGKeyDown(int& key, widgets::TShiftState)
{
    // Enter and Esc press the window's buttons wherever the cursor is.
    if (key == VK_RETURN || key == VK_ESCAPE || Edition().ChartKeyDown(*this, key))
        return;
    const int col = DentalFormulaSG->Col();
    const int row = DentalFormulaSG->Row();
    const bool toothRow = row % 2 == 1;
    if (toothRow && key >= VK_LEFT && key <= VK_DOWN) {
        // The walk runs right to left along the lower rows.
        const bool lowerRow = row == 5 || row == 7;
        switch (key) {
        case VK_UP:
            DentalFormulaSG->SetRow(row == 1 ? 7 : row - 2);
            break;
        case VK_DOWN:
            DentalFormulaSG->SetRow(row == 7 ? 1 : row + 2);
            break;
        case VK_LEFT:
            lowerRow ? MoveToNextTooth() : MoveToPreviousTooth();
            break;
        case VK_RIGHT:
            lowerRow ? MoveToPreviousTooth() : MoveToNextTooth();
            break;
        }
        key = 0;
        return;
    }
    if (key == 'C' || key == VK_ADD || key == VK_OEM_PLUS) {
        ToggleDentition();
        key = 0;
        return;
    }
    if (!tnEditableCell[col][row]) {
        key = 0;
        return;
    }
    if (const std::optional<QString> symbol = KeySymbol(key)) {
        DentalFormulaSG->Cells[col][row] = *symbol;
        MoveToNextTooth();
    }
}

void TDentalFormulaForm::MoveToNextTooth()
{
    MoveAlong(tnNextCell);
}

void TDentalFormulaForm::MoveToPreviousTooth()
{
    MoveAlong(tnPrevCell);
}

void TDentalFormulaForm::MoveAlong(const int (&cells)[ChartCols][ChartRows][2])
{
    const int col = DentalFormulaSG->Col();
    const int row = DentalFormulaSG->Row();
    const bool inChart = col >= 0 && col < ChartCols && row >= 0 && row < ChartRows;
    // Column first, then row; off the chart, back to the upper right 8.
    DentalFormulaSG->SetCol(inChart ? cells[col][row][0] : 0);
    DentalFormulaSG->SetRow(inChart ? cells[col][row][1] : 3);
}

TChartCell ToggledCell(int col, int row)
{
    // Only columns 3 to 12 hold primary teeth.
    const int primaryCol = qBound(3, col, 12);
    switch (row) {
    case 0:
    case 1:
        return {col, 3};
    case 2:
    case 3:
        return {primaryCol, 1};
    case 4:
    case 5:
        return {primaryCol, 7};
    default:
        return {col, 5};
    }
}

void TDentalFormulaForm::ToggleDentition()
{
    const TChartCell target = ToggledCell(DentalFormulaSG->Col(), DentalFormulaSG->Row());
    DentalFormulaSG->SetCol(target.col);
    DentalFormulaSG->SetRow(target.row);
}

int TDentalFormulaForm::CellTextToCode(const QString& text)
{
    static const std::pair<QString, int> codes[] = {
        {"C1", 1}, {"C2", 2},  {"C3", 3}, {"C4", 4}, {"－", 6}, {"CR", 7},
        {"セ", 8}, {"  ", 10}, {"×", 11}, {"△", 12}, {"", 19},
    };
    for (const auto& [symbol, code] : codes)
        if (text == symbol)
            return code;
    return 10;
}

int& ToothCode(stCheckupRecord& checkup, int position)
{
    return checkup.*ChartPositions[size_t(position)].field;
}

TChartCell ToothCell(int position)
{
    const ChartPosition& cell = ChartPositions[size_t(position)];
    return {cell.col, cell.row};
}

void CopyChartCells(const widgets::StringGrid& from, widgets::StringGrid& to)
{
    for (int col = 0; col < TDentalFormulaForm::ChartCols; ++col)
        for (int row = 0; row < TDentalFormulaForm::ChartRows; ++row)
            to.SetCell(col, row, from.Cell(col, row));
}

QString ChartOkLog(int itemIndex)
{
    return QString("TDentalFormulaForm::OkButtonClick 11: [歯式表]画面->[更新]ボタン\n"
                   "  MRF->CheckupDateListBox->ItemIndex=%1\n")
        .arg(itemIndex);
}

QString CheckupLogFields(const stCheckupRecord& checkup)
{
    const auto two = [](int code) { return QString("%1").arg(code, 2); };
    return QString("      iCode     =%1\n"
                   "      tDate     =%2\n"
                   "      asKarteNo =%3\n"
                   "      iShoolCode=%4\n"
                   "      asMemo    =%5\n")
               .arg(QString::number(checkup.iCode), DateToStr(checkup.tDate), checkup.asKarteNo,
                    QString::number(checkup.iSchoolCode), checkup.asMemo) +
           QString("      iRTA..E   =%1_%2_%3_%4_%5\n")
               .arg(two(checkup.iRTA), two(checkup.iRTB), two(checkup.iRTC), two(checkup.iRTD),
                    two(checkup.iRTE)) +
           QString("      iRT1..5   =%1_%2_%3_%4_%5 }\n")
               .arg(two(checkup.iRT1), two(checkup.iRT2), two(checkup.iRT3), two(checkup.iRT4),
                    two(checkup.iRT5));
}

QString ChartStoreLog(int result, const stCheckupRecord& checkup)
{
    return QString("TDentalFormulaForm::OkButtonClick 55: 検診テーブルを書き換え\n"
                   "  {iRC=%1(1:OK,<0:Error} = ReplaceCheckup(\n"
                   "    {stWrkCheckupRec.=\n")
               .arg(result) +
           CheckupLogFields(checkup);
}

void TDentalFormulaForm::OkButtonClick()
{
    TMedicalRecordForm* karte = MedicalRecordForm;
    const QString head = "[" + OkButton->Caption() + "]\n";
    const int i = karte->CheckupDateListBox->ItemIndex();
    WriteDebLogBlock(ChartOkLog(i));
    if (!karte->IsCheckupIndex(i)) {
        ShowError(NoCheckupSelected(head, "歯式表を更新する"));
        return;
    }

    stWrkCheckupRec = karte->tstChekupRec[i];
    for (int p = 0; p < ToothCount; ++p)
        *tpToothField[p] = CellTextToCode(DentalFormulaSG->Cells[tnToothCol[p]][tnToothRow[p]]);
    // Only a check-up of the karte the editor shows, and only while it is as the editor read it:
    // another program's chart stored meanwhile is not written over.
    const int iRC = ReplaceCheckup(stWrkCheckupRec, karte->stMediRec.iCode, &karte->tstChekupRec[i]);
    WriteDebLogBlock(ChartStoreLog(iRC, stWrkCheckupRec));
    if (iRC < 0) {
        // The typed cells stay: the operator may try again or cancel.
        ShowError(head + "検診テーブルを書き換えられませんでした。(" + QString::number(iRC) + ")\n  iCode=" +
                  QString::number(stWrkCheckupRec.iCode) + "\n  tdDate=" + DateToStr(stWrkCheckupRec.tDate) +
                  "\n  asKarteNo=" + stWrkCheckupRec.asKarteNo +
                  "\n  iSchoolCode=" + QString::number(stWrkCheckupRec.iSchoolCode) +
                  "\n  asMemo=" + stWrkCheckupRec.asMemo + RefusalNote());
        return;
    }

    karte->tstChekupRec[karte->CheckupDateListBox->ItemIndex()] = stWrkCheckupRec;
    CopyChartCells(*DentalFormulaSG, *karte->DentalFormulaSG);
    karte->UpdateToothCounts();
    SetModalResult(mrOk);
}

void TDentalFormulaForm::CancelButtonClick()
{
    Close();
}
