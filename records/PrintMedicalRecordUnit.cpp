#include "records/PrintMedicalRecordUnit.h"

TPrintMedicalRecordForm* PrintMedicalRecordForm = nullptr;

TPrintMedicalRecordForm::TPrintMedicalRecordForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
