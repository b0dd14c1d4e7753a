#include "tools/kvr-screens/Screens.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Application.h"
#include "records/DoctorUnit.h"
#include "records/EditDietUnit.h"
#include "records/EditNoteUnit.h"
#include "records/EditTreatmentUnit.h"
#include "records/MedicalRecordUnit.h"
#include "records/WrittenByUnit.h"
#include "tests/platform/widgets/SampleForm.h"
#include "totals/FormTotal.h"

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
        {"MainMenuForm", [] { return MainMenuForm; }},
        {"AboutForm", [] { return AboutForm; }},
        {"MonthCalendarForm",
         [] {
             MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2015, 4, 10));
             return MonthCalendarForm;
         }},
        {"EditNoteForm", [] { return EditNoteForm; }},
        {"EditTreatmentForm", [] { return EditTreatmentForm; }},
        {"EditDietForm", [] { return EditDietForm; }},
        {"DoctorForm", [] { return DoctorForm; }},
        {"WrittenByForm", [] { return WrittenByForm; }},
        {"TotalForm", [] { return TotalForm; }},
    };
    return screens;
}
