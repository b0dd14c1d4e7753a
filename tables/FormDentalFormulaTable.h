#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormDentalFormulaTable.h"

class TDentalFormulaTableForm : public widgets::Form, public Ui::TDentalFormulaTableForm
{
    Q_OBJECT
public:
    explicit TDentalFormulaTableForm(QWidget* parent = nullptr);
};

extern TDentalFormulaTableForm* DentalFormulaTableForm;
