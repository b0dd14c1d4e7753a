#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormKarteTable.h"

class TKarteTableForm : public widgets::Form, public Ui::TKarteTableForm
{
    Q_OBJECT
public:
    explicit TKarteTableForm(QWidget* parent = nullptr);
};

extern TKarteTableForm* KarteTableForm;
