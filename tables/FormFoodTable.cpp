#include "tables/FormFoodTable.h"

TFoodTableForm* FoodTableForm = nullptr;

TFoodTableForm::TFoodTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
