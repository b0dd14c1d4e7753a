#include "registration/MemberUnit.h"

TMemberForm* MemberForm = nullptr;

TMemberForm::TMemberForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
}
