#include "core/ProgramFiles.h"

#include "core/util/C_file_system_utility.h"
#include "core/util/C_str_utility.h"
#include "core/util/C_system_utility.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"

#include <QCoreApplication>

constinit TProgramFiles ProgramFiles;

namespace {

// Below the local application data folder.
constexpr const char* SettingsSubPath = "\\VirtualStore\\Program Files\\QORN\\KVR";

// The log's opening and closing lines carry the main menu's name: it opens and closes the log.
QString LogLine(const char* method)
{
    return QString("TMainMenuForm::%1 %2 ================\n").arg(method, DateTimeToStr(Now()));
}

} // namespace

void TProgramFiles::OpenSettingsFolder()
{
    const QString folder = GetSettingsFolder();
    if (!CFileSystemUtility().ExistDirectory(folder))
        CreateSettingsFolder(); // a folder that cannot be made is not reported
    IniFile = new TIniFile(folder + "\\" + GetIniFileName());
    OpenDebugLog(folder + "\\DebLog.txt");
}

void TProgramFiles::OpenDebugLog(const QString& fileName)
{
    if (IniFile->ReadInteger("Debug", "DebLog", 0) == 0)
        return;
    const QString opening = LogLine("FormShow");
    if (auto log = TDataFile::Open(fileName, "a+")) {
        fpDebLog = log.release();
        fpDebLog->Write(opening);
        fpDebLog->Flush();
    }
}

void TProgramFiles::Close()
{
    if (fpDebLog) {
        fpDebLog->Write(LogLine("FormClose"));
        fpDebLog->Close();
        delete fpDebLog;
        fpDebLog = nullptr;
    }
    delete IniFile;
    IniFile = nullptr;
}

void TProgramFiles::Discard()
{
    delete fpDebLog;
    fpDebLog = nullptr;
    delete IniFile;
    IniFile = nullptr;
}

QString TProgramFiles::GetSettingsFolder()
{
    return CFileSystemUtility().GetLocalAppDataPath() + SettingsSubPath;
}

bool TProgramFiles::CreateSettingsFolder()
{
    TStringList components;
    SplitPathComponents(SettingsSubPath, &components);
    QString path = CFileSystemUtility().GetLocalAppDataPath();
    for (int i = 0; i < components.Count(); ++i) {
        path += components[i];
        if (!EnsureDirectory(path))
            return false;
    }
    return true;
}

bool TProgramFiles::EnsureDirectory(const QString& path)
{
    CFileSystemUtility fsu;
    return fsu.ExistDirectory(path) || fsu.MakeDirectory(path);
}

QString TProgramFiles::GetIniFileName()
{
    QString name = CSystemUtility().GetExeName(QCoreApplication::instance());
    name = name.mid(name.lastIndexOf('\\') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name.truncate(dot);
    return name + ".ini";
}
