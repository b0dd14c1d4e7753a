#include "tables/FormDentalFormulaTable.h"

TDentalFormulaTableForm* DentalFormulaTableForm = nullptr;

TDentalFormulaTableForm::TDentalFormulaTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
