#include "platform/os/Folders.h"

#include "platform/os/SystemErrors.h"
#include "platform/rtl/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

namespace os {

QString LoginName()
{
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QString("user") : user;
}

QString GetSpecialFolderPath(int csidl)
{
    QString path;
    if (csidl == CSIDL_LOCAL_APPDATA)
        path = "C:\\Users\\" + LoginName() + "\\AppData\\Local";
    else if (csidl == CSIDL_COMMON_APPDATA)
        path = "C:\\ProgramData";
    else {
        SetLastError(EINVAL);
        return QString();
    }
    if (!QDir().mkpath(HostPath(path))) {
        SetLastError(EACCES);
        return QString();
    }
    return path;
}

QString GetTempPath()
{
    QString path = ProgramPath(QDir::tempPath());
    if (!path.endsWith('\\'))
        path += '\\';
    return path;
}

QString GetCurrentFolder()
{
    return ProgramPath(QDir::currentPath());
}

bool SetCurrentFolder(const QString& path)
{
    if (QDir::setCurrent(HostPath(path)))
        return true;
    SetLastError(ENOENT);
    return false;
}

QString GetProgramFilePath()
{
    QString host;
    if (QCoreApplication::instance())
        host = QCoreApplication::applicationFilePath();
    if (host.isEmpty())
        host = QFile::symLinkTarget("/proc/self/exe");
    return ProgramPath(host);
}

} // namespace os
