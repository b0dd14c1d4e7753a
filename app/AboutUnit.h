#pragma once
// The version dialog behind the main menu's VersionButton: the file description,
// version and maker from the program file's version information, read once when the
// dialog is made.
#include "platform/widgets/Form.h"
#include "ui_AboutUnit.h"

class TAboutForm : public widgets::Form, public Ui::TAboutForm
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // The labels from the program file's version information (Kelvara2 fills them once,
    // when the dialog is made).
    void FillLabels();

    void FormShow();
    void OkButtonClick();
};

extern TAboutForm* AboutForm;
