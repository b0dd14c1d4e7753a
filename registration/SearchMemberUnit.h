#pragma once
// The member search: the operator states what to look for, and OK lists what the data
// store finds straight in the member window (its records, grid, count label and
// Delete). The sex and the occupation restrict; the number and the names are
// alternatives. The criteria stay from one opening to the next; the occupation list is
// refilled at every showing.
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "ui_SearchMemberUnit.h"

class TSearchMemberForm : public widgets::Form, public Ui::TSearchMemberForm
{
    Q_OBJECT
public:
    explicit TSearchMemberForm(QWidget* parent = nullptr);

    int nJobRecords = 0;

    void FormShow();
    void OkButtonClick();
    void CancelButtonClick();

    // The filter the controls describe.
    stStaffRecord Filter() const;
};

extern TSearchMemberForm* SearchMemberForm;
