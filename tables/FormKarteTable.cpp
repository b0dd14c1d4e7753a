#include "tables/FormKarteTable.h"

TKarteTableForm* KarteTableForm = nullptr;

TKarteTableForm::TKarteTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
