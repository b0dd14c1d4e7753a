#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormTreatmentTable.h"

class TTreatmentTableForm : public widgets::Form, public Ui::TTreatmentTableForm
{
    Q_OBJECT
public:
    explicit TTreatmentTableForm(QWidget* parent = nullptr);
};

extern TTreatmentTableForm* TreatmentTableForm;
