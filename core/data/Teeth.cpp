#include "core/data/Teeth.h"

// clang-format off
#define T(name) {#name, &stCheckupRecord::i##name}
#define QUADRANT(q) T(q##A), T(q##B), T(q##C), T(q##D), T(q##E), \
                    T(q##1), T(q##2), T(q##3), T(q##4), T(q##5), T(q##6), T(q##7), T(q##8)
const Tooth Teeth[52] = {QUADRANT(RT), QUADRANT(LT), QUADRANT(RB), QUADRANT(LB)};
#undef QUADRANT
#undef T
// clang-format on
