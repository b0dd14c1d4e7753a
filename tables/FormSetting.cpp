#include "tables/FormSetting.h"

TSettingForm* SettingForm = nullptr;

TSettingForm::TSettingForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::DesktopCenter;
}
