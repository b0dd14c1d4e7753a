#pragma once
// Files and folders named by program paths. Failures leave their error number in
// GetLastError.
#include "platform/rtl/DateTime.h"

#include <QString>
#include <vector>

namespace os {

// Attribute bits as the program tests them; Linux has no such bits, so they are
// made from the file's kind, its write permission and its name.
enum : int {
    FILE_ATTRIBUTE_READONLY = 0x01,
    FILE_ATTRIBUTE_HIDDEN = 0x02,
    FILE_ATTRIBUTE_SYSTEM = 0x04,
    FILE_ATTRIBUTE_DIRECTORY = 0x10,
    FILE_ATTRIBUTE_ARCHIVE = 0x20,
    FILE_ATTRIBUTE_NORMAL = 0x80,
    INVALID_FILE_ATTRIBUTES = -1,
};

bool FileExists(const QString& path);      // a file, not a folder; links followed
bool DirectoryExists(const QString& path); // links followed
bool CopyFile(const QString& source, const QString& destination, bool failIfExists);
bool DeleteFile(const QString& path);
// Fails when the new name exists.
bool MoveFile(const QString& oldPath, const QString& newPath);
bool CreateDirectory(const QString& path); // one folder; its parent must exist
bool RemoveDirectory(const QString& path); // must be empty
int GetFileAttributes(const QString& path);
bool SetFileAttributes(const QString& path, int attributes);

struct FindData
{
    QString Name;
    int Attributes = 0;
    long long Size = 0;
};
// The entries matching the last component of `pattern` ("C:\a\*.*", "C:\a\*.txt",
// "C:\a\*", or a plain name) without regard to case; hidden entries are left out.
std::vector<FindData> FindFiles(const QString& pattern);

enum class FileTime { Creation, LastAccess, LastWrite };
// False when the file cannot be read or its file system does not keep that time.
bool GetFileTime(const QString& path, FileTime which, TDateTime& value);

} // namespace os
