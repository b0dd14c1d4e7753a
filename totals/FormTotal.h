#pragma once
// A totals window by birth-date range that was never finished: its controls are laid
// out but nothing opens it and it has no handler; the sum-up window makes the totals.
#include "platform/widgets/Form.h"
#include "ui_FormTotal.h"

class TTotalForm : public widgets::Form, public Ui::TTotalForm
{
    Q_OBJECT
public:
    explicit TTotalForm(QWidget* parent = nullptr);
};

extern TTotalForm* TotalForm;
