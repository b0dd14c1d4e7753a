#include "platform/os/Processes.h"

#include "platform/os/SystemErrors.h"
#include "platform/rtl/Paths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace os {

QStringList SplitCommandLine(const QString& commandLine)
{
    QStringList args;
    const QString& s = commandLine;
    int i = 0;
    const int n = int(s.size());
    auto blank = [&](int k) { return s[k] == ' ' || s[k] == '\t'; };

    // The program name: no escapes, quotes only group.
    while (i < n && blank(i))
        ++i;
    if (i >= n)
        return args;
    QString name;
    if (s[i] == '"') {
        ++i;
        while (i < n && s[i] != '"')
            name += s[i++];
        if (i < n)
            ++i;
    } else {
        while (i < n && !blank(i))
            name += s[i++];
    }
    args << name;

    for (;;) {
        while (i < n && blank(i))
            ++i;
        if (i >= n)
            break;
        QString arg;
        bool quoted = false;
        while (i < n && (quoted || !blank(i))) {
            if (s[i] == '\\') {
                int slashes = 0;
                while (i < n && s[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && s[i] == '"') {
                    arg += QString(slashes / 2, '\\');
                    if (slashes % 2) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg += QString(slashes, '\\');
                }
            } else if (s[i] == '"') {
                if (quoted && i + 1 < n && s[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += s[i++];
            }
        }
        args << arg;
    }
    return args;
}

bool CreateProcess(const QString& commandLine, const StartupInfo&, ProcessInformation& info)
{
    info = ProcessInformation();
    QStringList args = SplitCommandLine(commandLine);
    if (args.isEmpty() || args[0].isEmpty()) {
        SetLastError(ENOENT);
        return false;
    }
    static const QRegularExpression drive("^[A-Za-z]:");
    if (args[0].contains('\\') || drive.match(args[0]).hasMatch())
        args[0] = HostPath(args[0]);

    std::vector<QByteArray> bytes;
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        SetLastError(rc);
        return false;
    }
    info.ProcessId = pid;
    info.Open = true;
    return true;
}

bool WaitForProcess(ProcessInformation& info, int timeoutMs)
{
    if (!info.Open)
        return true;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        int status = 0;
        const pid_t r = waitpid(pid_t(info.ProcessId), &status, WNOHANG);
        if (r == pid_t(info.ProcessId) || (r < 0 && errno != EINTR)) {
            info.Open = false;
            return true;
        }
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool RequestClose(const ProcessInformation& info)
{
    if (!info.Open || kill(pid_t(info.ProcessId), SIGTERM) != 0) {
        SetLastError(info.Open ? errno : ESRCH);
        return false;
    }
    return true;
}

bool TerminateProcess(const ProcessInformation& info)
{
    if (!info.Open || kill(pid_t(info.ProcessId), SIGKILL) != 0) {
        SetLastError(info.Open ? errno : ESRCH);
        return false;
    }
    return true;
}

bool CloseProcess(ProcessInformation& info)
{
    if (!info.Open) {
        SetLastError(EBADF);
        return false;
    }
    if (!WaitForProcess(info, 0)) {
        // Still running: someone must collect it when it ends, so it leaves no zombie.
        const pid_t pid = pid_t(info.ProcessId);
        std::thread([pid] {
            int status;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }
    info.Open = false;
    return true;
}

bool ShellOpen(const QString& document, long long* processId)
{
    // A URL goes to the desktop as it is; anything else is a program path.
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    const QString target = scheme.match(document).hasMatch() ? document : HostPath(document);
    qint64 pid = 0;
    if (!QProcess::startDetached("xdg-open", {target}, QString(), &pid)) {
        SetLastError(ENOENT);
        return false;
    }
    if (processId)
        *processId = pid;
    return true;
}

bool IsProcessAlive(long long processId)
{
    return processId > 0 && kill(pid_t(processId), 0) == 0;
}

} // namespace os
