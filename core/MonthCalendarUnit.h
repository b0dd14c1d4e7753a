#pragma once
// The date picker: one modal dialog, made at start-up and reused, with which every
// window lets the operator pick a date. The date lives in the calendar; OK (also Enter,
// and the focus leaving the calendar) accepts the edit's text as the date.
#include "platform/widgets/Form.h"
#include "ui_MonthCalendarUnit.h"

#include <QString>
#include <optional>

class TMonthCalendarForm : public widgets::Form, public Ui::TMonthCalendarForm
{
    Q_OBJECT
public:
    explicit TMonthCalendarForm(QWidget* parent = nullptr);

    // 0 while the dialog is open, 1 once OK has accepted a date.
    unsigned char bDateSpecified = 0;

    void FormShow();
    void MonthCalendar1Click();
    void ShowDateInEdit();
    void OkButtonClick();
    void CancelButtonClick();
};

extern TMonthCalendarForm* MonthCalendarForm;

// The calling protocol every date field follows: the picker is placed at (left, top),
// its calendar preset from `preset` when that text is not empty (a text that is not a
// date raises EConvertError before the dialog shows), then shown modally. The accepted
// date's text, or nothing when the operator did not accept one.
std::optional<QString> PickDate(int left, int top, const QString& preset);
// The same without a preset: the calendar keeps the date of its last use.
std::optional<QString> PickDate(int left, int top);
