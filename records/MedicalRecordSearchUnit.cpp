#include "records/MedicalRecordSearchUnit.h"

TMedicalRecordSearchForm* MedicalRecordSearchForm = nullptr;

TMedicalRecordSearchForm::TMedicalRecordSearchForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
