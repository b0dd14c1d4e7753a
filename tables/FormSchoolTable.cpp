#include "tables/FormSchoolTable.h"

TSchoolTableForm* SchoolTableForm = nullptr;

TSchoolTableForm::TSchoolTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
