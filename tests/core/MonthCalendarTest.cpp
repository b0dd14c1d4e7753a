// The date picker and its calling protocol: a clicked day, a typed date, Esc, the focus
// leaving the calendar, and a month or year chosen with the calendar's own controls.
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/CalendarClicks.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;

namespace {

class DatePicker : public ::testing::Test
{
protected:
    DatePicker() { MonthCalendarForm = &form; }
    ~DatePicker() override { MonthCalendarForm = nullptr; }

    void ClickDay(int day) { ::ClickDay(form.MonthCalendar1, day); }

    // Types into the edit as it stands: at the first showing its first place is selected.
    void TypeIntoEdit(const QString& keys) { QTest::keyClicks(form.SpecifiedDateMaskEdit, keys); }

    TMonthCalendarForm form;
    ScriptedInteraction script;
};

} // namespace

TEST_F(DatePicker, ShowsItsDesign)
{
    EXPECT_EQ(form.windowTitle(), "日付指定");
    EXPECT_EQ(form.size(), QSize(227, 269));
    EXPECT_EQ(form.MonthCalendar1->geometry(), QRect(4, 2, 218, 187));
    EXPECT_EQ(form.SpecifiedDateMaskEdit->geometry(), QRect(64, 195, 96, 24));
    EXPECT_EQ(form.SpecifiedDateMaskEdit->font().pixelSize(), 16);
    EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2006/01/01");
    EXPECT_EQ(form.OkButton->geometry(), QRect(8, 234, 75, 25));
    EXPECT_EQ(form.CancelButton->geometry(), QRect(144, 234, 75, 25));
    EXPECT_EQ(form.DefaultButton(), form.OkButton);
    EXPECT_EQ(form.CancelButton->Cancel(), true);
}

// Mended: in the calendar's 218 pixels, "Wed" showed as "W…". The weekdays are named as a
// Japanese desktop names them, one character each, Sunday first.
TEST_F(DatePicker, TheWeekdaysAreNamedInOneCharacterEach)
{
    form.show();
    auto* view = form.MonthCalendar1->findChild<QTableView*>();
    ASSERT_NE(view, nullptr);
    QString names;
    for (int col = 0; col < view->model()->columnCount(); ++col)
        names += view->model()->data(view->model()->index(0, col)).toString();
    EXPECT_EQ(names.toStdString(), "日月火水木金土");
}

TEST_F(DatePicker, AClickedDayAndOkReturnThatDay)
{
    script.OnModal(form, [&] {
        EXPECT_EQ(form.bDateSpecified, 0);
        // The edit mirrors the calendar, focused with its first character selected.
        EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2015/04/10");
        EXPECT_EQ(form.focusWidget(), form.SpecifiedDateMaskEdit);
        EXPECT_EQ(form.SpecifiedDateMaskEdit->selectedText(), "2");
        ClickDay(23);
        EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2015/04/23");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    EXPECT_EQ(PickDate(10, 20, "2015/04/10"), "2015/04/23");
    EXPECT_EQ(form.bDateSpecified, 1);
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(form.Top(), 20);
}

TEST_F(DatePicker, ADateTypedAtTheFirstShowingAndOkReturnThatDate)
{
    script.OnModal(form, [&] {
        TypeIntoEdit("20150410");
        EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2015/04/10");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    EXPECT_EQ(PickDate(0, 0, "2026/12/10"), "2015/04/10");
    EXPECT_EQ(form.MonthCalendar1->Date(), EncodeDate(2015, 4, 10));
}

TEST_F(DatePicker, ATypedDateAndEnterReturnThatDateAndTheNextShowingStartsFromIt)
{
    script.OnModal(form, [&] {
        TypeIntoEdit("20160229");
        QTest::keyClick(form.SpecifiedDateMaskEdit, Qt::Key_Return);
    });
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), "2016/02/29");

    // Without a preset the calendar keeps its last date.
    script.OnModal(form, [&] {
        EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2016/02/29");
        form.OkButton->click();
    });
    EXPECT_EQ(PickDate(0, 0), "2016/02/29");
}

TEST_F(DatePicker, AnImpossibleTypedDateGivesTheErrorAndTheDialogStaysOpen)
{
    script.Expect(BoxKind::Error, "不正な日付です。\n  \"2015/02/29\"");
    script.Expect(BoxKind::Error, "不正な日付です。\n  \"2015/__/__\"");
    script.OnModal(form, [&] {
        TypeIntoEdit("2015/02/29");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_TRUE(form.isVisible());
        // Back into the edit, the whole date selected, the year typed over it.
        QTest::mouseClick(form.SpecifiedDateMaskEdit, Qt::LeftButton);
        QTest::keyClick(form.SpecifiedDateMaskEdit, Qt::Key_Home);
        QTest::keyClick(form.SpecifiedDateMaskEdit, Qt::Key_End, Qt::ShiftModifier);
        TypeIntoEdit("2015");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_EQ(form.bDateSpecified, 0);
        EXPECT_EQ(form.MonthCalendar1->Date(), EncodeDate(2015, 4, 10));
        QTest::keyClick(form.SpecifiedDateMaskEdit, Qt::Key_Escape);
    });
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), std::nullopt);
    ASSERT_EQ(script.Sounds().size(), 2u);
    EXPECT_EQ(script.Sounds()[0], Sound::Exclamation);
}

