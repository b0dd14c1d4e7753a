#pragma once
// The 31 answers of the questionnaire in the column order of the questionnaire table: each
// answer's column and the record's field that holds it, a flag or a memo.
#include "core/data/Dbapi.h"

struct Answer
{
    const char* column;
    bool stExcursusRec::*flag;
    QString stExcursusRec::*memo;
};

extern const Answer AnswersInColumnOrder[31];
