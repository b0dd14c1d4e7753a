#include "registration/SearchMemberUnit.h"

TSearchMemberForm* SearchMemberForm = nullptr;

TSearchMemberForm::TSearchMemberForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
