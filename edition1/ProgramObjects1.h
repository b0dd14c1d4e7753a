#pragma once
// Kelvara1's objects, made once at start-up in its own order: the main window first (so
// the main form), the diagnostics window third, the data module 23rd, which reaches the
// database through the engine alias as it is made. A database that cannot be opened
// ends the program there, before the main window shows.
#include "platform/widgets/ObjectOwner.h"

namespace widgets {
class Application;
}

void CreateKelvara1Objects(widgets::Application& app);
void CreateKelvara1Objects(widgets::ObjectOwner& owner);
