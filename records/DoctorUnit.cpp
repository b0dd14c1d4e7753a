#include "records/DoctorUnit.h"

TDoctorForm* DoctorForm = nullptr;

TDoctorForm::TDoctorForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
