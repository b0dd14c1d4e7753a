#include "core/SchoolList.h"

#include "platform/rtl/IntText.h"
#include "platform/widgets/ComboBox.h"
#include "platform/widgets/MessageForms.h"

int LoadSchoolList(std::vector<stSchoolRecord>& schools, widgets::ComboBox* combo)
{
    const int max = int(schools.size());
    schools[0].asName.clear();
    int found = SearchSchool(schools[0]);
    if (found < 0) {
        widgets::ShowError("学校テーブルを検索できません。(" + IntToStr(found) + ")");
        return found;
    }
    if (found > max) {
        widgets::ShowWarning("学校数が " + IntToStr(found) + " あります。\n" + "上限 " + IntToStr(max) +
                             " を越えた分は無視されます。");
        found = max;
    }
    const int read = GetSchools(schools.data(), found);
    if (read < 0) {
        widgets::ShowError("学校テーブルを読み出せません。(" + IntToStr(read) + ")");
        return read;
    }
    combo->clear();
    for (int i = 0; i < read; ++i)
        combo->addItem(schools[size_t(i)].asName);
    combo->SetItemIndex(-1);
    return read;
}
