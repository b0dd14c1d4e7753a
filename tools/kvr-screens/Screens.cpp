#include "tools/kvr-screens/Screens.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Application.h"
#include "records/MedicalRecordSearchUnit.h"
#include "records/MedicalRecordUnit.h"
#include "records/PrintCardUnit.h"
#include "records/PrintMedicalRecordUnit.h"
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
        {"MedicalRecordSearchForm", [] { return MedicalRecordSearchForm; }},
        {"PrintMedicalRecordForm", [] { return PrintMedicalRecordForm; }},
        {"PrintCardForm", [] { return PrintCardForm; }},
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
