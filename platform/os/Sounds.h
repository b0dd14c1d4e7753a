#pragma once
// The desktop's message sounds. Where none can be played the program stays silent.
namespace os {

enum class SystemSound { Exclamation, Question, Asterisk };

void PlaySystemSound(SystemSound sound);

} // namespace os
