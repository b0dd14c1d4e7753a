#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_SearchMemberUnit.h"

class TSearchMemberForm : public widgets::Form, public Ui::TSearchMemberForm
{
    Q_OBJECT
public:
    explicit TSearchMemberForm(QWidget* parent = nullptr);
};

extern TSearchMemberForm* SearchMemberForm;
