#include "tests/edition1/Kelvara1Fixture.h"

#include "app/FormMainMenu.h"
#include "edition1/ProgramObjects1.h"
#include "platform/db/Session.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"

#include <QDir>

Kelvara1Program::Kelvara1Program() : savedCwd(QDir::currentPath())
{
    QDir().mkpath(Host("C:\\ProgramData\\KvrEngine"));
    TIniFile(TSession::AliasFile()).WriteString(TEdition1::DatabaseAlias, "Path", TempDatabase::DatabaseName);
    QDir().mkpath(Host("C:\\Program Files\\KVR\\Database"));
    QDir().mkpath(Host("C:\\work"));
    QDir::setCurrent(Host("C:\\work"));
}

Kelvara1Program::~Kelvara1Program()
{
    Stop();
    QDir::setCurrent(savedCwd);
}

void Kelvara1Program::Start()
{
    SetEdition(&edition);
    CreateKelvara1Objects(objects);
    MainMenuForm->Show();
}

void Kelvara1Program::Stop()
{
    if (MainMenuForm && MainMenuForm->isVisible())
        MainMenuForm->Close();
    objects.DestroyAll();
    SetEdition(nullptr);
}

QString Kelvara1Program::Host(const QString& path)
{
    return HostPath(path);
}
