// The karte editor's chart grid: the symbols of the tooth codes, placed as the chart
// editor places them.
#include "records/DentalFormulaUnit.h"
#include "records/MedicalRecordUnit.h"

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
    stCheckupRecord& checkup = tstChekupRec[index];
    for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p) {
        const TChartCell cell = ToothCell(p);
        DentalFormulaSG->Cells[cell.col][cell.row] = ToothCodeToSymbol(ToothCode(checkup, p));
    }
}
