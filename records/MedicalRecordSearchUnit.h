#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_MedicalRecordSearchUnit.h"

class TMedicalRecordSearchForm : public widgets::Form, public Ui::TMedicalRecordSearchForm
{
    Q_OBJECT
public:
    explicit TMedicalRecordSearchForm(QWidget* parent = nullptr);
};

extern TMedicalRecordSearchForm* MedicalRecordSearchForm;
