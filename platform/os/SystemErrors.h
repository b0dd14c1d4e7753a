#pragma once
// The error behind the last failed operation of this layer, as a POSIX error number.
#include <QString>

namespace os {

int GetLastError();
void SetLastError(int code);
// The system's text for an error number; "" for a number it does not know.
QString GetSystemErrorText(int code);

} // namespace os
