#include "tests/support/CalendarClicks.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
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
