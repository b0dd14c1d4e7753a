#include "registration/SearchPatientUnit.h"

TSearchPatientForm* SearchPatientForm = nullptr;

TSearchPatientForm::TSearchPatientForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
