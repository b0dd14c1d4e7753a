#include "tools/kvr-screens/Screens.h"

#include "core/AboutUnit.h"
#include "core/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/ProgramObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Application.h"
#include "records/MedicalRecordUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "registration/SearchMemberUnit.h"
#include "registration/SearchPatientUnit.h"
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
        {"MainMenuForm", [] { return MainMenuForm; }},
        {"AboutForm", [] { return AboutForm; }},
        {"MonthCalendarForm",
         [] {
             MonthCalendarForm->MonthCalendar1->SetDate(EncodeDate(2015, 4, 10));
             return MonthCalendarForm;
         }},
        {"PatientForm",
         [] {
             PatientForm->OkButton->hide();
             PatientForm->CancelButton->hide();
             return PatientForm;
         }},
        {"SearchPatientForm", [] { return SearchPatientForm; }},
        {"MedicalRecordForm", [] { return MedicalRecordForm; }},
        {"MemberForm", [] { return MemberForm; }},
        {"SearchMemberForm", [] { return SearchMemberForm; }},
    };
    return screens;
}
