// Entry of Kelvara1, the previous edition: its edition installed, its objects in their
// order, then the message loop until the main menu closes. A failure while the objects
// are made (a database the alias does not reach among them) is shown in the exception
// box and ends the program; the exit code is always 0.
#include "core/util/C_system_utility.h"
#include "edition1/Edition1.h"
#include "edition1/ProgramObjects1.h"
#include "platform/widgets/Application.h"

int main(int argc, char** argv)
{
    // No "main form on task bar" setting: nothing to leave out here.
    widgets::Application app(argc, argv, "Kelvara1");
    TEdition1 edition(CSystemUtility().GetExeName(&app));
    SetEdition(&edition);
    const int result = app.Run([&app] { CreateKelvara1Objects(app); });
    SetEdition(nullptr);
    return result;
}
