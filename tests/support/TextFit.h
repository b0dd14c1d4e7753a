#pragma once
// The texts a window cuts off: labels, check boxes and radio buttons whose caption,
// and drop-down lists whose longest item, does not fit the room the control gives it
// in the window's font. The fonts here are the ones the program shows on the desktop.
#include <string>

class QWidget;

// The shown controls of `window` that cut their text, one after the other
// ("NextCheckupLabel needs 137, has 128; "); empty when every text shows whole.
std::string CutTexts(QWidget* window);
