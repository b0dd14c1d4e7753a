#include "core/data/CommonUnit.h"

#include "platform/rtl/IntText.h"
#include "platform/widgets/MessageForms.h"

#include <algorithm>

TCommonForm* CommonForm = nullptr;

namespace {

// The shared load: search with entry 0 as the filter, keep up to `capacity` rows.
template <class Record, class Search, class Read>
int Load(Record* records, int& count, int capacity, Search search, Read read, const QString& searchFailed,
         const QString& readFailed)
{
    const int found = search(records[0]);
    if (found < 0) {
        widgets::ShowError(searchFailed + "(" + IntToStr(found) + ")");
        return found;
    }
    count = std::min(found, capacity);
    const int rc = read(records, count);
    if (rc < 0) {
        widgets::ShowError(readFailed + "(" + IntToStr(rc) + ")");
        return rc;
    }
    return found;
}

} // namespace

TCommonForm::TCommonForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
}

int TCommonForm::LoadStaff()
{
    // Every live member: no number, any occupation and sex, no names.
    stStaffRecord& filter = tstStaffRec[0];
    filter.asStaffNo.clear();
    filter.iJobCode = -1;
    filter.iSex = -1;
    filter.asNameKanji0.clear();
    filter.asNameKanji1.clear();
    filter.asNameKana0.clear();
    filter.asNameKana1.clear();
    filter.asNameAlphabet0.clear();
    filter.asNameAlphabet1.clear();
    return Load(tstStaffRec, nStaffRecords, MaxStaffRecords, SearchStaff, GetStaffs,
                "メンバー・テーブルを検索できません。", "メンバー・テーブル値を読み出せません。");
}

int TCommonForm::LoadFood()
{
    tstFoodRec[0].asName.clear();
    return Load(tstFoodRec, nFoodRecords, MaxFoodRecords, SearchFood, GetFoods,
                "食事内容テーブルを検索できません。", "食事内容テーブル値を読み出せません。");
}

int TCommonForm::LoadFrequency()
{
    tstFrequencyRec[0].asName.clear();
    return Load(tstFrequencyRec, nFrequencyRecords, MaxFrequencyRecords, SearchFrequency, GetFrequencies,
                "食事テーブルを検索できません。", "食事頻度テーブル値を読み出せません。");
}

int TCommonForm::FindStaff(const QString& staffNo) const
{
    for (int i = 0; i < nStaffRecords; ++i)
        if (tstStaffRec[i].asStaffNo == staffNo)
            return i;
    return -1;
}

int TCommonForm::FindFood(int code) const
{
    for (int i = 0; i < nFoodRecords; ++i)
        if (tstFoodRec[i].iCode == code)
            return i;
    return -1;
}

int TCommonForm::FindFrequency(int code) const
{
    for (int i = 0; i < nFrequencyRecords; ++i)
        if (tstFrequencyRec[i].iCode == code)
            return i;
    return -1;
}

QString TCommonForm::StaffName(int index) const
{
    if (index < 0 || index >= nStaffRecords)
        return QString();
    return tstStaffRec[index].asNameKanji0 + ", " + tstStaffRec[index].asNameKanji1;
}

QString TCommonForm::FoodName(int index) const
{
    return index < 0 || index >= nFoodRecords ? QString() : tstFoodRec[index].asName;
}

QString TCommonForm::FrequencyName(int index) const
{
    return index < 0 || index >= nFrequencyRecords ? QString() : tstFrequencyRec[index].asName;
}
