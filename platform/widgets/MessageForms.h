#pragma once
// The message forms every window uses: each is its sound, then its box.
#include "platform/widgets/Interaction.h"

namespace widgets {

void ShowError(const QString& text);         // exclamation, error box, OK
bool AskQuestion(const QString& text);       // question, confirmation box; true for Yes
void ShowWarning(const QString& text);       // asterisk, warning box, OK
bool AskError(const QString& text);          // exclamation, error box with Yes and No; true for Yes
void ShowErrorSilently(const QString& text); // error box, no sound
void ShowMessage(const QString& text);       // the plain box
void ShowException(const QString& message);  // the application-wide exception box

} // namespace widgets
