#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormJobTable.h"

class TJobTableForm : public widgets::Form, public Ui::TJobTableForm
{
    Q_OBJECT
public:
    explicit TJobTableForm(QWidget* parent = nullptr);
};

extern TJobTableForm* JobTableForm;
