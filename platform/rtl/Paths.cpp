#include "platform/rtl/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString CleanHost(const QString& p)
{
    return QDir::cleanPath(p);
}

// The entry of `folder` that is spelt like `name` without regard to case; `name`
// itself when there is none.
QString MatchComponent(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(folder + '/' + name))
        return name;
    QDir dir(folder);
    if (!dir.exists())
        return name;
    QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                        QDir::Name);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return name;
}

QString Join(const QString& folder, const QString& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace

QString DrivesRoot()
{
    QString root = qEnvironmentVariable("KVR_DRIVES");
    if (root.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty())
            data = QDir::homePath() + "/.local/share";
        root = data + "/kvr/drives";
    }
    return CleanHost(QDir(root).absolutePath());
}

QString HostPath(const QString& path)
{
    QString p = path;
    p.replace('\\', '/');

    QString base;
    if (p.size() >= 2 && p[1] == ':' && p[0].isLetter()) {
        const QChar drive = p[0].toLower();
        p = p.mid(2);
        if (drive == 'z') {
            base = "/";
        } else {
            base = DrivesRoot() + '/' + drive;
            if (drive == 'c')
                QDir().mkpath(base);
        }
        // "C:name" is relative to the drive's root here: there is one folder per drive.
    } else if (p.startsWith('/')) {
        // A rooted path without a drive is on the current folder's drive.
        const QString cwd = ProgramPath(QDir::currentPath());
        return HostPath(cwd.left(2) + path);
    } else {
        base = QDir::currentPath();
    }

    QString host = base;
    for (const QString& part : p.split('/', Qt::SkipEmptyParts)) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (host != base)
                host = QFileInfo(host).path();
            continue;
        }
        host = Join(host, MatchComponent(host, part));
    }
    if (p.endsWith('/') && !host.endsWith('/'))
        host += '/';
    return host;
}

QString ProgramPath(const QString& hostPath)
{
    const bool trailing = hostPath.endsWith('/') && hostPath.size() > 1;
    const QString host = CleanHost(QDir(hostPath).absolutePath());
    const QString root = DrivesRoot();
    QString drive = "Z:";
    QString rest = host;
    if (host.startsWith(root + '/')) {
        const QString inRoot = host.mid(root.size() + 1);
        const int slash = inRoot.indexOf('/');
        const QString letter = slash < 0 ? inRoot : inRoot.left(slash);
        if (letter.size() == 1 && letter[0].isLetter()) {
            drive = letter.toUpper() + ':';
            rest = slash < 0 ? QString("/") : inRoot.mid(slash);
        }
    }
    QString out = drive + rest;
    out.replace('/', '\\');
    if (trailing && !out.endsWith('\\'))
        out += '\\';
    return out;
}
