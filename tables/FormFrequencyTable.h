#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormFrequencyTable.h"

class TFrequencyTableForm : public widgets::Form, public Ui::TFrequencyTableForm
{
    Q_OBJECT
public:
    explicit TFrequencyTableForm(QWidget* parent = nullptr);
};

extern TFrequencyTableForm* FrequencyTableForm;
