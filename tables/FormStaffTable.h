#pragma once
// The member maintenance editor: Staff2Table's rows, live and deleted alike, with their
// occupation, and a name search; adds, changes and removes rows with its own
// statements, without questions or checks. The occupation picker's chosen row gives
// JobCode; with no occupations nothing is written.
#include "platform/widgets/Form.h"
#include "ui_FormStaffTable.h"

namespace tables {
class PickerChoice;
}

class TStaffTableForm : public widgets::Form, public Ui::TStaffTableForm
{
    Q_OBJECT
public:
    explicit TStaffTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void FormShow();
    void SearchButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    bool ReadStaffTable();
    bool ReadJobTable();
    bool LocateJob(int code);
    void InsertRecord();
    void UpdateRecord();
    void SetParameters();
    void EnableInput(bool on);

private:
    tables::PickerChoice* jobChoice;
};

extern TStaffTableForm* StaffTableForm;

// The member list's lines: members whose occupation exists, or those of them whose
// names contain the bound :Search.
QStringList StaffListLines(bool search);
