#include "platform/os/Files.h"

#include "platform/os/SystemErrors.h"
#include "platform/rtl/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

namespace {

QByteArray Native(const QString& path)
{
    return QFile::encodeName(HostPath(path));
}

bool Fail(int code = errno)
{
    SetLastError(code);
    return false;
}

bool IsHiddenName(const QString& name)
{
    return name.startsWith('.');
}

int AttributesOf(const struct stat& st, const QString& name)
{
    int a = 0;
    if (S_ISDIR(st.st_mode))
        a |= FILE_ATTRIBUTE_DIRECTORY;
    else if (S_ISREG(st.st_mode))
        a |= FILE_ATTRIBUTE_ARCHIVE;
    if (!(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        a |= FILE_ATTRIBUTE_READONLY;
    if (IsHiddenName(name))
        a |= FILE_ATTRIBUTE_HIDDEN;
    return a ? a : FILE_ATTRIBUTE_NORMAL;
}

QString LastComponent(const QString& path)
{
    QString p = path;
    while (p.endsWith('\\') || p.endsWith('/'))
        p.chop(1);
    const int cut = std::max(p.lastIndexOf('\\'), p.lastIndexOf('/'));
    return p.mid(cut + 1);
}

} // namespace

bool FileExists(const QString& path)
{
    struct stat st;
    if (stat(Native(path).constData(), &st) != 0)
        return Fail();
    return !S_ISDIR(st.st_mode) || Fail(EISDIR);
}

bool DirectoryExists(const QString& path)
{
    struct stat st;
    if (stat(Native(path).constData(), &st) != 0)
        return Fail();
    return S_ISDIR(st.st_mode) || Fail(ENOTDIR);
}

bool CopyFile(const QString& source, const QString& destination, bool failIfExists)
{
    const QByteArray from = Native(source);
    const QByteArray to = Native(destination);
    const int in = open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Fail();
    struct stat st;
    if (fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int e = S_ISDIR(st.st_mode) ? EISDIR : errno;
        close(in);
        return Fail(e);
    }
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC);
    const int out = open(to.constData(), flags, st.st_mode & 07777);
    if (out < 0) {
        const int e = errno;
        close(in);
        return Fail(e);
    }
    char block[65536];
    bool ok = true;
    int error = 0;
    for (;;) {
        const ssize_t n = read(in, block, sizeof block);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            error = errno;
            break;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = write(out, block + done, size_t(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                ok = false;
                error = w < 0 ? errno : ENOSPC;
                break;
            }
            done += w;
        }
        if (!ok)
            break;
    }
    // A copy keeps the original's last write time, as the program expects of a copy.
    if (ok) {
        const timespec times[2] = {st.st_atim, st.st_mtim};
        futimens(out, times);
    }
    if (close(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    close(in);
    if (!ok) {
        unlink(to.constData()); // no half-written copy is left behind
        return Fail(error);
    }
    return true;
}

bool DeleteFile(const QString& path)
{
    return unlink(Native(path).constData()) == 0 || Fail();
}

bool MoveFile(const QString& oldPath, const QString& newPath)
{
    const QByteArray from = Native(oldPath);
    const QByteArray to = Native(newPath);
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return Fail();
    // A file system that cannot refuse to replace: test first.
    struct stat st;
    if (lstat(to.constData(), &st) == 0)
        return Fail(EEXIST);
    return rename(from.constData(), to.constData()) == 0 || Fail();
}

bool CreateDirectory(const QString& path)
{
    return mkdir(Native(path).constData(), 0777) == 0 || Fail();
}

bool RemoveDirectory(const QString& path)
{
    return rmdir(Native(path).constData()) == 0 || Fail();
}

int GetFileAttributes(const QString& path)
{
    struct stat st;
    if (stat(Native(path).constData(), &st) != 0) {
        Fail();
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOf(st, LastComponent(path));
}

bool SetFileAttributes(const QString& path, int attributes)
{
    const QByteArray native = Native(path);
    struct stat st;
    if (stat(native.constData(), &st) != 0)
        return Fail();
    mode_t mode = st.st_mode & 07777;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        mode &= ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH);
    else if (!(mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        mode |= S_IWUSR;
    return chmod(native.constData(), mode) == 0 || Fail();
}

std::vector<FindData> FindFiles(const QString& pattern)
{
    std::vector<FindData> found;
    QString p = pattern;
    p.replace('/', '\\');
    const int cut = p.lastIndexOf('\\');
    const QString folder = cut < 0 ? QString(".") : p.left(cut + 1);
    const QString mask = p.mid(cut + 1);
    if (mask.isEmpty()) {
        SetLastError(ENOENT);
        return found;
    }
    // "*.*" means every name, with or without a dot.
    const QString wildcard = mask == "*.*" ? QString("*") : mask;
    // Only "*" and "?" are wild, as on Windows; "[" is an ordinary character there.
    QString rx;
    for (const QChar c : wildcard)
        rx += c == '*' ? QString(".*") : c == '?' ? QString(".") : QRegularExpression::escape(QString(c));
    const QRegularExpression re(QRegularExpression::anchoredPattern(rx),
                                QRegularExpression::CaseInsensitiveOption);
    const QString hostFolder = HostPath(folder);
    QDir dir(hostFolder);
    if (!dir.exists()) {
        SetLastError(ENOENT);
        return found;
    }
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (IsHiddenName(name) || !re.match(name).hasMatch())
            continue;
        struct stat st;
        if (stat(QFile::encodeName(dir.filePath(name)).constData(), &st) != 0)
            continue; // a dangling link is not a file
        found.push_back({name, AttributesOf(st, name), S_ISDIR(st.st_mode) ? 0 : (long long)st.st_size});
    }
    if (found.empty())
        SetLastError(ENOENT);
    return found;
}

bool GetFileTime(const QString& path, FileTime which, TDateTime& value)
{
    struct statx sx;
    const unsigned want = which == FileTime::Creation     ? STATX_BTIME
                          : which == FileTime::LastAccess ? STATX_ATIME
                                                          : STATX_MTIME;
    if (statx(AT_FDCWD, Native(path).constData(), 0, want, &sx) != 0)
        return Fail();
    if (!(sx.stx_mask & want))
        return Fail(ENOTSUP);
    const statx_timestamp& t = which == FileTime::Creation     ? sx.stx_btime
                               : which == FileTime::LastAccess ? sx.stx_atime
                                                               : sx.stx_mtime;
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
    const QDate d = local.date();
    const QTime tm = local.time();
    value = TDateTime(EncodeDate(d.year(), d.month(), d.day()) +
                      EncodeTime(tm.hour(), tm.minute(), tm.second(), tm.msec()));
    return true;
}

} // namespace os
