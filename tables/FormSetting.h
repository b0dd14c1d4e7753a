#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormSetting.h"

class TSettingForm : public widgets::Form, public Ui::TSettingForm
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget* parent = nullptr);
};

extern TSettingForm* SettingForm;
