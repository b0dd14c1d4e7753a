#include "core/Edition.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/data/DMDB.h"

namespace {

// Constant-initialised: there before any static initialiser asks for it.
constinit TEdition currentEdition;
TEdition* installed = nullptr;

} // namespace

void TEdition::MainMenuMade(TMainMenuForm& form)
{
    form.OpenSettingsFolder();
}

void TEdition::MainMenuShown(TMainMenuForm& form)
{
    DBDM->OpenDatabase(form.IniFile);
}

void TEdition::AboutMade(TAboutForm& form)
{
    form.FillLabels();
}

QString TEdition::SumCsvPath() const
{
    return TMainMenuForm::GetSettingsFolder() + "\\KvrSum.csv";
}

TEdition& Edition()
{
    return installed ? *installed : currentEdition;
}

void SetEdition(TEdition* edition)
{
    installed = edition;
}
