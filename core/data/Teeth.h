#pragma once
// The 52 teeth of a check-up in the order of the record and of the check-up table: each
// tooth's column, the record's field that holds its code, and whether it is a primary tooth
// (A to E of each quadrant; 1 to 8 are the permanent teeth).
#include "core/data/Dbapi.h"

struct Tooth
{
    const char* column;
    int stCheckupRecord::*field;
    bool primary;
};

extern const Tooth Teeth[52];
