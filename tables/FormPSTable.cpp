#include "tables/FormPSTable.h"

TPSTableForm* PSTableForm = nullptr;

TPSTableForm::TPSTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
