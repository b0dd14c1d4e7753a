#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_PrintMedicalRecordUnit.h"

class TPrintMedicalRecordForm : public widgets::Form, public Ui::TPrintMedicalRecordForm
{
    Q_OBJECT
public:
    explicit TPrintMedicalRecordForm(QWidget* parent = nullptr);
};

extern TPrintMedicalRecordForm* PrintMedicalRecordForm;
