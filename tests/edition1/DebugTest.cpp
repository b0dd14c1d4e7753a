// Kelvara1's diagnostics window: its design, the short date format it shows, and the
// main menu's background double click that shows it without blocking.
#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "edition1/DebugUnit.h"
#include "platform/rtl/DateTime.h"
#include "tests/edition1/Kelvara1Fixture.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void DoubleClickBackground()
{
    // Below the logo's label, left of the buttons: bare window.
    QTest::mouseDClick(MainMenuForm, Qt::LeftButton, {}, QPoint(20, 240));
}

int VisibleDebugWindows()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TDebugForm*>(w) && w->isVisible())
            ++count;
    return count;
}

} // namespace

TEST(DebugWindow, ShowsItsDesign)
{
    TDebugForm form;
    EXPECT_EQ(form.windowTitle(), "Debug");
    EXPECT_EQ(form.size(), QSize(330, 494));
    EXPECT_EQ(form.font().pixelSize(), 12);
    EXPECT_EQ(form.ShortDateFormatLabel->pos(), QPoint(32, 40));
    EXPECT_EQ(form.ShortDateFormatLabel->Caption(), "");
}

TEST(DebugWindow, EachShowingWritesTheShortDateFormat)
{
    TDebugForm form;
    const QString saved = FormatSettings.ShortDateFormat;
    form.Show();
    EXPECT_EQ(form.ShortDateFormatLabel->Caption(), "yyyy/MM/dd");
    form.close();
    FormatSettings.ShortDateFormat = "yyyy/m/d";
    form.Show();
    EXPECT_EQ(form.ShortDateFormatLabel->Caption(), "yyyy/m/d");
    FormatSettings.ShortDateFormat = saved;
    form.close();
}

TEST(DebugWindow, ADoubleClickOnTheMainMenuShowsItWithoutBlocking)
{
    Kelvara1Program program;
    program.Start();
    ASSERT_FALSE(DebugForm->isVisible());
    // The logo and its caption are no background.
    QTest::mouseDClick(MainMenuForm->KvrLogoImage, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseDClick(MainMenuForm->KvrLabel, Qt::LeftButton, {}, QPoint(70, 5));
    EXPECT_FALSE(DebugForm->isVisible());
    DoubleClickBackground();
    EXPECT_TRUE(DebugForm->isVisible());
    EXPECT_FALSE(DebugForm->isModal());
    EXPECT_EQ(DebugForm->ShortDateFormatLabel->Caption(), "yyyy/MM/dd");
    EXPECT_TRUE(program.Script().Showings().isEmpty()); // no modal showing

    // The main menu stays usable while it is open.
    EXPECT_TRUE(MainMenuForm->isEnabled());
    program.Script().OnModal(*AboutForm, [] { AboutForm->Close(); });
    QTest::mouseClick(MainMenuForm->VersionButton, Qt::LeftButton);
    EXPECT_EQ(program.Script().Showings(), QStringList{"AboutForm"});

    // A second double click shows the same window again; closed with its title bar, it comes back.
    DoubleClickBackground();
    EXPECT_EQ(VisibleDebugWindows(), 1);
    DebugForm->close();
    EXPECT_FALSE(DebugForm->isVisible());
    DoubleClickBackground();
    EXPECT_TRUE(DebugForm->isVisible());
    EXPECT_TRUE(MainMenuForm->isVisible());
}
