#pragma once
// Paces a long loop's progress display and event processing by the interaction's tick
// count: repainting and letting events through at every step of ten thousand costs more
// than the steps themselves on a real display, while a few times a second keeps the
// window live and the progress moving.
#include <QtGlobal>

namespace widgets {

class Pacer
{
public:
    static constexpr qint64 DefaultInterval = 40; // milliseconds

    explicit Pacer(qint64 intervalMs = DefaultInterval) : interval(intervalMs) {}

    // True at the first call, then once the interval has passed since the last true.
    bool Due();

private:
    qint64 interval;
    qint64 last = 0;
    bool started = false;
};

} // namespace widgets
