#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_EditDietUnit.h"

class TEditDietForm : public widgets::Form, public Ui::TEditDietForm
{
    Q_OBJECT
public:
    explicit TEditDietForm(QWidget* parent = nullptr);
};

extern TEditDietForm* EditDietForm;
