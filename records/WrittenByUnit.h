#pragma once
// The recorder picker: a fixed list of names; OK (or a double click on a name) closes
// it with bSelected true when a name is chosen, left in the list's ItemIndex for the
// caller. Nothing in the program opens it: the karte dialogs pick from the members.
#include "platform/widgets/Form.h"
#include "ui_WrittenByUnit.h"

class TWrittenByForm : public widgets::Form, public Ui::TWrittenByForm
{
    Q_OBJECT
public:
    explicit TWrittenByForm(QWidget* parent = nullptr);

    bool bSelected = false;

    void FormShow();
    void OkButtonClick();
    void CancelButtonClick();
};

extern TWrittenByForm* WrittenByForm;
