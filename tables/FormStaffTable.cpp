#include "tables/FormStaffTable.h"

TStaffTableForm* StaffTableForm = nullptr;

TStaffTableForm::TStaffTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
