#pragma once
// Only the window itself and its three mode buttons for now: the opener sets their visibility.
#include "platform/widgets/Form.h"
#include "ui_PatientUnit.h"

class TPatientForm : public widgets::Form, public Ui::TPatientForm
{
    Q_OBJECT
public:
    explicit TPatientForm(QWidget* parent = nullptr);
};

extern TPatientForm* PatientForm;
