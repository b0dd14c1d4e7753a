#include "platform/os/Session.h"

#include "platform/os/SystemErrors.h"

#include <cerrno>

namespace os {

bool EnablePrivilege(long long, const QString&, bool)
{
    SetLastError(ENOTSUP);
    return false;
}

bool ExitWindows(int)
{
    // Ending the user's session is the desktop's business, not a program's.
    SetLastError(ENOTSUP);
    return false;
}

int GetOsVersionClass()
{
    return 9;
}

} // namespace os
