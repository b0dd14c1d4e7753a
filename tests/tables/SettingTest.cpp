// The settings window: its buttons open the editors, the maintenance ones only with
// [Debug] Debug; its close button (Enter, Esc) writes both folders, the title bar nothing.
#include "app/FormMainMenu.h"
#include "platform/rtl/IniFile.h"
#include "tables/FormDentalFormulaTable.h"
#include "tables/FormFoodTable.h"
#include "tables/FormFrequencyTable.h"
#include "tables/FormJobTable.h"
#include "tables/FormKarteTable.h"
#include "tables/FormPSTable.h"
#include "tables/FormPatientTable.h"
#include "tables/FormSchoolTable.h"
#include "tables/FormSetting.h"
#include "tables/FormStaffTable.h"
#include "tables/FormTreatmentTable.h"
#include "tests/support/ProgramFixture.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Setting(const QString& key)
{
    return TIniFile(ProgramFixture::IniFileName()).ReadString("Paradox", key, "(none)");
}

std::vector<widgets::Button*> MaintenanceButtons()
{
    return {SettingForm->PatientButton, SettingForm->MemberButton, SettingForm->MediRecButton,
            SettingForm->ExcuButton,    SettingForm->TreatButton,  SettingForm->DentalFormulaButton};
}

TEST(SettingWindow, ShowsItsDesignAndTheDefaultFoldersWithTheMaintenanceButtonsOff)
{
    ProgramFixture program;
    program.Start();
    program.Script().OnModal(*SettingForm, [&] {
        EXPECT_EQ(SettingForm->Caption(), "設定");
        EXPECT_EQ(SettingForm->size(), QSize(323, 378));
        EXPECT_EQ(SettingForm->DefaultButton(), SettingForm->CloseButton);
        EXPECT_EQ(SettingForm->FindCancelButton(), SettingForm->CloseButton);
        EXPECT_EQ(SettingForm->PatientButton->geometry(), QRect(18, 20, 75, 17));
        EXPECT_EQ(SettingForm->PatientButton->font().pixelSize(), 11);
        EXPECT_EQ(SettingForm->FreqButton->geometry(), QRect(218, 168, 91, 25));
        EXPECT_EQ(SettingForm->FreqButton->font().pixelSize(), 12);
        EXPECT_EQ(SettingForm->EditNetFileDir->Text(), "C:\\KVR");
        EXPECT_EQ(SettingForm->EditDatabaseName->Text(), "C:\\KVR\\database");
        for (widgets::Button* b : MaintenanceButtons())
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        for (widgets::Button* b : {SettingForm->SchoolButton, SettingForm->OccupationButton,
                                   SettingForm->FoodButton, SettingForm->FreqButton})
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        SettingForm->close(); // the title bar's close box
    });
    SettingForm->ShowModal();
    EXPECT_EQ(Setting("NetFileDir"), "(none)");
    EXPECT_EQ(Setting("DatabaseName"), "(none)");
}

