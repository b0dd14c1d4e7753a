#include "core/util/C_system_utility.h"

#include "platform/os/Disks.h"
#include "platform/os/Folders.h"
#include "platform/os/Session.h"
#include "platform/os/SystemErrors.h"
#include "platform/os/VersionInfo.h"
#include "platform/rtl/Paths.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace {

const struct
{
    short id;
    Qt::CursorShape shape;
} cursorShapes[] = {
    {CSystemUtility::crArrow, Qt::ArrowCursor},
    {CSystemUtility::crCross, Qt::CrossCursor},
    {CSystemUtility::crIBeam, Qt::IBeamCursor},
    {CSystemUtility::crHourGlass, Qt::WaitCursor},
};

// The screen's cursor: crDefault when no cursor overrides the windows' own.
short ScreenCursor()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    if (!c)
        return CSystemUtility::crDefault;
    for (const auto& s : cursorShapes)
        if (s.shape == c->shape())
            return s.id;
    return CSystemUtility::crArrow;
}

void SetScreenCursor(short id)
{
    if (id == CSystemUtility::crDefault) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    Qt::CursorShape shape = Qt::ArrowCursor;
    for (const auto& s : cursorShapes)
        if (s.id == id)
            shape = s.shape;
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(shape);
    else
        QGuiApplication::setOverrideCursor(shape);
}

// Swallows input of the given kinds for one window while the waiting events run.
class InputEater : public QObject
{
public:
    InputEater(QWidget* window, std::initializer_list<QEvent::Type> types) : window(window), types(types) {}

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!types.contains(event->type()))
            return false;
        if (!window)
            return true;
        for (QObject* o = receiver; o; o = o->parent())
            if (o == window)
                return true;
        return false;
    }

private:
    QWidget* window;
    QList<QEvent::Type> types;
};

int FlushInput(QWidget* window, std::initializer_list<QEvent::Type> types)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return 0;
    InputEater eater(window, types);
    app->installEventFilter(&eater);
    QCoreApplication::processEvents();
    app->removeEventFilter(&eater);
    return 0;
}

} // namespace

CSystemUtility::CSystemUtility()
{
    Initialize();
}

void CSystemUtility::Initialize()
{
    nSavedCursor = crDefault;
}

void CSystemUtility::Assign(const CSystemUtility& other)
{
    stStartupInfo = other.stStartupInfo;
    stProcessInfo = other.stProcessInfo;
    nSavedCursor = other.nSavedCursor;
}

bool CSystemUtility::EnablePrivilege(long long process, const QString& name, bool enable)
{
    return os::EnablePrivilege(process, name, enable);
}

CSystemUtility::~CSystemUtility()
{
    // A program still running is let go, not ended; it is collected when it exits.
    if (stProcessInfo.Open)
        os::CloseProcess(stProcessInfo);
}

void CSystemUtility::ProcessMessages(QCoreApplication*)
{
    QCoreApplication::processEvents();
}

int CSystemUtility::FlushKeyMessages(QWidget* window)
{
    return FlushInput(window, {QEvent::KeyPress, QEvent::KeyRelease, QEvent::ShortcutOverride});
}

int CSystemUtility::FlushMouseMessages(QWidget* window)
{
    return FlushInput(window, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                               QEvent::MouseButtonDblClick, QEvent::MouseMove, QEvent::Wheel});
}

void CSystemUtility::BeginWaitCursor(QGuiApplication*)
{
    const short current = ScreenCursor();
    if (current == crHourGlass)
        return;
    nSavedCursor = current;
    SetScreenCursor(crHourGlass);
}

void CSystemUtility::EndWaitCursor(QGuiApplication*)
{
    SetScreenCursor(nSavedCursor);
}

bool CSystemUtility::LogOff()
{
    EnablePrivilege(0, "SeShutdownPrivilege", true);
    return os::ExitWindows(os::ewxLogOff);
}

bool CSystemUtility::PowerOff()
{
    EnablePrivilege(0, "SeShutdownPrivilege", true);
    return os::ExitWindows(os::ewxPowerOff);
}

bool CSystemUtility::Reboot()
{
    EnablePrivilege(0, "SeShutdownPrivilege", true);
    return os::ExitWindows(os::ewxReboot);
}

bool CSystemUtility::Shutdown()
{
    EnablePrivilege(0, "SeShutdownPrivilege", true);
    return os::ExitWindows(os::ewxShutdown);
}

bool CSystemUtility::StartProcess(const QString& commandLine)
{
    stStartupInfo = os::StartupInfo();
    stStartupInfo.Flags = os::STARTF_USESHOWWINDOW;
    stStartupInfo.ShowWindow = os::SW_SHOWDEFAULT;
    return os::CreateProcess(commandLine, stStartupInfo, stProcessInfo);
}

bool CSystemUtility::IsProcessRunning()
{
    return !os::WaitForProcess(stProcessInfo, 0);
}

bool CSystemUtility::EndProcess(int timeoutMs)
{
    if (!stProcessInfo.Open)
        return false;
    os::RequestClose(stProcessInfo);
    if (!os::WaitForProcess(stProcessInfo, timeoutMs)) {
        os::TerminateProcess(stProcessInfo);
        os::WaitForProcess(stProcessInfo, timeoutMs > 0 ? timeoutMs : 1000);
    }
    // Seen to end: nothing is left to let go of.
    return !stProcessInfo.Open || os::CloseProcess(stProcessInfo);
}

bool CSystemUtility::ShellOpen(const QString& file)
{
    stShellExecuteInfo = TShellExecuteInfo();
    stShellExecuteInfo.File = file;
    stShellExecuteInfo.Show = os::SW_SHOWNORMAL;
    return os::ShellOpen(file, &stShellExecuteInfo.ProcessId);
}

bool CSystemUtility::IsShellProcessRunning()
{
    return os::IsProcessAlive(stShellExecuteInfo.ProcessId);
}

QString CSystemUtility::VersionString(QCoreApplication* application, const char* name)
{
    QString value;
    os::QueryVersionString(GetExeName(application), QString("\\StringFileInfo\\040904E4\\") + name, value);
    return value;
}

QString CSystemUtility::GetFileVersion(QCoreApplication* application)
{
    return VersionString(application, "FileVersion");
}

QString CSystemUtility::GetLegalCopyright(QCoreApplication* application)
{
    return VersionString(application, "LegalCopyright");
}

QString CSystemUtility::GetCompanyName(QCoreApplication* application)
{
    return VersionString(application, "CompanyName");
}

QString CSystemUtility::GetFileDescription(QCoreApplication* application)
{
    return VersionString(application, "FileDescription");
}

QString CSystemUtility::GetProductName(QCoreApplication* application)
{
    return VersionString(application, "ProductName");
}

int CSystemUtility::GetDriveKind(const QString& drive)
{
    return os::GetDriveType(drive + ":\\");
}

int CSystemUtility::GetOsVersionClass()
{
    return os::GetOsVersionClass();
}

QString CSystemUtility::GetSystemErrorText(int code)
{
    return os::GetSystemErrorText(code);
}

QString CSystemUtility::GetExeName(QCoreApplication* application)
{
    const QString host = application ? application->applicationFilePath() : QString();
    return RemoveDotFolder(host.isEmpty() ? os::GetProgramFilePath() : ProgramPath(host));
}

QString CSystemUtility::RemoveDotFolder(const QString& path)
{
    QString out = path;
    const int at = int(out.indexOf(".\\"));
    if (at >= 0)
        out.remove(at, 2);
    return out;
}
