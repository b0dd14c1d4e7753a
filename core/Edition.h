#pragma once
// What the two editions of the program do differently. The shared windows ask the
// edition the program was started as at the few points where the editions part.
// The answers here are Kelvara2's, and none of them needs a window; Kelvara1 overrides
// them in edition1/ and installs its edition before the program's objects are made.
#include <QString>

class TAboutForm;
class TDentalFormulaForm;
class TMainMenuForm;
class TMonthCalendarForm;
class TSettingForm;
class TSumupForm;

class TEdition
{
public:
    virtual ~TEdition() = default;

    // The main menu's constructor: the configuration folder under the local application
    // data folder, the configuration file and the debug log there.
    virtual void MainMenuMade(TMainMenuForm& form);
    // Its first showing: the database opened at the configured folders.
    virtual void MainMenuShown(TMainMenuForm& form);
    // A double click on its background.
    virtual void MainMenuDblClick(TMainMenuForm&) {}

    // The About box made: true when the edition has laid it out itself; false leaves the
    // box to fill its labels once, now, as Kelvara2's does.
    virtual bool AboutMade(TAboutForm&) { return false; }
    virtual void AboutShown(TAboutForm&) {}

    // The date picker made (its layout, and what leaving the calendar does).
    virtual void DatePickerMade(TMonthCalendarForm&) {}
    // What a picked date's text puts into the picker's edit and the karte date.
    virtual QString DateFieldText(const QString& dateText) const { return dateText.left(10); }

    // Whether the database folders are settings ([Paradox], edited in the settings
    // window); the settings window made (its layout).
    virtual bool DatabaseFolderSettings() const { return true; }
    virtual void SettingsMade(TSettingForm&) {}

    // The sum-up's totals file, named at each showing of the window: the configuration
    // folder's "KvrSum.csv".
    virtual QString SumCsvPath() const;
    // Whether the sum-up offers a school list for check-ups whose school is unknown; the
    // sum-up window made (its layout).
    virtual bool SumupSchoolList() const { return true; }
    virtual void SumupMade(TSumupForm&) {}

    // The chart editor made (its grid's options), and a key pressed in its grid: true
    // when the edition has handled the key itself.
    virtual void ChartEditorMade(TDentalFormulaForm&) {}
    virtual bool ChartKeyDown(TDentalFormulaForm&, int&) { return false; }

    // The karte editor's conveniences: the new karte's focus sequence with its pointer
    // moves, and the karte date's preset.
    virtual bool KarteConveniences() const { return true; }
};

// The edition the program runs as: Kelvara2's until another is installed.
TEdition& Edition();
// Installs `edition`, kept by the caller for as long as the program's objects live;
// null goes back to Kelvara2's.
void SetEdition(TEdition* edition);