// Mended: the editors opened in the screen's top left corner; each opens centred on the
// settings window.
TEST(SettingWindow, TheDebugSwitchEnablesTheMaintenanceButtonsAndEachButtonOpensItsEditor)
{
    ProgramFixture program;
    program.WriteSetting("Debug", "Debug", "2");
    program.Start();
    const std::pair<widgets::Button*, widgets::Form*> buttons[] = {
        {SettingForm->PatientButton, PatientTableForm},
        {SettingForm->SchoolButton, SchoolTableForm},
        {SettingForm->MemberButton, StaffTableForm},
        {SettingForm->OccupationButton, JobTableForm},
        {SettingForm->MediRecButton, KarteTableForm},
        {SettingForm->ExcuButton, PSTableForm},
        {SettingForm->TreatButton, TreatmentTableForm},
        {SettingForm->DentalFormulaButton, DentalFormulaTableForm},
        {SettingForm->FoodButton, FoodTableForm},
        {SettingForm->FreqButton, FrequencyTableForm},
    };
    program.Script().OnModal(*SettingForm, [&] {
        for (widgets::Button* b : MaintenanceButtons())
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        for (const auto& [button, form] : buttons) {
            // A copy to capture: Clang 14 captures no structured binding.
            widgets::Form* editor = form;
            program.Script().OnModal(*editor, [editor] {
                // Over the settings window, not in a corner of the screen.
                // (within the window frame's few pixels).
                const QRect over = SettingForm->frameGeometry(), at = editor->frameGeometry();
                const QPoint off = at.topLeft() - over.topLeft() -
                                   QPoint((over.width() - at.width()) / 2, (over.height() - at.height()) / 2);
                EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 2)
                    << editor->objectName().toStdString();
                editor->FindCancelButton()->click();
            });
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QTest::mouseClick(SettingForm->CloseButton, Qt::LeftButton);
    });
    SettingForm->ShowModal();
    QStringList expected = {"SettingForm"};
    for (const auto& b : buttons)
        expected.append(b.second->objectName());
    EXPECT_EQ(program.Script().Showings(), expected);
}

// Mended: the two M buttons only took the focus in turn. The member editor's button is
// listed first; with the maintenance editors off, M is nobody's and types nothing.
TEST(SettingWindow, AltMOpensTheMemberEditorTheFirstOfTheTwoMButtons)
{
    for (const char* debug : {"1", "0"}) {
        SCOPED_TRACE(debug);
        ProgramFixture program;
        program.WriteSetting("Debug", "Debug", debug);
        program.Start();
        int editorShowings = 0;
        program.Script().OnModal(*SettingForm, [&] {
            if (QString(debug) == "1")
                for (int press = 0; press < 2; ++press)
                    program.Script().OnModal(*StaffTableForm, [&] {
                        ++editorShowings;
                        StaffTableForm->FindCancelButton()->click();
                    });
            QTest::mouseClick(SettingForm->EditNetFileDir, Qt::LeftButton);
            QTest::keyClick(SettingForm->EditNetFileDir, Qt::Key_End);
            for (int press = 0; press < 2; ++press)
                QTest::keyClick(QApplication::focusWidget(), 'm', Qt::AltModifier);
            EXPECT_EQ(SettingForm->EditNetFileDir->Text().toStdString(), "C:\\KVR");
            QTest::mouseClick(SettingForm->CloseButton, Qt::LeftButton);
        });
        QTest::mouseClick(MainMenuForm->SettingButton, Qt::LeftButton);
        EXPECT_EQ(editorShowings, QString(debug) == "1" ? 2 : 0);
        EXPECT_FALSE(program.Script().Showings().contains("KarteTableForm"));
    }
}

TEST(SettingWindow, TheCloseButtonEnterAndEscWriteBothFoldersAsTyped)
{
    const std::function<void()> closes[] = {
        [] { QTest::mouseClick(SettingForm->CloseButton, Qt::LeftButton); },
        [] { QTest::keyClick(SettingForm->EditDatabaseName, Qt::Key_Return); },
        [] { QTest::keyClick(SettingForm->EditDatabaseName, Qt::Key_Escape); },
    };
    for (const auto& close : closes) {
        ProgramFixture program;
        program.WriteSetting("Paradox", "NetFileDir", "C:\\kvr");
        program.Start();
        program.Script().OnModal(*SettingForm, [&] {
            EXPECT_EQ(SettingForm->EditNetFileDir->Text(), "C:\\kvr");
            QTest::keyClicks(SettingForm->EditNetFileDir, "2");
            QTest::keyClicks(SettingForm->EditDatabaseName, "x");
            close();
        });
        SettingForm->ShowModal();
        EXPECT_EQ(Setting("NetFileDir"), "C:\\kvr2");
        EXPECT_EQ(Setting("DatabaseName"), "C:\\KVR\\databasex");
        EXPECT_FALSE(SettingForm->isVisible());
    }
}

} // namespace
