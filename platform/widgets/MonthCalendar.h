#pragma once
// A month calendar. The chosen date follows the month shown: moved to another month or
// year with the calendar's own controls (its arrows, its month list, the year typed into
// its year box), it keeps its day (or takes the month's last). Click fires when the
// operator clicks a day or so moves the month (not on keyboard moves among the days,
// not when the program sets the date); Enter inside it, the year box too, reaches the
// window's default button; Exit fires when the focus leaves it for another control.
#include "platform/rtl/DateTime.h"

#include <QCalendarWidget>

class QSpinBox;

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

private:
    void FollowPage(int year, int month);
    bool YearBoxOpen() const;
    void TakeTypedYear();
    void CloseYearBox();
    QSpinBox* yearBox;
};

} // namespace widgets
