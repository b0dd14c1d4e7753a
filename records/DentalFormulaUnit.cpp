#include "records/DentalFormulaUnit.h"

TDentalFormulaForm* DentalFormulaForm = nullptr;

TDentalFormulaForm::TDentalFormulaForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
