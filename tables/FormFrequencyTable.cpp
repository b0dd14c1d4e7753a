#include "tables/FormFrequencyTable.h"

TFrequencyTableForm* FrequencyTableForm = nullptr;

TFrequencyTableForm::TFrequencyTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
