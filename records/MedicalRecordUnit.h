#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_MedicalRecordUnit.h"

class TMedicalRecordForm : public widgets::Form, public Ui::TMedicalRecordForm
{
    Q_OBJECT
public:
    explicit TMedicalRecordForm(QWidget* parent = nullptr);
};

extern TMedicalRecordForm* MedicalRecordForm;
