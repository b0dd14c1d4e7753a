#include "platform/widgets/MessageForms.h"

namespace widgets {

static int SoundThenBox(Sound sound, BoxKind kind, const QString& text)
{
    Interaction& interaction = CurrentInteraction();
    interaction.PlaySound(sound);
    return interaction.ShowBox(kind, text);
}

void ShowError(const QString& text)
{
    SoundThenBox(Sound::Exclamation, BoxKind::Error, text);
}

bool AskQuestion(const QString& text)
{
    return SoundThenBox(Sound::Question, BoxKind::Question, text) == mrYes;
}

void ShowWarning(const QString& text)
{
    SoundThenBox(Sound::Asterisk, BoxKind::Warning, text);
}

bool AskError(const QString& text)
{
    return SoundThenBox(Sound::Exclamation, BoxKind::ErrorYesNo, text) == mrYes;
}

void ShowErrorSilently(const QString& text)
{
    CurrentInteraction().ShowBox(BoxKind::ErrorNoSound, text);
}

void ShowMessage(const QString& text)
{
    CurrentInteraction().ShowBox(BoxKind::Plain, text);
}

void ShowException(const QString& message)
{
    CurrentInteraction().ShowBox(BoxKind::Exception, message);
}

} // namespace widgets
