#pragma once
// The 52 teeth of a check-up in the order of the record and of the check-up table: each
// tooth's column and the record's field that holds its code.
#include "core/data/Dbapi.h"

struct Tooth
{
    const char* column;
    int stCheckupRecord::*field;
};

extern const Tooth Teeth[52];
