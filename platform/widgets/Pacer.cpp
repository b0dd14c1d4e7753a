#include "platform/widgets/Pacer.h"

#include "platform/widgets/Interaction.h"

namespace widgets {

bool Pacer::Due()
{
    const qint64 now = CurrentInteraction().Ticks();
    // A clock that went back (a scripted one) starts the interval afresh.
    if (started && now >= last && now - last < interval)
        return false;
    started = true;
    last = now;
    return true;
}

} // namespace widgets
