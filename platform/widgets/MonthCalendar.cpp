#include "platform/widgets/MonthCalendar.h"

#include "platform/widgets/DateTimePicker.h"
#include "platform/widgets/Form.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace widgets {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::Click);
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
        view->installEventFilter(this);
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

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* form = qobject_cast<Form*>(window()))
                form->PressEnter();
            return true;
        }
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace widgets
