#include "tools/kvr-screens/Screens.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Application.h"
#include "tests/platform/widgets/SampleForm.h"
#include "totals/SumupUnit.h"

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
        // Before the main menu, whose close takes the configuration object with it.
        {"SumupForm", [] { return SumupForm; }},
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
