#include "core/FormMainMenu.h"

#include "core/AboutUnit.h"
#include "core/Edition.h"
#include "core/KvrLogo.h"
#include "core/util/C_file_system_utility.h"
#include "core/util/C_str_utility.h"
#include "core/util/C_system_utility.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"
#include "platform/widgets/Handler.h"
#include "records/MedicalRecordUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "tables/FormSetting.h"
#include "totals/SumupUnit.h"

#include <QCoreApplication>

TMainMenuForm* MainMenuForm = nullptr;

namespace {

// Below the local application data folder; known when compiled, as a main menu made by a
// static initialiser would need it.
constexpr QLatin1StringView SettingsSubPath("\\VirtualStore\\Program Files\\QORN\\KVR");

QString LogLine(const char* method)
{
    return QString("TMainMenuForm::%1 %2 ================\n").arg(method, DateTimeToStr(Now()));
}

} // namespace

TMainMenuForm::TMainMenuForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Position = widgets::Position::DesktopCenter;
    KvrLogoImage->setPicture(KvrLogo());

    Edition().MainMenuMade(*this);

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TMainMenuForm::FormShow);
    Connect(this, &Form::OnClose, this, &TMainMenuForm::FormClose);
    Connect(this, &Form::OnDblClick, this, &TMainMenuForm::FormDblClick);
    Connect(PatientButton, &QPushButton::clicked, this, &TMainMenuForm::PatientButtonClick);
    Connect(KarteButton, &QPushButton::clicked, this, &TMainMenuForm::KarteButtonClick);
    Connect(TotalButton, &QPushButton::clicked, this, &TMainMenuForm::TotalButtonClick);
    Connect(MemberButton, &QPushButton::clicked, this, &TMainMenuForm::MemberButtonClick);
    Connect(SettingButton, &QPushButton::clicked, this, &TMainMenuForm::SettingButtonClick);
    Connect(VersionButton, &QPushButton::clicked, this, &TMainMenuForm::VersionButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TMainMenuForm::CloseButtonClick);
}

TMainMenuForm::~TMainMenuForm()
{
    // Only when the window never closed (a program ended while it was being made).
    delete fpDebLog;
    delete IniFile;
}

void TMainMenuForm::OpenSettingsFolder()
{
    const QString folder = GetSettingsFolder();
    if (!CFileSystemUtility().ExistDirectory(folder))
        CreateSettingsFolder(); // a folder that cannot be made is not reported
    IniFile = new TIniFile(folder + "\\" + GetIniFileName());
    OpenDebugLog(folder + "\\DebLog.txt");
}

void TMainMenuForm::OpenDebugLog(const QString& fileName)
{
    if (IniFile->ReadInteger("Debug", "DebLog", 0) == 0)
        return;
    // A log that cannot be opened leaves the program without one, silently.
    const QString opening = LogLine("FormShow");
    if (auto log = TDataFile::Open(fileName, "a+", TDataFile::deCP932)) {
        fpDebLog = log.release();
        fpDebLog->Write(opening);
        fpDebLog->Flush();
    }
}

QString TMainMenuForm::GetSettingsFolder()
{
    return CFileSystemUtility().GetLocalAppDataPath() + SettingsSubPath;
}

bool TMainMenuForm::CreateSettingsFolder()
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

bool TMainMenuForm::EnsureDirectory(const QString& path)
{
    CFileSystemUtility fsu;
    return fsu.ExistDirectory(path) || fsu.MakeDirectory(path);
}

QString TMainMenuForm::GetIniFileName()
{
    QString name = CSystemUtility().GetExeName(QCoreApplication::instance());
    name = name.mid(name.lastIndexOf('\\') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name.truncate(dot);
    return name + ".ini";
}

void TMainMenuForm::FormShow()
{
    Edition().MainMenuShown(*this);
}

void TMainMenuForm::FormDblClick()
{
    Edition().MainMenuDblClick(*this);
}

void TMainMenuForm::FormClose()
{
    if (fpDebLog) {
        fpDebLog->Write(LogLine("FormClose"));
        fpDebLog->Close();
        delete fpDebLog;
        fpDebLog = nullptr;
    }
    // Reset, so that a second close (or the destructor) finds nothing left to free.
    delete IniFile;
    IniFile = nullptr;
}

void TMainMenuForm::PatientButtonClick()
{
    PatientForm->RegisterPatients();
}

void TMainMenuForm::KarteButtonClick()
{
    MedicalRecordForm->ShowModal();
}

void TMainMenuForm::TotalButtonClick()
{
    SumupForm->ShowModal();
}

void TMainMenuForm::MemberButtonClick()
{
    MemberForm->ShowModal();
}

void TMainMenuForm::SettingButtonClick()
{
    SettingForm->ShowModal();
}

void TMainMenuForm::VersionButtonClick()
{
    AboutForm->ShowModal();
}

void TMainMenuForm::CloseButtonClick()
{
    Close();
}
