#include "tools/kvr-screens/Screens.h"

#include "platform/widgets/Application.h"
#include "tests/platform/widgets/SampleForm.h"

namespace {
TSampleForm* SampleForm = nullptr;
}

void CreateScreenObjects(widgets::Application& app)
{
    app.CreateForm(SampleForm);
}

// One line per window.
const std::vector<Screen>& Screens()
{
    static const std::vector<Screen> screens = {
        {"SampleForm", [] { return SampleForm; }},
    };
    return screens;
}
