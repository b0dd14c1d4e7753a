#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_EditTreatmentUnit.h"

class TEditTreatmentForm : public widgets::Form, public Ui::TEditTreatmentForm
{
    Q_OBJECT
public:
    explicit TEditTreatmentForm(QWidget* parent = nullptr);
};

extern TEditTreatmentForm* EditTreatmentForm;
