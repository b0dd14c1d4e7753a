#pragma once
// The diagnostics window of Kelvara1: the system's short date format, which every date
// text and the date picker's mask rely on. The main menu shows it without blocking on a
// double click on its background; it is closed with its title bar.
#include "platform/widgets/Form.h"
#include "ui_DebugUnit.h"

class TDebugForm : public widgets::Form, public Ui::TDebugForm
{
    Q_OBJECT
public:
    explicit TDebugForm(QWidget* parent = nullptr);

    void FormShow();
};

extern TDebugForm* DebugForm;
