#pragma once
// The examinee maintenance editor: Patient2Table's rows, live and deleted alike, with
// a name search; adds, changes and removes rows with its own statements, without
// questions or checks. The school picker's chosen row gives SchoolCode.
#include "platform/widgets/FileDialogs.h"
#include "tables/TableEditorForm.h"
#include "ui_FormPatientTable.h"

namespace tables {
class PickerChoice;
}

class TPatientTableForm : public tables::TableEditorForm, public Ui::TPatientTableForm
{
    Q_OBJECT
public:
    explicit TPatientTableForm(QWidget* parent = nullptr);

    widgets::OpenPictureDialog* OpenPictureDialog1;

    void FormShow() override;
    void DeleteButtonClick() override;
    void SearchButtonClick();
    void BrowseButtonClick();

    bool ReadPatientTable();
    bool ReadSchoolTable();
    bool LocateSchool(int code);

protected:
    bool ReadList() override { return ReadPatientTable(); }
    widgets::DBGrid* ListGrid() const override { return PatientDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return PatientNoEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
    void StartAdding() override;

private:
    tables::PickerChoice* schoolChoice;
};

extern TPatientTableForm* PatientTableForm;

// The examinee list's lines: every row, or those whose names contain the bound :Search.
QStringList PatientListLines(bool search);
// Its parts: the select list with the FROM clause, and the ORDER BY.
QStringList PatientSelectLines();
QStringList PatientOrderLines();
