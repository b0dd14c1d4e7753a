#pragma once
// Other programs: started from a Windows command line and watched, and documents
// opened by the desktop.
#include <QString>
#include <QStringList>

namespace os {

// What the program asks of a new process's first window; kept, not acted on.
struct StartupInfo
{
    unsigned Flags = 0;
    int ShowWindow = 0;
};
enum { STARTF_USESHOWWINDOW = 1, SW_SHOWNORMAL = 1, SW_SHOWDEFAULT = 10 };

// A started process; Open until it has been seen to end or has been let go.
struct ProcessInformation
{
    long long ProcessId = 0;
    bool Open = false;
};

// Splits as Windows does: blanks separate, quotes group, 2n backslashes before a
// quote give n and the quote groups, 2n+1 give n and a literal quote; "" inside a
// quoted part is a quote. The program name ends at the first blank or closing quote.
QStringList SplitCommandLine(const QString& commandLine);

// Starts without waiting. A program name with a drive or a backslash is a program
// path; a bare name is looked up in PATH.
bool CreateProcess(const QString& commandLine, const StartupInfo& startup, ProcessInformation& info);
// True when it has ended (it is then let go); false while it runs after `timeoutMs`.
bool WaitForProcess(ProcessInformation& info, int timeoutMs);
// Asks it to close (SIGTERM).
bool RequestClose(const ProcessInformation& info);
bool TerminateProcess(const ProcessInformation& info);
// Lets go of it; one still running is collected when it ends, never killed.
bool CloseProcess(ProcessInformation& info);

// xdg-open, detached and not waited for; true when the launcher started. `processId`
// receives the launcher's id.
bool ShellOpen(const QString& document, long long* processId);
bool IsProcessAlive(long long processId);

} // namespace os
