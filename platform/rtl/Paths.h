#pragma once
// The program builds Windows-style paths ("C:\kvr\database"). These map them onto
// the host: "\" and "/" both separate; drive "X:" is the folder <drives root>/x;
// drive "Z:" is the host's "/"; a path without a drive is relative to the current
// folder. Each existing component is matched without regard to case; among entries
// that differ only in case, the one through which more of the path exists wins, then
// the exact spelling. A component that does not exist keeps the spelling it was given. Every file the program
// opens goes through HostPath, so the mapping lives with the files in the run-time library.
#include <QString>

// $KVR_DRIVES, else $XDG_DATA_HOME/kvr/drives, else ~/.local/share/kvr/drives.
QString DrivesRoot();

// The host path of a program path. The folder of drive C: is created when it is
// missing, as a Windows machine always has that drive.
QString HostPath(const QString& path);

// The program's view of a host path: under the drives root it is on its drive,
// anything else is on drive Z:.
QString ProgramPath(const QString& hostPath);
