#pragma once
// Kelvara1's edition installed for as long as the object lives, so that the windows made
// and shown meanwhile are Kelvara1's; Kelvara2's comes back at the end, also when a test fails.
#include "edition1/Edition1.h"

class Kelvara1Edition
{
public:
    explicit Kelvara1Edition(const QString& programFile = "Z:\\opt\\kvr\\Kelvara1") : edition(programFile)
    {
        SetEdition(&edition);
    }
    ~Kelvara1Edition() { SetEdition(nullptr); }
    Kelvara1Edition(const Kelvara1Edition&) = delete;
    Kelvara1Edition& operator=(const Kelvara1Edition&) = delete;

    TEdition1 edition;
};
