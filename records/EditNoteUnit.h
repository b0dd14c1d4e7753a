#pragma once
// Only the window itself for now: caption, size and border.
#include "platform/widgets/Form.h"
#include "ui_EditNoteUnit.h"

class TEditNoteForm : public widgets::Form, public Ui::TEditNoteForm
{
    Q_OBJECT
public:
    explicit TEditNoteForm(QWidget* parent = nullptr);
};

extern TEditNoteForm* EditNoteForm;
