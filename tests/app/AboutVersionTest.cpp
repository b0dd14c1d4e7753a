// The About box as Kelvara2 shows it: this test program carries the same version
// information as the program file.
#include "app/AboutUnit.h"

#include <gtest/gtest.h>

TEST(AboutBox, ShowsTheProgramFilesDescriptionVersionAndMaker)
{
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), "KVR歯科検診システムについて");
    EXPECT_EQ(about.size(), QSize(280, 182));
    EXPECT_EQ(about.FileDescriptionLabel->Caption(), "KVR歯科検診システム");
    EXPECT_EQ(about.FileDescriptionLabel->font().pixelSize(), 19);
    EXPECT_EQ(about.VersionLabel->Caption(), "Ver. 1.4.0.0");
    EXPECT_EQ(about.CompanyNameLabel->Caption(), "Kelvara project");
    EXPECT_EQ(about.OkButton->geometry(), QRect(103, 136, 75, 25));
    EXPECT_EQ(about.Image1->Picture().size(), QSize(32, 32));
}
