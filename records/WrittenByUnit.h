#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_WrittenByUnit.h"

class TWrittenByForm : public widgets::Form, public Ui::TWrittenByForm
{
    Q_OBJECT
public:
    explicit TWrittenByForm(QWidget* parent = nullptr);
};

extern TWrittenByForm* WrittenByForm;
