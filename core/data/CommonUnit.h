#pragma once
// The program-wide lists the karte windows pick from and turn codes into names with:
// the live members, the food types and the eating frequencies. A window loads a list
// right before it uses it, so it sees the current database, then reads the array and
// its count. A form that is never shown.
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "ui_CommonUnit.h"

class TCommonForm : public widgets::Form, public Ui::TCommonForm
{
    Q_OBJECT
public:
    static constexpr int MaxStaffRecords = 2000;
    static constexpr int MaxFoodRecords = 40;
    static constexpr int MaxFrequencyRecords = 20;

    explicit TCommonForm(QWidget* parent = nullptr);

    // In member-number order; rows beyond the capacity are dropped without a word.
    stStaffRecord tstStaffRec[MaxStaffRecords];
    int nStaffRecords = 0;
    // In name order.
    stFoodRecord tstFoodRec[MaxFoodRecords];
    int nFoodRecords = 0;
    // In display order.
    stFrequencyRecord tstFrequencyRec[MaxFrequencyRecords];
    int nFrequencyRecords = 0;

    // Each reload gives the number of rows the search found (more than the capacity
    // when the list was cut), or the negative code of the failing call after its error
    // message.
    int LoadStaff();
    int LoadFood();
    int LoadFrequency();

    // The index of the first entry with that member number or code, or -1.
    int FindStaff(const QString& staffNo) const;
    int FindFood(int code) const;
    int FindFrequency(int code) const;

    // The names the karte windows show for entry `index`: a member as family name ", "
    // personal name in kanji, a food or frequency by its name; the empty text for an
    // index that is not that of a listed entry (-1 from a find that found nothing).
    QString StaffName(int index) const;
    QString FoodName(int index) const;
    QString FrequencyName(int index) const;
};

extern TCommonForm* CommonForm;
