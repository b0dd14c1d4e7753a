#pragma once
// The data module and the 31 windows, made once at start-up in the order the program
// relies on: the data module first, then the main window (so the main form), then the
// rest, none shown. Each global is assigned before its object's constructor body runs,
// and each constructor may rely on the objects made before it.
//
// The program makes them through its application object, which keeps them to the end.
// Tests and benchmarks make them through an ObjectOwner of their own, which takes them down again.
#include "platform/widgets/ObjectOwner.h"

namespace widgets {
class Application;
}

void CreateProgramObjects(widgets::Application& app);
void CreateProgramObjects(widgets::ObjectOwner& owner);
