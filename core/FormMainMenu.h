#pragma once
// The main window: the first window made after the data module, so the application's
// main form. It owns the configuration file and the debug log that every other window
// reaches through MainMenuForm, opens the database at its first showing, and opens
// the working windows. Closing it ends the program.
#include "platform/rtl/DataFile.h"
#include "platform/rtl/IniFile.h"
#include "platform/widgets/Form.h"
#include "ui_FormMainMenu.h"

class TMainMenuForm : public widgets::Form, public Ui::TMainMenuForm
{
    Q_OBJECT
public:
    explicit TMainMenuForm(QWidget* parent = nullptr);
    ~TMainMenuForm() override;

    // The configuration file; gone once the window has closed.
    TIniFile* IniFile = nullptr;
    // The debug log, or null when [Debug] DebLog is 0 or the log cannot be opened.
    // Writers test it for null first.
    TDataFile* fpDebLog = nullptr;

    // The configuration folder: the local application data folder followed by
    // "\VirtualStore\Program Files\QORN\KVR", without a trailing backslash.
    static QString GetSettingsFolder();

    // The configuration folder, made level by level when missing, the configuration
    // file and the debug log in it (Kelvara2 does this when the window is made).
    void OpenSettingsFolder();
    // When [Debug] DebLog is non-zero, opens `fileName` for appending as the debug log
    // and writes the opening line.
    void OpenDebugLog(const QString& fileName);

    void FormShow();
    void FormClose();
    void FormDblClick();
    void PatientButtonClick();
    void KarteButtonClick();
    void TotalButtonClick();
    void MemberButtonClick();
    void SettingButtonClick();
    void VersionButtonClick();
    void CloseButtonClick();

private:
    static bool CreateSettingsFolder();
    static bool EnsureDirectory(const QString& path);
    static QString GetIniFileName();
};

extern TMainMenuForm* MainMenuForm;
