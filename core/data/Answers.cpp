#include "core/data/Answers.h"

// clang-format off
#define FLAG(name) {#name, &stExcursusRec::b##name, nullptr}
#define MEMO(name) {#name, nullptr, &stExcursusRec::as##name}
const Answer AnswersInColumnOrder[31] = {
    FLAG(AIDS), FLAG(Hepatitis), FLAG(HepatitisB), FLAG(HepatitisC),
    FLAG(Tuberculosis), MEMO(TuberculosisMemo),
    FLAG(AirialInfection), MEMO(AirialInfectionMemo),
    FLAG(BloodInfection), MEMO(BloodInfectionMemo),
    FLAG(OtherInfection), MEMO(OtherInfectionMemo),
    FLAG(Q1None), FLAG(Q1Anemia), FLAG(Q1Swelling), FLAG(Q1Bleeding), FLAG(Q1Fever), FLAG(Q1NoExtraction),
    FLAG(Q2None), FLAG(Q2Injection), FLAG(Q2Medicine), FLAG(Q2Others), MEMO(Q2OthersMemo),
    FLAG(Q3),
    FLAG(Q43), MEMO(Q43Memo),
    FLAG(Q42), MEMO(Q42Memo),
    FLAG(Q41), MEMO(Q41Memo),
    FLAG(Q40),
};
#undef FLAG
#undef MEMO
// clang-format on
