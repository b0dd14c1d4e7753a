// The About box of a program file without version information: empty texts, and
// Enter and Esc both close it.
#include "app/AboutUnit.h"
#include "tests/support/ScriptedInteraction.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(AboutBox, WithoutVersionInformationTheLabelsHoldEmptyTexts)
{
    TAboutForm about;
    EXPECT_EQ(about.FileDescriptionLabel->Caption(), "");
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver. ");
    EXPECT_EQ(about.CompanyNameLabel->Caption(), "");
}

TEST(AboutBox, EnterAndEscBothCloseItAndShowingChangesNothing)
{
    TAboutForm about;
    ScriptedInteraction script;
    QStringList seen;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        script.OnModal(about, [&, key] {
            seen << about.VersionLabel->Caption();
            QTest::keyClick(&about, key);
            EXPECT_NE(about.ModalResult(), widgets::mrNone);
        });
    about.ShowModal();
    about.ShowModal();
    EXPECT_EQ(seen, QStringList({"Ver. ", "Ver. "}));
}
