#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_SumupUnit.h"

class TSumupForm : public widgets::Form, public Ui::TSumupForm
{
    Q_OBJECT
public:
    explicit TSumupForm(QWidget* parent = nullptr);
};

extern TSumupForm* SumupForm;
