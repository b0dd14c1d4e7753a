#pragma once
// The karte maintenance editor: KarteTable's rows, live and deleted alike; adds,
// changes and removes rows with its own statements, without questions or checks. The
// examinee picker's chosen row gives PatientCode; its first row stands for no examinee.
#include "platform/widgets/Form.h"
#include "ui_FormKarteTable.h"

namespace tables {
class PickerChoice;
}

class TKarteTableForm : public widgets::Form, public Ui::TKarteTableForm
{
    Q_OBJECT
public:
    explicit TKarteTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void FormShow();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    bool ReadKarteTable();
    bool ReadPatientTable();
    bool LocatePatient(int code);
    void InsertRecord();
    void UpdateRecord();
    void SetParameters();
    void EnableInput(bool on);

private:
    tables::PickerChoice* patientChoice;
};

extern TKarteTableForm* KarteTableForm;

// Every karte, by number (also the treatment editor's karte picker).
QStringList KarteListLines();
// Every examinee, after a first row with Code -1 that stands for no examinee.
QStringList PatientPickerLines();
