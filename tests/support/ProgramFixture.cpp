#include "tests/support/ProgramFixture.h"

#include "app/FormMainMenu.h"
#include "core/util/C_system_utility.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"

#include <QCoreApplication>
#include <QDir>

ProgramFixture::ProgramFixture() = default;

ProgramFixture::~ProgramFixture()
{
    Stop();
}

void ProgramFixture::Start()
{
    CreateProgramObjects(objects);
    MainMenuForm->Show();
}

void ProgramFixture::Stop()
{
    if (MainMenuForm && MainMenuForm->isVisible())
        MainMenuForm->Close();
    objects.DestroyAll();
}

QString ProgramFixture::SettingsFolder()
{
    return TProgramFiles::GetSettingsFolder();
}

QString ProgramFixture::IniFileName()
{
    QString name = CSystemUtility().GetExeName(QCoreApplication::instance());
    name = name.mid(name.lastIndexOf('\\') + 1);
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name.truncate(dot);
    return SettingsFolder() + "\\" + name + ".ini";
}

void ProgramFixture::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    QDir().mkpath(HostPath(SettingsFolder()));
    TIniFile(IniFileName()).WriteString(section, key, value);
}
