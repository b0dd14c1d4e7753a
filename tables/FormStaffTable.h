#pragma once
// The member maintenance editor: Staff2Table's rows, live and deleted alike, with their
// occupation, and a name search; adds, changes and removes rows with its own
// statements, without questions or checks. The occupation picker's chosen row gives
// JobCode; with no occupations nothing is written.
#include "tables/TableEditorForm.h"
#include "ui_FormStaffTable.h"

namespace tables {
class PickerChoice;
}

class TStaffTableForm : public tables::TableEditorForm, public Ui::TStaffTableForm
{
    Q_OBJECT
public:
    explicit TStaffTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;
    void SearchButtonClick();

    bool ReadStaffTable();
    bool ReadJobTable();
    bool LocateJob(int code);

protected:
    bool ReadList() override { return ReadStaffTable(); }
    widgets::DBGrid* ListGrid() const override { return StaffDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return StaffNoEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
    bool CanWrite() const override;
    void StartAdding() override;

private:
    tables::PickerChoice* jobChoice;
};

extern TStaffTableForm* StaffTableForm;

// The member list's lines: members whose occupation exists, or those of them whose
// names contain the bound :Search.
QStringList StaffListLines(bool search);
