#include "records/EditTreatmentUnit.h"

TEditTreatmentForm* EditTreatmentForm = nullptr;

TEditTreatmentForm::TEditTreatmentForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
