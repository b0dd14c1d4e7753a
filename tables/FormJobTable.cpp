#include "tables/FormJobTable.h"

TJobTableForm* JobTableForm = nullptr;

TJobTableForm::TJobTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
