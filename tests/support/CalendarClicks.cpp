#include "tests/support/CalendarClicks.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

void ClickDay(QCalendarWidget* calendar, int day)
{
    auto* view = calendar->findChild<QTableView*>();
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int col = 0; col < model->columnCount(); ++col) {
            // Row 0 names the weekdays; the first week row may end the month before,
            // the last two rows may start the month after.
            if ((day > 20 && row <= 1) || (day < 15 && row >= 5))
                continue;
            const QModelIndex index = model->index(row, col);
            if (model->data(index).toString() == QString::number(day)) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                return;
            }
        }
    FAIL() << "day not shown: " << day;
}

// The title's buttons and the year box by the names Qt gives them.
void TypeYear(QCalendarWidget* calendar, const QString& year)
{
    auto* button = calendar->findChild<QToolButton*>("qt_calendar_yearbutton");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    auto* box = calendar->findChild<QSpinBox*>("qt_calendar_yearedit");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClicks(box, year); // the year shown is selected: typed over
}

void ClickMonthArrow(QCalendarWidget* calendar, int step)
{
    auto* arrow =
        calendar->findChild<QToolButton*>(step > 0 ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth");
    ASSERT_NE(arrow, nullptr);
    QTest::mouseClick(arrow, Qt::LeftButton);
}
