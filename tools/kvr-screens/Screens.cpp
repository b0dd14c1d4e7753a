#include "tools/kvr-screens/Screens.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Application.h"
#include "records/DentalFormulaUnit.h"
#include "records/MedicalRecordUnit.h"
#include "tests/platform/widgets/SampleForm.h"

namespace {
TSampleForm* SampleForm = nullptr;
}

void CreateScreenObjects(widgets::Application& app)
{
    CreateProgramObjects(app);
    app.CreateForm(SampleForm);
}

// One line per window.
const std::vector<Screen>& Screens()
{
    static const std::vector<Screen> screens = {
        {"SampleForm", [] { return SampleForm; }},
        // Before the main menu, whose closing lets the configuration file go.
        {"MedicalRecordForm", [] { return MedicalRecordForm; }},
        {"DentalFormulaForm",
         [] {
             // A chart as the karte editor hands it over: its labels and a check-up's symbols.
             MedicalRecordForm->FormShow();
             stCheckupRecord& checkup = MedicalRecordForm->tstChekupRec[0];
             const int codes[] = {6, 1, 2, 3, 4, 7, 8, 10, 11, 12, 19, 6, 6};
             for (int p = 0; p < TDentalFormulaForm::ToothCount; ++p)
                 ToothCode(checkup, p) = codes[p % std::size(codes)];
             MedicalRecordForm->ShowCheckupFormula(0);
             CopyChartCells(*MedicalRecordForm->DentalFormulaSG, *DentalFormulaForm->DentalFormulaSG);
             return DentalFormulaForm;
         }},
        {"MainMenuForm", [] { return MainMenuForm; }},
        {"AboutForm", [] { return AboutForm; }},
        {"MonthCalendarForm",
         [] {
             MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2015, 4, 10));
             return MonthCalendarForm;
         }},
    };
    return screens;
}
