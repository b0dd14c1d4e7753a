#include "platform/os/Disks.h"

#include "platform/os/SystemErrors.h"
#include "platform/rtl/Paths.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

namespace os {

namespace {

// Only a drive letter followed by ":\" names a root; drive C: always exists.
bool DriveRoot(const QString& root, QByteArray& host)
{
    if (root.size() < 2 || !root[0].isLetter() || root[1] != ':')
        return false;
    host = QFile::encodeName(HostPath(root.left(2) + "\\"));
    struct stat st;
    return stat(host.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

long long GetDiskFreeBytes(const QString& root)
{
    QByteArray host;
    struct statvfs vfs;
    if (!DriveRoot(root, host) || statvfs(host.constData(), &vfs) != 0) {
        SetLastError(errno ? errno : ENOENT);
        return 0;
    }
    return (long long)vfs.f_bfree * (long long)vfs.f_frsize;
}

int GetDriveType(const QString& root)
{
    QByteArray host;
    struct statfs fs;
    if (!DriveRoot(root, host) || statfs(host.constData(), &fs) != 0)
        return DRIVE_NO_ROOT_DIR;
    switch ((unsigned long)fs.f_type) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x5346414F: // AFS
        return DRIVE_REMOTE;
    case 0x9660:     // ISO 9660
    case 0x15013346: // UDF
        return DRIVE_CDROM;
    case 0x01021994: // tmpfs
    case 0x858458F6: // ramfs
        return DRIVE_RAMDISK;
    default:
        return DRIVE_FIXED;
    }
}

} // namespace os
