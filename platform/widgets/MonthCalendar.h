#pragma once
// A month calendar. Click fires when the operator clicks a day (not on keyboard
// moves, not when the program sets the date); Enter inside it reaches the window's
// default button; Exit fires when the focus leaves it for another control.
#include "platform/rtl/DateTime.h"

#include <QCalendarWidget>

namespace widgets {

class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime value);

signals:
    void Click();
    void Exit();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace widgets
