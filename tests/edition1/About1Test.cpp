// The About box as Kelvara1 shows it: filled at every showing from its own string table
// ("041103A4"), with the copyright notice; this test program carries Kelvara1's version
// information as the program file does.
#include "app/AboutUnit.h"
#include "core/util/C_system_utility.h"
#include "tests/edition1/Kelvara1Edition.h"
#include "tests/support/ScriptedInteraction.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class AboutBox1 : public ::testing::Test
{
protected:
    void Show(TAboutForm& about)
    {
        script.OnModal(about, [&about] { about.OkButton->click(); });
        about.ShowModal();
    }
    static widgets::Label* Copyright(TAboutForm& about)
    {
        return about.findChild<widgets::Label*>("CopyrightLabel");
    }

    ScriptedInteraction script;
};

} // namespace

TEST_F(AboutBox1, EachShowingFillsTheLabelsFromThePreviousEditionsStrings)
{
    Kelvara1Edition kelvara1(CSystemUtility().GetExeName(QCoreApplication::instance()));
    TAboutForm about;
    ASSERT_NE(Copyright(about), nullptr);
    // Nothing is filled when the dialog is made.
    for (widgets::Label* label :
         {about.FileDescriptionLabel, about.VersionLabel, about.CompanyNameLabel, Copyright(about)})
        EXPECT_EQ(label->Caption(), "") << label->objectName().toStdString();

    Show(about);
    EXPECT_EQ(about.FileDescriptionLabel->Caption(), "KVR歯科検診システム");
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver 1.3.1.0");
    EXPECT_EQ(about.CompanyNameLabel->Caption(), "Kelvara project");
    EXPECT_EQ(Copyright(about)->Caption(), "Copyright (c) Kelvara project");
    EXPECT_TRUE(QRect(0, 0, 280, 182).contains(Copyright(about)->geometry()));

    // Again at the next showing, whatever the labels held.
    about.VersionLabel->SetCaption("changed");
    Show(about);
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver 1.3.1.0");
}

TEST_F(AboutBox1, WithoutVersionInformationTheLabelsKeepTheirTexts)
{
    Kelvara1Edition kelvara1("Z:\\nowhere\\Kelvara1");
    TAboutForm about;
    about.VersionLabel->SetCaption("Ver 1.0");
    Show(about);
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver 1.0");
    EXPECT_EQ(about.FileDescriptionLabel->Caption(), "");
}

TEST_F(AboutBox1, TheCurrentEditionsStringsAreNotThere)
{
    // Kelvara2's About box reads "040904E4", which this program file does not carry.
    TAboutForm about;
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver. ");
    EXPECT_EQ(about.findChild<widgets::Label*>("CopyrightLabel"), nullptr);
}
