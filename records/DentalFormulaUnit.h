#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_DentalFormulaUnit.h"

class TDentalFormulaForm : public widgets::Form, public Ui::TDentalFormulaForm
{
    Q_OBJECT
public:
    explicit TDentalFormulaForm(QWidget* parent = nullptr);
};

extern TDentalFormulaForm* DentalFormulaForm;
