#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormPSTable.h"

class TPSTableForm : public widgets::Form, public Ui::TPSTableForm
{
    Q_OBJECT
public:
    explicit TPSTableForm(QWidget* parent = nullptr);
};

extern TPSTableForm* PSTableForm;
