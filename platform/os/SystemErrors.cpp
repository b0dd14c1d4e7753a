#include "platform/os/SystemErrors.h"

#include <cstring>

namespace os {

namespace {
thread_local int lastError = 0;
}

int GetLastError()
{
    return lastError;
}

void SetLastError(int code)
{
    lastError = code;
}

QString GetSystemErrorText(int code)
{
    // strerror invents "Unknown error N"; the description table says when there is no text.
    const char* text = code > 0 ? strerrordesc_np(code) : nullptr;
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace os
