// Kelvara1's settings window: the editors' buttons without the database folders; its
// close button only closes.
#include "app/FormMainMenu.h"
#include "platform/rtl/IniFile.h"
#include "tables/FormSchoolTable.h"
#include "tables/FormSetting.h"
#include "tests/edition1/Kelvara1Fixture.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

TEST(SettingWindow1, HasNoDatabaseFoldersAndItsButtonOnlyCloses)
{
    Kelvara1Program program;
    const QString ini = program.Edition().IniFileName();
    TIniFile(ini).WriteString("Debug", "Debug", "1");
    TIniFile(ini).WriteString("Paradox", "NetFileDir", "C:\\KVR");
    program.Start();
    QFile file(Kelvara1Program::Host(ini));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();

    program.Script().OnModal(*SettingForm, [&] {
        EXPECT_EQ(SettingForm->size(), QSize(323, 263));
        EXPECT_EQ(SettingForm->CloseButton->geometry(), QRect(114, 216, 91, 25));
        for (QWidget* folders :
             {static_cast<QWidget*>(SettingForm->Label1), static_cast<QWidget*>(SettingForm->EditNetFileDir),
              static_cast<QWidget*>(SettingForm->Label2),
              static_cast<QWidget*>(SettingForm->EditDatabaseName)})
            EXPECT_FALSE(folders->isVisible()) << folders->objectName().toStdString();
        EXPECT_TRUE(SettingForm->PatientButton->isEnabled()); // [Debug] Debug still applies
        program.Script().OnModal(*SchoolTableForm, [] { SchoolTableForm->FindCancelButton()->click(); });
        QTest::mouseClick(SettingForm->SchoolButton, Qt::LeftButton);
        QTest::keyClick(SettingForm->CloseButton, Qt::Key_Return);
    });
    SettingForm->ShowModal();
    EXPECT_FALSE(SettingForm->isVisible());
    file.seek(0);
    EXPECT_EQ(file.readAll(), before); // nothing written
}
