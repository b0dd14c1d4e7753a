#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_SearchPatientUnit.h"

class TSearchPatientForm : public widgets::Form, public Ui::TSearchPatientForm
{
    Q_OBJECT
public:
    explicit TSearchPatientForm(QWidget* parent = nullptr);
};

extern TSearchPatientForm* SearchPatientForm;
