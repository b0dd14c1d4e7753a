#pragma once
// The windows the screenshot tool renders: a name (the PNG file's) and a function
// that prepares the window as its opener would and returns it. The tool then shows
// it, runs its show handler, and grabs it.
#include "platform/widgets/Application.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/ObjectOwner.h"

#include <functional>
#include <vector>

struct Screen
{
    QString name;
    std::function<widgets::Form*()> prepare;
    // Run once the window is grabbed, when it needs something undone.
    std::function<void()> after = nullptr;
};

// Creates the objects the screens need, as the entry does; a test makes them through an
// owner of its own, which takes them down again.
void CreateScreenObjects(widgets::Application& app);
void CreateScreenObjects(widgets::ObjectOwner& owner);
const std::vector<Screen>& Screens();
