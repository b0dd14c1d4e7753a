#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_FormSchoolTable.h"

class TSchoolTableForm : public widgets::Form, public Ui::TSchoolTableForm
{
    Q_OBJECT
public:
    explicit TSchoolTableForm(QWidget* parent = nullptr);
};

extern TSchoolTableForm* SchoolTableForm;
