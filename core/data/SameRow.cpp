#include "core/data/SameRow.h"

#include "core/data/Answers.h"
#include "core/data/Teeth.h"
#include "platform/db/FieldValues.h"
#include "platform/rtl/IntText.h"

namespace dmdb {

bool SameDay(TDateTime a, TDateTime b)
{
    if (!IsStorableDate(a) || !IsStorableDate(b))
        return a.Val == b.Val;
    return DateText(a, QString()) == DateText(b, QString());
}

namespace {

// Numbers are kept as integers: "07" and "7" are one number.
bool SameNumber(const QString& a, const QString& b)
{
    return StrToIntDef(a, 0) == StrToIntDef(b, 0) && a.isEmpty() == b.isEmpty();
}

} // namespace

bool SameRow(const stPatientRec& a, const stPatientRec& b)
{
    return SameNumber(a.asPatientNo, b.asPatientNo) && a.asName0 == b.asName0 && a.asName1 == b.asName1 &&
           a.asNameKana0 == b.asNameKana0 && a.asNameKana1 == b.asNameKana1 && SameDay(a.tBirth, b.tBirth) &&
           a.iSex == b.iSex && a.iSchoolCode == b.iSchoolCode && a.asPortrait == b.asPortrait;
}

bool SameRow(const stStaffRecord& a, const stStaffRecord& b)
{
    return SameNumber(a.asStaffNo, b.asStaffNo) && a.iJobCode == b.iJobCode && a.iSex == b.iSex &&
           a.asNameKanji0 == b.asNameKanji0 && a.asNameKanji1 == b.asNameKanji1 &&
           a.asNameKana0 == b.asNameKana0 && a.asNameKana1 == b.asNameKana1 &&
           a.asNameAlphabet0 == b.asNameAlphabet0 && a.asNameAlphabet1 == b.asNameAlphabet1;
}

bool SameRow(const stMedicalRec& a, const stMedicalRec& b)
{
    return a.asMediRecNo == b.asMediRecNo && SameDay(a.tDate, b.tDate) && a.iNext == b.iNext &&
           a.iPatientCode == b.iPatientCode;
}

bool SameRow(const stExcursusRec& a, const stExcursusRec& b)
{
    for (const Answer& answer : AnswersInColumnOrder) {
        if (answer.flag ? a.*answer.flag != b.*answer.flag : a.*answer.memo != b.*answer.memo)
            return false;
    }
    return true;
}

bool SameRow(const stCheckupRecord& a, const stCheckupRecord& b)
{
    for (const Tooth& tooth : Teeth)
        if (a.*tooth.field != b.*tooth.field)
            return false;
    return SameDay(a.tDate, b.tDate) && a.asKarteNo == b.asKarteNo && a.iSchoolCode == b.iSchoolCode &&
           a.asMemo == b.asMemo;
}

bool SameRow(const stNoteRecord& a, const stNoteRecord& b)
{
    return SameDay(a.tDate, b.tDate) && a.asDescription == b.asDescription &&
           SameNumber(a.asStaffNo, b.asStaffNo) && a.asKarteNo == b.asKarteNo;
}

bool SameRow(const stTreatmentRecord& a, const stTreatmentRecord& b)
{
    return SameDay(a.tDate, b.tDate) && a.asTreatment == b.asTreatment &&
           SameNumber(a.asStaffNo, b.asStaffNo) && a.asKarteNo == b.asKarteNo;
}

bool SameRow(const stDietInquiryRecord& a, const stDietInquiryRecord& b)
{
    return a.iFoodCode == b.iFoodCode && a.iFrequencyCode == b.iFrequencyCode &&
           a.iCheckupCode == b.iCheckupCode;
}

} // namespace dmdb
