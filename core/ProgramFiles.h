#pragma once
// The configuration file and the debug log: the two files every window shares. The main
// menu opens them (where and when is the edition's choice, see TEdition::MainMenuMade and
// MainMenuShown) and frees them when it closes; the windows reach them here, through
// ProgramFiles, and test the log for null before writing.
#include "platform/rtl/DataFile.h"
#include "platform/rtl/IniFile.h"

#include <QString>

struct TProgramFiles
{
    // The configuration file; null until the main menu has opened it and once it has closed.
    TIniFile* IniFile = nullptr;
    // The debug log, or null when [Debug] DebLog is 0 or the log cannot be opened.
    TDataFile* fpDebLog = nullptr;

    // Kelvara2's configuration folder: the local application data folder followed by
    // "\VirtualStore\Program Files\QORN\KVR", without a trailing backslash.
    static QString GetSettingsFolder();

    // The configuration folder, made level by level when missing, the configuration file
    // in it (named after the program, with ".ini") and the debug log there.
    void OpenSettingsFolder();
    // When [Debug] DebLog is non-zero, opens `fileName` for appending as the debug log and
    // writes the opening line; a log that cannot be opened leaves the program without one.
    void OpenDebugLog(const QString& fileName);
    // Writes the closing line to the log and closes it, then frees the configuration file;
    // what is not open is passed over, so a second call does nothing.
    void Close();
    // Frees both without a closing line: the program ended before its main menu closed.
    void Discard();

private:
    static bool CreateSettingsFolder();
    static bool EnsureDirectory(const QString& path);
    static QString GetIniFileName();
};

// Constant-initialised, so it is there before any object of another unit is made.
extern constinit TProgramFiles ProgramFiles;
