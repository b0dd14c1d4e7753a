#pragma once
// The dentist picker: a fixed list of names; OK (or a double click on a name) closes
// it with bSelected true when a name is chosen, left in the list's ItemIndex for the
// caller. Nothing in the program opens it: the karte dialogs pick from the members.
#include "platform/widgets/Form.h"
#include "ui_DoctorUnit.h"

class TDoctorForm : public widgets::Form, public Ui::TDoctorForm
{
    Q_OBJECT
public:
    explicit TDoctorForm(QWidget* parent = nullptr);

    bool bSelected = false;

    void FormShow();
    void OkButtonClick();
    void CancelButtonClick();
};

extern TDoctorForm* DoctorForm;
