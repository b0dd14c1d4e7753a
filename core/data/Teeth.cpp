#include "core/data/Teeth.h"

// clang-format off
#define T(name, primary) {#name, &stCheckupRecord::i##name, primary}
#define QUADRANT(q) T(q##A, true), T(q##B, true), T(q##C, true), T(q##D, true), T(q##E, true),    \
                    T(q##1, false), T(q##2, false), T(q##3, false), T(q##4, false),                 \
                    T(q##5, false), T(q##6, false), T(q##7, false), T(q##8, false)
const Tooth Teeth[52] = {QUADRANT(RT), QUADRANT(LT), QUADRANT(RB), QUADRANT(LB)};
#undef QUADRANT
#undef T
// clang-format on