TEST_F(DatePicker, EscOrCancelBeforeAnythingElseAcceptsNothing)
{
    script.OnModal(form, [&] { QTest::keyClick(form.SpecifiedDateMaskEdit, Qt::Key_Escape); });
    script.OnModal(form, [&] { QTest::mouseClick(form.CancelButton, Qt::LeftButton); });
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), std::nullopt);
    EXPECT_EQ(form.bDateSpecified, 0);
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), std::nullopt);
    EXPECT_EQ(form.bDateSpecified, 0);
}

TEST_F(DatePicker, TheFocusLeavingTheCalendarAcceptsTheClickedDay)
{
    const std::function<void()> leaves[] = {
        [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); },
        [&] { QTest::mouseClick(form.SpecifiedDateMaskEdit, Qt::LeftButton); },
    };
    for (const auto& leave : leaves) {
        bool closedAtOnce = false;
        script.OnModal(form, [&] {
            ClickDay(12);
            ASSERT_TRUE(form.MonthCalendar1->isAncestorOf(QApplication::focusWidget()));
            leave();
            closedAtOnce = form.ModalResult() != mrNone;
        });
        EXPECT_EQ(PickDate(0, 0, "2015/04/10"), "2015/04/12");
        EXPECT_TRUE(closedAtOnce);
    }
}

TEST_F(DatePicker, ACallersFieldThatHoldsNoDateRaisesBeforeTheDialogShows)
{
    EXPECT_THROW(PickDate(0, 0, "2015/13/40"), EConvertError);
    EXPECT_TRUE(script.Showings().isEmpty());
}

// Mended: a year typed into the calendar's year box was lost, and the picker closed with
// the year shown before.
TEST_F(DatePicker, AYearTypedIntoTheCalendarIsChosenWhenEnterTabOrOkEndsThePicker)
{
    const std::pair<const char*, std::function<void()>> ends[] = {
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }},
        {"OK", [&] { QTest::mouseClick(form.OkButton, Qt::LeftButton); }},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.first);
        bool closedAtOnce = false;
        script.OnModal(form, [&] {
            TypeYear(form.MonthCalendar1, "2013");
            end.second();
            closedAtOnce = form.ModalResult() != mrNone;
        });
        EXPECT_EQ(PickDate(0, 0, "2015/04/10"), "2013/04/10");
        EXPECT_TRUE(closedAtOnce);
        EXPECT_EQ(form.bDateSpecified, 1);
    }
}

TEST_F(DatePicker, EscInTheYearBoxClosesOnlyTheBoxAndKeepsTheYear)
{
    script.OnModal(form, [&] {
        TypeYear(form.MonthCalendar1, "2013");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_FALSE(form.MonthCalendar1->findChild<QSpinBox*>()->isVisible());
        EXPECT_EQ(form.MonthCalendar1->yearShown(), 2015);
        EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), "2015/04/10");
        EXPECT_TRUE(form.MonthCalendar1->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the picker's own Esc
    });
    EXPECT_EQ(PickDate(0, 0, "2015/04/10"), std::nullopt);
}

// Mended: the arrows showed another month and the picker kept the date of the first.
TEST_F(DatePicker, TheMonthArrowsMoveTheDateIntoTheMonthTheyShowKeepingItsDay)
{
    const struct
    {
        const char* preset;
        int step;
        const char* moved;
    } cases[] = {
        {"2015/04/10", 1, "2015/05/10"},
        {"2015/01/31", 1, "2015/02/28"}, // the month's last day
        {"2016/03/31", -1, "2016/02/29"},
        {"2015/01/15", -1, "2014/12/15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        script.OnModal(form, [&] {
            ClickMonthArrow(form.MonthCalendar1, c.step);
            EXPECT_EQ(form.SpecifiedDateMaskEdit->Text(), c.moved);
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
        });
        EXPECT_EQ(PickDate(0, 0, c.preset), c.moved);
    }
}
