// Entry of Kelvara2: the application object, the program's objects in their order,
// then the message loop until the main menu closes. A failure while the objects are
// made is shown in the exception box and ends the program; the exit code is always 0.
#include "app/ProgramObjects.h"
#include "platform/widgets/Application.h"

int main(int argc, char** argv)
{
    widgets::Application app(argc, argv, "Kelvara2");
    // "Main form on task bar": the main menu is a top-level window of its own, so the
    // desktop lists it; nothing more to set.
    return app.Run([&app] { CreateProgramObjects(app); });
}
