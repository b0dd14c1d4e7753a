// Kelvara1's date picker: its smaller window, and leaving the calendar, which only
// copies the calendar's date into the edit; OK alone accepts a date.
#include "core/MonthCalendarUnit.h"
#include "tests/edition1/Kelvara1Edition.h"
#include "tests/support/CalendarClicks.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace widgets;

namespace {

class DatePicker1 : public ::testing::Test
{
protected:
    DatePicker1() : form(std::make_unique<TMonthCalendarForm>()) { MonthCalendarForm = form.get(); }
    ~DatePicker1() override { MonthCalendarForm = nullptr; }

    void ClickDay(int day) { ::ClickDay(form->MonthCalendar1, day); }

    Kelvara1Edition kelvara1;
    ScriptedInteraction script;
    std::unique_ptr<TMonthCalendarForm> form;
};

} // namespace

TEST_F(DatePicker1, ShowsItsSmallerDesign)
{
    EXPECT_EQ(form->windowTitle(), "日付指定");
    EXPECT_EQ(form->size(), QSize(192, 229));
    for (QWidget* control :
         {static_cast<QWidget*>(form->MonthCalendar1), static_cast<QWidget*>(form->SpecifiedDateMaskEdit),
          static_cast<QWidget*>(form->OkButton), static_cast<QWidget*>(form->CancelButton)})
        EXPECT_TRUE(QRect(QPoint(0, 0), form->size()).contains(control->geometry()))
            << control->objectName().toStdString();
    EXPECT_EQ(form->OkButton->size(), QSize(75, 25));
    EXPECT_EQ(form->CancelButton->size(), QSize(75, 25));
}

TEST_F(DatePicker1, LeavingTheCalendarOnlyCopiesItsDateIntoTheEdit)
{
    const std::function<void()> leaves[] = {
        [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); },
        [&] { QTest::mouseClick(form->SpecifiedDateMaskEdit, Qt::LeftButton); },
    };
    for (const auto& leave : leaves) {
        script.OnModal(*form, [&] {
            ClickDay(12);
            ASSERT_TRUE(form->MonthCalendar1->isAncestorOf(QApplication::focusWidget()));
            leave();
            EXPECT_EQ(form->ModalResult(), mrNone); // still open
            EXPECT_EQ(form->bDateSpecified, 0);
            EXPECT_EQ(form->SpecifiedDateMaskEdit->Text(), "2015/04/12");
            form->OkButton->click();
        });
        EXPECT_EQ(PickDate(0, 0, "2015/04/10"), "2015/04/12");
    }

    // Leaving without OK accepts nothing.
    script.OnModal(*form, [&] {
        ClickDay(20);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        form->CancelButton->click();
    });
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), std::nullopt);
}

// Mended: a year typed into the calendar's year box was lost. Enter presses OK; Tab leaves
// the calendar, which only shows the date in the edit, and OK then accepts it.
TEST_F(DatePicker1, AYearTypedIntoTheCalendarIsTheEditsAndOksDate)
{
    const struct
    {
        const char* name;
        std::function<void()> end;
        bool closes;
    } ends[] = {
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, true},
        {"Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, false},
        {"OK", [&] { QTest::mouseClick(form->OkButton, Qt::LeftButton); }, true},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.name);
        script.OnModal(*form, [&] {
            TypeYear(form->MonthCalendar1, "2013");
            e.end();
            EXPECT_EQ(form->ModalResult() != mrNone, e.closes);
            if (!e.closes) {
                EXPECT_EQ(form->SpecifiedDateMaskEdit->Text(), "2013/04/10");
                QTest::mouseClick(form->OkButton, Qt::LeftButton);
            }
        });
        EXPECT_EQ(PickDate(0, 0, "2015/04/10"), "2013/04/10");
    }
}

TEST_F(DatePicker1, TheMonthArrowsMoveTheDateIntoTheMonthTheyShow)
{
    script.OnModal(*form, [&] {
        ClickMonthArrow(form->MonthCalendar1, 1);
        EXPECT_EQ(form->SpecifiedDateMaskEdit->Text(), "2015/02/28");
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
    });
    EXPECT_EQ(PickDate(0, 0, "2015/01/31"), "2015/02/28");
}
