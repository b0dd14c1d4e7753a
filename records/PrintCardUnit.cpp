#include "records/PrintCardUnit.h"

TPrintCardForm* PrintCardForm = nullptr;

TPrintCardForm::TPrintCardForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}
