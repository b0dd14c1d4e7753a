#pragma once
// The settings window: the menu of the ten table editors (the four master-data editors
// always, the six maintenance editors only while [Debug] Debug is on) and the place
// where the operator edits the two database folders, used from the next start.
// Closing it with its button (Enter, Esc) writes both folders; the title bar's close
// box writes nothing.
#include "platform/widgets/Form.h"
#include "ui_FormSetting.h"

class TSettingForm : public widgets::Form, public Ui::TSettingForm
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget* parent = nullptr);

    void FormShow();
    void CloseButtonClick();
    void PatientButtonClick();
    void SchoolButtonClick();
    void MemberButtonClick();
    void OccupationButtonClick();
    void MediRecButtonClick();
    void ExcuButtonClick();
    void TreatButtonClick();
    void DentalFormulaButtonClick();
    void FoodButtonClick();
    void FreqButtonClick();
};

extern TSettingForm* SettingForm;
