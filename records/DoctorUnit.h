#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_DoctorUnit.h"

class TDoctorForm : public widgets::Form, public Ui::TDoctorForm
{
    Q_OBJECT
public:
    explicit TDoctorForm(QWidget* parent = nullptr);
};

extern TDoctorForm* DoctorForm;
