#include "registration/PatientUnit.h"

TPatientForm* PatientForm = nullptr;

TPatientForm::TPatientForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
}
