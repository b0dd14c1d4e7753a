#pragma once
// The examinee maintenance editor: Patient2Table's rows, live and deleted alike, with
// a name search; adds, changes and removes rows with its own statements, without
// questions or checks. The school picker's chosen row gives SchoolCode.
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/Form.h"
#include "ui_FormPatientTable.h"

namespace tables {
class PickerChoice;
}

class TPatientTableForm : public widgets::Form, public Ui::TPatientTableForm
{
    Q_OBJECT
public:
    explicit TPatientTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void FormShow();
    void SearchButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void BrowseButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    bool ReadPatientTable();
    bool ReadSchoolTable();
    bool LocateSchool(int code);
    void InsertRecord();
    void UpdateRecord();
    void ExecuteWithInput();
    void EnableInput(bool on);

    widgets::OpenPictureDialog* OpenPictureDialog1;

private:
    tables::PickerChoice* schoolChoice;
};

extern TPatientTableForm* PatientTableForm;

// The examinee list's lines: every row, or those whose names contain the bound :Search.
QStringList PatientListLines(bool search);
// Its parts: the select list with the FROM clause, and the ORDER BY.
QStringList PatientSelectLines();
QStringList PatientOrderLines();
