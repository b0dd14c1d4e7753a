// The karte editor's chart grid: the symbols of the tooth codes and where each tooth of
// a check-up shows.
#include "records/MedicalRecordUnit.h"

#include <array>

namespace {

struct ToothCell
{
    int stCheckupRecord::*field;
    int col;
    int row;
};

using R = stCheckupRecord;

// The examinee's right is on the viewer's left; the primary teeth sit on the outer rows.
constexpr std::array<ToothCell, 52> ToothCells = {{
    {&R::iRTA, 7, 1},  {&R::iRTB, 6, 1},  {&R::iRTC, 5, 1},  {&R::iRTD, 4, 1},  {&R::iRTE, 3, 1},
    {&R::iRT1, 7, 3},  {&R::iRT2, 6, 3},  {&R::iRT3, 5, 3},  {&R::iRT4, 4, 3},  {&R::iRT5, 3, 3},
    {&R::iRT6, 2, 3},  {&R::iRT7, 1, 3},  {&R::iRT8, 0, 3},  {&R::iLTA, 8, 1},  {&R::iLTB, 9, 1},
    {&R::iLTC, 10, 1}, {&R::iLTD, 11, 1}, {&R::iLTE, 12, 1}, {&R::iLT1, 8, 3},  {&R::iLT2, 9, 3},
    {&R::iLT3, 10, 3}, {&R::iLT4, 11, 3}, {&R::iLT5, 12, 3}, {&R::iLT6, 13, 3}, {&R::iLT7, 14, 3},
    {&R::iLT8, 15, 3}, {&R::iRBA, 7, 7},  {&R::iRBB, 6, 7},  {&R::iRBC, 5, 7},  {&R::iRBD, 4, 7},
    {&R::iRBE, 3, 7},  {&R::iRB1, 7, 5},  {&R::iRB2, 6, 5},  {&R::iRB3, 5, 5},  {&R::iRB4, 4, 5},
    {&R::iRB5, 3, 5},  {&R::iRB6, 2, 5},  {&R::iRB7, 1, 5},  {&R::iRB8, 0, 5},  {&R::iLBA, 8, 7},
    {&R::iLBB, 9, 7},  {&R::iLBC, 10, 7}, {&R::iLBD, 11, 7}, {&R::iLBE, 12, 7}, {&R::iLB1, 8, 5},
    {&R::iLB2, 9, 5},  {&R::iLB3, 10, 5}, {&R::iLB4, 11, 5}, {&R::iLB5, 12, 5}, {&R::iLB6, 13, 5},
    {&R::iLB7, 14, 5}, {&R::iLB8, 15, 5},
}};

} // namespace

QString TMedicalRecordForm::ToothCodeToSymbol(int code)
{
    static const QString symbols[21] = {"？", "C1", "C2", "C3", "C4", "？", "－", "CR", "セ", "？", "  ",
                                        "×",  "△",  "？", "？", "？", "？", "？", "？", "",   "？"};
    if (code < 0 || code > 20)
        return "??";
    return symbols[code];
}

void TMedicalRecordForm::ClearDentalFormula()
{
    for (int row : {1, 3, 5})
        for (int col = 0; col < 16; ++col)
            DentalFormulaSG->Cells[col][row] = "";
    // Row 7 keeps its corner captions.
    for (int col = 1; col <= 14; ++col)
        DentalFormulaSG->Cells[col][7] = "";
    for (widgets::Label* value :
         {NoValLabel,     C1ValLabel,     C2ValLabel,     C3ValLabel,      C4ValLabel,     CrValLabel,
          AfValLabel,     NeValLabel,     McValLabel,     MiValLabel,      DmftValLabel,   NoMilkValLabel,
          C1MilkValLabel, C2MilkValLabel, C3MilkValLabel, C4MilkValLabel,  CrMilkValLabel, AfMilkValLabel,
          NeMilkValLabel, McMilkValLabel, MiMilkValLabel, DmftMilkValLabel})
        value->SetCaption("0");
}

void TMedicalRecordForm::ShowCheckupFormula(int index)
{
    const stCheckupRecord& checkup = tstChekupRec[index];
    for (const ToothCell& cell : ToothCells)
        DentalFormulaSG->Cells[cell.col][cell.row] = ToothCodeToSymbol(checkup.*cell.field);
}
