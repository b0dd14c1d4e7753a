#include "records/EditDietUnit.h"

TEditDietForm* EditDietForm = nullptr;

TEditDietForm::TEditDietForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
