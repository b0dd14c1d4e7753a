#include "records/MedicalRecordUnit.h"

TMedicalRecordForm* MedicalRecordForm = nullptr;

TMedicalRecordForm::TMedicalRecordForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
}
