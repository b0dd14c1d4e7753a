#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_PrintCardUnit.h"

class TPrintCardForm : public widgets::Form, public Ui::TPrintCardForm
{
    Q_OBJECT
public:
    explicit TPrintCardForm(QWidget* parent = nullptr);
};

extern TPrintCardForm* PrintCardForm;
