#pragma once
// The member window: the operator lists the team's members (through the search),
// registers, edits and deletes them. The twin of the examinee window without photo,
// birth date and selection mode, with an occupation in place of a school. A member that
// notes or treatments of kartes refer to is deleted only after a further question for each.
#include "core/WindowGeometry.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "registration/RegistrationList.h"
#include "ui_MemberUnit.h"

#include <QString>
#include <vector>

namespace widgets {
class ComboBox;
}

// The member the input area describes.
struct TMemberInput
{
    QString memberNo, familyName, personalName, familyKana, personalKana;
    int sex = -1;
};

// The input checks: Add names the fields in brackets, Replace without. "" when complete.
QString CheckMemberInputToAdd(const TMemberInput& input);
QString CheckMemberInputToReplace(const TMemberInput& input);

class TMemberForm : public widgets::Form, public Ui::TMemberForm
{
    Q_OBJECT
public:
    explicit TMemberForm(QWidget* parent = nullptr);

    static constexpr int MaxMembers = 2000; // live members
    static constexpr int MaxListed = 2000;  // rows of the list
    static constexpr int MaxJobs = 40;

    const QString asIniSection = "Member";
    TWindowGeometry geometry{asIniSection};
    std::vector<stJobRecord> tstJobRec = std::vector<stJobRecord>(MaxJobs);
    int nJobRecords = 0;
    registration::TRecordList<stStaffRecord> tstStaffRec{MaxListed};
    int iEditRow = 0;
    int iNewStaffNo = 0;

    void FormShow();
    void FormClose();
    void ClearButtonClick();
    void AddButtonClick();
    void ReplaceButtonClick();
    void MembersSGDblClick();
    void DeleteButtonClick();
    void FindButtonClick();
    void CloseButtonClick();
    void FamilyNameEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void PersonalNameEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void FamilyKanaEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void PersonalKanaEditKeyPress(QChar& key) { registration::DiscardComma(key); }

    // Fills the occupation list and `comboBox` with its names (the search fills its own);
    // the number of occupations loaded.
    int LoadJobList(widgets::ComboBox* comboBox);
    int JobIndexOfName(const QString& name) const;
    int JobIndexOfCode(int code) const;
    int JobCodeOfName(const QString& name) const;
    void MemberEditsToGrid();
    void EnableMemberControls(bool enabled);

    // The search's result: `found` members are open on the data store's search; lists
    // them (at most MaxListed, with the warning) or says that none matched.
    // `occupations` gives the names (the search's own list).
    void ListFoundMembers(int found, const widgets::ComboBox* occupations);

private:
    TMemberInput Input() const;
    stStaffRecord RecordOfInput() const;
    void ShowInputButtons(bool add, bool replace);
    // Asks whether to delete a member that kartes refer to; false when not to delete.
    bool ConfirmReferences(int kartes, QString first, const QString& family, const QString& personal,
                           const QString& accessError, const QString& referredBy);
};

extern TMemberForm* MemberForm;
