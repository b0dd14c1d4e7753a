#pragma once
// Services of the Windows session that have no equivalent for a desktop program here:
// each reports the failure value the program already handles.
#include <QString>

namespace os {

bool EnablePrivilege(long long process, const QString& name, bool enable);
enum ExitWindowsFlags { ewxLogOff = 0, ewxShutdown = 1, ewxReboot = 2, ewxPowerOff = 8 };
bool ExitWindows(int flags);
// 0 to 8 name Windows releases from 95 to 7; anything else is 9.
int GetOsVersionClass();

} // namespace os
