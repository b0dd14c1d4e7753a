#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormPatientTable.h"

class TPatientTableForm : public widgets::Form, public Ui::TPatientTableForm
{
    Q_OBJECT
public:
    explicit TPatientTableForm(QWidget* parent = nullptr);
};

extern TPatientTableForm* PatientTableForm;
