#include "totals/SumupUnit.h"

TSumupForm* SumupForm = nullptr;

TSumupForm::TSumupForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
