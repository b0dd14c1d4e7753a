#pragma once
// The examinee search: the operator states what to look for, and OK lists what the
// data store finds straight in the examinee window (its records, grid, count label and
// Delete). The sex restricts; the number, names, kana and school name are alternatives.
// The criteria stay in the controls from one opening to the next.
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "ui_SearchPatientUnit.h"

class TSearchPatientForm : public widgets::Form, public Ui::TSearchPatientForm
{
    Q_OBJECT
public:
    explicit TSearchPatientForm(QWidget* parent = nullptr);

    void OkButtonClick();
    void CancelButtonClick();

    // The filter the controls describe (the birth date is no criterion).
    stPatientRec Filter() const;
};

extern TSearchPatientForm* SearchPatientForm;
