// The main menu's design and its buttons: each opens its window modally, the examinee
// window always in registration mode.
#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "records/MedicalRecordUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "tables/FormSetting.h"
#include "tests/support/ProgramFixture.h"
#include "totals/SumupUnit.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainMenu : public ::testing::Test
{
protected:
    void SetUp() override { program.Start(); }
    ProgramFixture program;
};

} // namespace

TEST_F(MainMenu, ComponentsSitWhereTheDesignPutsThem)
{
    EXPECT_EQ(MainMenuForm->windowTitle(), "KVR歯科検診システム");
    EXPECT_EQ(MainMenuForm->size(), QSize(296, 261));
    EXPECT_EQ(MainMenuForm->KvrLogoImage->geometry(), QRect(32, 16, 104, 101));
    EXPECT_EQ(MainMenuForm->KvrLogoImage->Picture().size(), QSize(104, 101));
    EXPECT_EQ(MainMenuForm->KvrLabel->Caption(), "Kelvara");
    EXPECT_EQ(MainMenuForm->KvrLabel->geometry().topLeft(), QPoint(8, 128));
    EXPECT_EQ(MainMenuForm->KvrLabel->width(), 153);

    struct
    {
        widgets::Button* button;
        const char* caption;
        QPoint place;
    } const buttons[] = {
        {MainMenuForm->KarteButton, "カルテ編集(&K)...", {164, 56}},
        {MainMenuForm->TotalButton, "集計(&T)...", {164, 96}},
        {MainMenuForm->MemberButton, "メンバー登録(&M)...", {164, 136}},
        {MainMenuForm->SettingButton, "設定(&S)...", {24, 176}},
        {MainMenuForm->CloseButton, "終了(&X)", {164, 216}},
        {MainMenuForm->VersionButton, "バージョン情報(&A)...", {24, 216}},
        {MainMenuForm->PatientButton, "受診者登録(&P)...", {164, 16}},
    };
    // Listed in tab order: Tab goes from each to the next.
    for (size_t i = 0; i < std::size(buttons); ++i) {
        const auto& b = buttons[i];
        EXPECT_EQ(b.button->Caption(), b.caption);
        EXPECT_EQ(b.button->geometry(), QRect(b.place, QSize(112, 25))) << b.caption;
        if (i + 1 < std::size(buttons)) {
            QWidget* next = b.button->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            EXPECT_EQ(next, buttons[i + 1].button) << b.caption;
        }
    }
}

TEST_F(MainMenu, EachButtonOpensItsWindowModally)
{
    struct
    {
        widgets::Button* button;
        widgets::Form* form;
    } const cases[] = {
        {MainMenuForm->PatientButton, PatientForm}, {MainMenuForm->KarteButton, MedicalRecordForm},
        {MainMenuForm->TotalButton, SumupForm},     {MainMenuForm->MemberButton, MemberForm},
        {MainMenuForm->SettingButton, SettingForm}, {MainMenuForm->VersionButton, AboutForm},
    };
    QStringList expected;
    for (const auto& c : cases) {
        bool modalOverMenu = false;
        program.Script().OnModal(*c.form, [&] {
            modalOverMenu = c.form->isVisible() && c.form->InModal() && MainMenuForm->isVisible();
            c.form->Close();
        });
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_TRUE(modalOverMenu) << c.form->objectName().toStdString();
        expected << c.form->objectName();
    }
    EXPECT_EQ(program.Script().Showings(), expected);
}

TEST_F(MainMenu, TheExamineeWindowComesInRegistrationModeAfterSelectionMode)
{
    // What the karte editor leaves behind after choosing an examinee.
    PatientForm->OkButton->show();
    PatientForm->CancelButton->show();
    PatientForm->CloseButton->hide();

    bool ok = true, cancel = true, close = false;
    program.Script().OnModal(*PatientForm, [&] {
        ok = PatientForm->OkButton->isVisible();
        cancel = PatientForm->CancelButton->isVisible();
        close = PatientForm->CloseButton->isVisible();
        PatientForm->Close();
    });
    QTest::mouseClick(MainMenuForm->PatientButton, Qt::LeftButton);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(close);
}
