#pragma once
// The main window: the first window made after the data module, so the application's
// main form. It opens the configuration file and the debug log that every window shares
// (core/ProgramFiles.h) and frees them when it closes, opens the database at its first
// showing, and opens the working windows. Closing it ends the program.
#include "core/ProgramFiles.h"
#include "platform/widgets/Form.h"
#include "ui_FormMainMenu.h"

class TMainMenuForm : public widgets::Form, public Ui::TMainMenuForm
{
    Q_OBJECT
public:
    explicit TMainMenuForm(QWidget* parent = nullptr);
    ~TMainMenuForm() override;

    // The shared configuration file and debug log, under the main menu's own names.
    TIniFile*& IniFile = ProgramFiles.IniFile;
    TDataFile*& fpDebLog = ProgramFiles.fpDebLog;

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
};

extern TMainMenuForm* MainMenuForm;
