// The debug log of both editions is written as the other files that leave the program
// are: CP932 with CR LF, a character CP932 cannot hold written as "?".
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "records/MedicalRecordUnit.h"
#include "tests/edition1/Kelvara1Fixture.h"
#include "tests/support/ProgramFixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The check-up button's first block, with a name that holds "山田" and "€".
const QByteArray Block = "TMedicalRecordForm::CheckupDate_AddMenuClick 11:\r\n"
                         "  [\x83\x4A\x83\x8B\x83\x65\x95\xD2\x8F\x57]\x89\xE6\x96\xCA->"
                         "[\x90\x56\x8B\x4B\x8C\x9F\x90\x66]\x83\x7B\x83\x5E\x83\x93\r\n"
                         "  PatientNoEdit->Text= NameEdit->Name=\x8E\x52\x93\x63?\r\n"
                         "  CheckupDateListBox->ItemIndex=-1\r\n";

// The karte editor's new check-up, its date picker cancelled: the handler logs and stops.
void LogANewCheckup(ScriptedInteraction& script)
{
    MedicalRecordForm->NameEdit->SetText("山田€");
    script.OnModal(*MonthCalendarForm, [] { MonthCalendarForm->Close(); });
    MedicalRecordForm->CheckupDate_AddMenuClick();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(HostPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DebugLog, Kelvara2WritesItsLogInCp932)
{
    ProgramFixture program;
    program.WriteSetting("Debug", "DebLog", "1");
    program.Start();
    LogANewCheckup(program.Script());
    program.Stop();
    const QByteArray log = ReadAll(ProgramFixture::SettingsFolder() + "\\DebLog.txt");
    EXPECT_TRUE(log.contains(Block)) << log.toHex().toStdString();
}

TEST(DebugLog, Kelvara1WritesItsLogInCp932)
{
    Kelvara1Program program;
    TIniFile("C:\\Program Files\\KVR\\Database\\Kelvara1.ini").WriteString("Debug", "DebLog", "1");
    program.Start();
    LogANewCheckup(program.Script());
    program.Stop();
    const QByteArray log = ReadAll("C:\\work\\DebLog.txt");
    EXPECT_TRUE(log.contains(Block)) << log.toHex().toStdString();
}
