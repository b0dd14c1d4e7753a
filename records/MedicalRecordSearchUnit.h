#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_MedicalRecordSearchUnit.h"

class TMedicalRecordSearchForm : public widgets::Form, public Ui::TMedicalRecordSearchForm
{
    Q_OBJECT
public:
    explicit TMedicalRecordSearchForm(QWidget* parent = nullptr);

    // 1 once Open has written a karte into the karte editor; 0 otherwise.
    unsigned char bOpened = 0;
};

extern TMedicalRecordSearchForm* MedicalRecordSearchForm;
