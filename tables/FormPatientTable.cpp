#include "tables/FormPatientTable.h"

TPatientTableForm* PatientTableForm = nullptr;

TPatientTableForm::TPatientTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
