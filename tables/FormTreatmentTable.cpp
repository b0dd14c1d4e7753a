#include "tables/FormTreatmentTable.h"

TTreatmentTableForm* TreatmentTableForm = nullptr;

TTreatmentTableForm::TTreatmentTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
