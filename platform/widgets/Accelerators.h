#pragma once
// Alt plus a character in a window of the program, read as the windows were laid out for:
// the character is never typed. The first control of the window, in the order its form
// file lists them, whose caption marks that character with "&" takes the key: a push
// button is clicked; a check box or radio button is focused and clicked; a label focuses
// its focus control; a group box focuses its first control in the focus order. A control
// that is hidden or disabled (a label also when its focus control is, or when it has none)
// leaves the key to the next one; when none takes it, the key does nothing. A held key
// takes its control once, however often the keyboard repeats it. Qt's own
// shortcuts for those captions never see the key: shared, they would only move the focus.
#include <QChar>
#include <QString>

class QWidget;

namespace widgets {

// Makes every window of the program read Alt+character so; each window asks for it when made.
void InstallAcceleratorKeys();

// The character a caption marks with "&" ("&&" is a plain "&"); the null character when none.
QChar AcceleratorOf(const QString& caption);

// What Alt+`key` does in `window`; false when no control takes it.
bool PressAccelerator(QWidget* window, QChar key);

} // namespace widgets
