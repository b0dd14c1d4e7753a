#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormTotal.h"

class TTotalForm : public widgets::Form, public Ui::TTotalForm
{
    Q_OBJECT
public:
    explicit TTotalForm(QWidget* parent = nullptr);
};

extern TTotalForm* TotalForm;
