#include "platform/widgets/MonthCalendar.h"

#include "platform/widgets/DateTimePicker.h"
#include "platform/widgets/Form.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSpinBox>
#include <algorithm>

namespace widgets {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent), yearBox(findChild<QSpinBox*>())
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::Click);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::FollowPage);
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
        view->installEventFilter(this);
    if (yearBox)
        yearBox->installEventFilter(this);
}

TDateTime MonthCalendar::Date() const
{
    return FromQDate(selectedDate());
}

void MonthCalendar::SetDate(TDateTime value)
{
    const QDate date = ToQDate(value);
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
}

bool MonthCalendar::event(QEvent* event)
{
    const bool handled = QCalendarWidget::event(event);
    // A new locale may start the week on another day: Qt moves the days but leaves the
    // marked cell where it was, one day off the chosen date. Mark the chosen date again.
    if (event->type() == QEvent::LocaleChange)
        setSelectedDate(selectedDate());
    return handled;
}

void MonthCalendar::FollowPage(int year, int month)
{
    const QDate chosen = selectedDate();
    if (chosen.year() == year && chosen.month() == month)
        return; // the chosen date brought its month
    const QDate first(year, month, 1);
    setSelectedDate(first.addDays(std::min(chosen.day(), first.daysInMonth()) - 1));
    emit Click();
}

bool MonthCalendar::YearBoxOpen() const
{
    return yearBox && yearBox->isVisible();
}

void MonthCalendar::TakeTypedYear()
{
    if (!YearBoxOpen())
        return;
    yearBox->interpretText();
    if (yearBox->value() != yearShown())
        setCurrentPage(yearBox->value(), monthShown());
}

void MonthCalendar::CloseYearBox()
{
    TakeTypedYear();
    // The box closes when it loses the focus; given to the days, the focus stays in the calendar.
    if (auto* view = findChild<QAbstractItemView*>())
        view->setFocus(Qt::OtherFocusReason);
}

static bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A held Enter presses the window's button once.
static void PressEnterOnce(QWidget* window, const QEvent* event)
{
    if (auto* form = qobject_cast<Form*>(window);
        form && !static_cast<const QKeyEvent*>(event)->isAutoRepeat())
        form->PressEnter();
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    // While its year box is open the calendar watches the whole application (Qt's own way),
    // so `watched` may be any object.
    if (watched == yearBox) {
        // The year is taken before the box closes, which moves the focus: leaving the
        // calendar then finds the typed year chosen.
        if (event->type() == QEvent::FocusOut)
            TakeTypedYear();
        if (IsEnter(event)) {
            CloseYearBox();
            PressEnterOnce(window(), event);
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            yearBox->setValue(yearShown()); // Esc closes the box only, the year as it was
            CloseYearBox();
            return true;
        }
        return QCalendarWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress && YearBoxOpen()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window() && !yearBox->isAncestorOf(widget)) {
            CloseYearBox();
            // Qt drops the press. Inside the calendar the days under the pointer have just
            // changed, so it is dropped still; elsewhere it reaches its control (OK, the edit).
            return isAncestorOf(widget);
        }
    }
    if (IsEnter(event) && qobject_cast<QAbstractItemView*>(watched) &&
        isAncestorOf(static_cast<QWidget*>(watched))) {
        PressEnterOnce(window(), event);
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace widgets
