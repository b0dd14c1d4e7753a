#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormFoodTable.h"

class TFoodTableForm : public widgets::Form, public Ui::TFoodTableForm
{
    Q_OBJECT
public:
    explicit TFoodTableForm(QWidget* parent = nullptr);
};

extern TFoodTableForm* FoodTableForm;
