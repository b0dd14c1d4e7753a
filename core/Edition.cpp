#include "core/Edition.h"

#include "core/ProgramFiles.h"
#include "core/data/DMDB.h"

namespace {

// Constant-initialised: there before any static initialiser asks for it.
constinit TEdition currentEdition;
TEdition* installed = nullptr;

} // namespace

void TEdition::MainMenuMade(TMainMenuForm&)
{
    ProgramFiles.OpenSettingsFolder();
}

void TEdition::MainMenuShown(TMainMenuForm&)
{
    DBDM->OpenDatabase(ProgramFiles.IniFile);
}

QString TEdition::SumCsvPath() const
{
    return TProgramFiles::GetSettingsFolder() + "\\KvrSum.csv";
}

TEdition& Edition()
{
    return installed ? *installed : currentEdition;
}

void SetEdition(TEdition* edition)
{
    installed = edition;
}
