#include "platform/rtl/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString CleanHost(const QString& p)
{
    return QDir::cleanPath(p);
}

QString Join(const QString& folder, const QString& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The entries of `folder` spelt like `name` without regard to case: `name` itself first when
// it exists, then the others as the folder lists them.
QStringList Matches(const QString& folder, const QString& name)
{
    QStringList matches;
    if (QFileInfo::exists(Join(folder, name)))
        matches.append(name);
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& e : entries)
        if (e != name && e.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(e);
    return matches;
}

struct Resolved
{
    QString host;
    int existing = 0; // how many of the components exist
};

// `parts` from `first` on, below `folder`. Where folders differ only in case ("KVR" beside
// "kvr"), the one through which more of the path exists wins, then the one listed first
// (the exact spelling); a component that does not exist keeps its spelling.
Resolved Resolve(const QString& folder, const QStringList& parts, int first)
{
    if (first == parts.size())
        return {folder, 0};
    // Spelt as given, the whole rest exists: no other spelling can do better.
    QString asGiven = folder;
    for (int i = first; i < parts.size(); ++i)
        asGiven = Join(asGiven, parts[i]);
    if (QFileInfo::exists(asGiven))
        return {asGiven, int(parts.size()) - first};

    Resolved best{asGiven, 0};
    for (const QString& match : Matches(folder, parts[first])) {
        Resolved below = Resolve(Join(folder, match), parts, first + 1);
        ++below.existing;
        if (below.existing > best.existing)
            best = below;
        if (best.existing == parts.size() - first)
            break;
    }
    return best;
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

    // "." and ".." by the text, never above the drive's (or the current) folder.
    QStringList parts;
    for (const QString& part : p.split('/', Qt::SkipEmptyParts)) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    QString host = Resolve(base, parts, 0).host;
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
