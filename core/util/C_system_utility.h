#pragma once
// Small services of the system and of the application object: event pumping, the
// wait cursor, other programs, opening documents, the program file's version texts.
#include "platform/os/Processes.h"

#include <QString>

class QCoreApplication;
class QGuiApplication;
class QWidget;

// What the last shell open handed the desktop, and the launcher's process id.
struct TShellExecuteInfo
{
    QString File;
    int Show = 0;
    long long ProcessId = 0;
};

class CSystemUtility
{
public:
    CSystemUtility();

    virtual void Initialize();
    // Copies the start-up information, process information and saved cursor.
    virtual void Assign(const CSystemUtility& other);
    virtual bool EnablePrivilege(long long process, const QString& name, bool enable);
    virtual ~CSystemUtility();
    virtual void ProcessMessages(QCoreApplication* application);
    // Drop the key (mouse) input waiting for `window` and its children, every window when null.
    virtual int FlushKeyMessages(QWidget* window);
    virtual int FlushMouseMessages(QWidget* window);
    virtual void BeginWaitCursor(QGuiApplication* screen);
    virtual void EndWaitCursor(QGuiApplication* screen);
    virtual bool LogOff();
    virtual bool PowerOff();
    virtual bool Reboot();
    virtual bool Shutdown();
    virtual bool StartProcess(const QString& commandLine);
    virtual bool IsProcessRunning();
    virtual bool EndProcess(int timeoutMs);
    virtual bool ShellOpen(const QString& file);
    virtual bool IsShellProcessRunning();
    virtual QString GetFileVersion(QCoreApplication* application);
    virtual QString GetLegalCopyright(QCoreApplication* application);
    virtual QString GetCompanyName(QCoreApplication* application);
    virtual QString GetFileDescription(QCoreApplication* application);
    virtual QString GetProductName(QCoreApplication* application);
    virtual int GetDriveKind(const QString& drive);
    virtual int GetOsVersionClass();
    virtual QString GetSystemErrorText(int code);

    // The program file's path as the program sees it.
    QString GetExeName(QCoreApplication* application);
    // `path` with its first ".\" removed.
    static QString RemoveDotFolder(const QString& path);

    // Cursor identifiers of the class library.
    enum : short { crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crHourGlass = -11 };

protected:
    os::StartupInfo stStartupInfo;
    os::ProcessInformation stProcessInfo;
    short nSavedCursor = 0;
    TShellExecuteInfo stShellExecuteInfo;

private:
    QString VersionString(QCoreApplication* application, const char* name);
};
