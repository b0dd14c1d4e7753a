#pragma once
// Drives as the program names them ("C:\").
#include <QString>

namespace os {

enum {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6
};

// All free bytes of the file system holding the root; 0 when it cannot be asked.
long long GetDiskFreeBytes(const QString& root);
// From the kind of file system holding the root.
int GetDriveType(const QString& root);

} // namespace os
