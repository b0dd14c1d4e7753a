#pragma once
// The treatment maintenance editor: TreatmentTable's rows; adds, changes and removes
// rows with its own statements, without questions or checks. The member picker's and
// the karte picker's chosen rows give StaffCode and KarteCode.
#include "platform/widgets/Form.h"
#include "ui_FormTreatmentTable.h"

namespace tables {
class PickerChoice;
}

class TTreatmentTableForm : public widgets::Form, public Ui::TTreatmentTableForm
{
    Q_OBJECT
public:
    explicit TTreatmentTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void FormShow();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    bool ReadTreatmentTable();
    bool ReadStaffTable();
    bool ReadKarteTable();
    bool LocateStaff(int code);
    bool LocateKarte(int code);
    void InsertRecord();
    void UpdateRecord();
    void ExecuteWithInput();
    void EnableInput(bool on);

private:
    tables::PickerChoice* staffChoice;
    tables::PickerChoice* karteChoice;
};

extern TTreatmentTableForm* TreatmentTableForm;
