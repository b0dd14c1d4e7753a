#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_MemberUnit.h"

class TMemberForm : public widgets::Form, public Ui::TMemberForm
{
    Q_OBJECT
public:
    explicit TMemberForm(QWidget* parent = nullptr);
};

extern TMemberForm* MemberForm;
