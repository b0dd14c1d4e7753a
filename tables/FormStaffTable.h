#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormStaffTable.h"

class TStaffTableForm : public widgets::Form, public Ui::TStaffTableForm
{
    Q_OBJECT
public:
    explicit TStaffTableForm(QWidget* parent = nullptr);
};

extern TStaffTableForm* StaffTableForm;
