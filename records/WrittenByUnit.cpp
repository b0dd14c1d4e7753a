#include "records/WrittenByUnit.h"

TWrittenByForm* WrittenByForm = nullptr;

TWrittenByForm::TWrittenByForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
