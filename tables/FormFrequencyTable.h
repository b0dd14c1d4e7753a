#pragma once
// The eating-frequency editor: lists FrequencyTable in display order, adds and changes
// frequencies with their display order, and deletes one, asking first when diet rows
// of live kartes name it.
#include "platform/widgets/Form.h"
#include "ui_FormFrequencyTable.h"

class TFrequencyTableForm : public widgets::Form, public Ui::TFrequencyTableForm
{
    Q_OBJECT
public:
    explicit TFrequencyTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the frequency being changed, taken when Edit is pressed

    void FormShow();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();
    void DispOrderEditKeyPress(QChar& key);

    bool ReadTable();
    void InsertRecord();
    void UpdateRecord();
    void ExecuteWithInput();
    void EnableInput(bool on);
};

extern TFrequencyTableForm* FrequencyTableForm;

// The display-order filter: digits and the copy, backspace, paste and cut characters.
bool DispOrderKeyPasses(QChar key);
