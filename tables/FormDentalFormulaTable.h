#pragma once
// The dental-formula maintenance editor: DentalFormulaTable's names; adds, changes and
// removes rows with its own statements, without questions or checks.
#include "platform/widgets/Form.h"
#include "ui_FormDentalFormulaTable.h"

class TDentalFormulaTableForm : public widgets::Form, public Ui::TDentalFormulaTableForm
{
    Q_OBJECT
public:
    explicit TDentalFormulaTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void FormShow();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    bool ReadTable();
    void InsertRecord();
    void UpdateRecord();
    void ExecuteWithInput();
    void EnableInput(bool on);
};

extern TDentalFormulaTableForm* DentalFormulaTableForm;
