#pragma once
// What a replace compares, under the write lock, between the row as the window read it and
// the row as the table holds it now: the values the row's own table keeps (not a school's
// name from a join, not the row's Code), dates by the day they are kept as. Another program
// that changed any of them since the window read the row makes the replace refuse.
#include "core/data/Dbapi.h"

namespace dmdb {

bool SameRow(const stPatientRec& a, const stPatientRec& b);
bool SameRow(const stStaffRecord& a, const stStaffRecord& b);
// The header's number, date, next treatment and examinee code.
bool SameRow(const stMedicalRec& a, const stMedicalRec& b);
// The 31 answers.
bool SameRow(const stExcursusRec& a, const stExcursusRec& b);
bool SameRow(const stCheckupRecord& a, const stCheckupRecord& b);
bool SameRow(const stNoteRecord& a, const stNoteRecord& b);
bool SameRow(const stTreatmentRecord& a, const stTreatmentRecord& b);
bool SameRow(const stDietInquiryRecord& a, const stDietInquiryRecord& b);

// Two dates as the table keeps them: the day only.
bool SameDay(TDateTime a, TDateTime b);

} // namespace dmdb
