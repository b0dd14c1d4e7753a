#include "totals/FormTotal.h"

TTotalForm* TotalForm = nullptr;

TTotalForm::TTotalForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
