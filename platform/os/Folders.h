#pragma once
// The shell's special folders, the temporary folder, the current folder and the
// program file, all as program paths ("C:\...", "Z:\...").
#include <QString>

namespace os {

enum { CSIDL_LOCAL_APPDATA = 28, CSIDL_COMMON_APPDATA = 35 };

// The folder, created when missing as Windows always has it; "" for another
// identifier or when it cannot be made.
QString GetSpecialFolderPath(int csidl);
// With its trailing backslash.
QString GetTempPath();
QString GetCurrentFolder();
bool SetCurrentFolder(const QString& path);
// "Z:\...\Kelvara2".
QString GetProgramFilePath();
// The login name of the user running the program.
QString LoginName();

} // namespace os
