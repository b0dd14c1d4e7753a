#pragma once
// Kelvara1, the previous edition, as the shared windows see it: the configuration file
// in "Database\" under the program's folder (moved there once from beside the program)
// and the debug log in the current folder, both opened at the main menu's first
// showing; the database reached through the engine alias "KVRKarte" on the default
// session; the About box filled at every showing from its own string table; the date
// picker that accepts a date only through OK; the diagnostics window on a double
// click; a settings window without the database folders; a sum-up without the school
// list, writing its totals file where [Sum] SumPath and SumCsv say; a chart editor
// whose Up and Down jump to the partner row and whose keys outside the teeth move on;
// no conveniences in the karte editor.
#include "core/Edition.h"

class TDBDM;

class TEdition1 : public TEdition
{
public:
    // `programFile` as the program names it ("Z:\opt\kvr\Kelvara1"): the configuration
    // file and the version information are found from it.
    explicit TEdition1(const QString& programFile);

    void MainMenuMade(TMainMenuForm&) override {}
    void MainMenuShown(TMainMenuForm& form) override;
    void MainMenuDblClick(TMainMenuForm& form) override;
    bool AboutMade(TAboutForm& form) override;
    void AboutShown(TAboutForm& form) override;
    void DatePickerMade(TMonthCalendarForm& form) override;
    QString DateFieldText(const QString& dateText) const override { return dateText; }
    bool KarteConveniences() const override { return false; }
    void ChartEditorMade(TDentalFormulaForm& form) override;
    bool ChartKeyDown(TDentalFormulaForm& form, int& key) override;
    bool DatabaseFolderSettings() const override { return false; }
    void SettingsMade(TSettingForm& form) override;
    QString SumCsvPath() const override;
    bool SumupSchoolList() const override { return false; }
    void SumupMade(TSumupForm& form) override;

    // The program's folder with its trailing backslash.
    QString ProgramFolder() const;
    // The configuration file: the program's folder + "Database\" + the program file's
    // name with the extension ".ini".
    QString IniFileName() const;
    // Where earlier starts kept it: the program file with the extension ".ini".
    QString OldIniFileName() const;
    // Moves the old file into "Database\" when it exists there alone; a copy that fails
    // (no "Database" folder) changes nothing and is not reported.
    void MoveOldIniFile() const;

    // The alias that names the database in the engine.
    static constexpr const char* DatabaseAlias = "KVRKarte";
    // The data module's datasets on the engine's default session, naming the database by
    // the alias, and the occupation table opened. Raises what the engine raises.
    static void UseAlias(TDBDM& dm);

private:
    QString programFile;
};
