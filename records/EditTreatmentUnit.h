#pragma once
// The treatment dialog, the note dialog's twin: adds a treatment to the karte in the
// karte editor (mode 0) or replaces the treatment of its current grid row (mode 1),
// with the dentist from the member list.
#include "platform/widgets/Form.h"
#include "records/EditNoteUnit.h"
#include "ui_EditTreatmentUnit.h"

class TEditTreatmentForm : public widgets::Form, public Ui::TEditTreatmentForm
{
    Q_OBJECT
public:
    explicit TEditTreatmentForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 add, 1 replace the karte editor's current treatment row

    void FormShow();
    void DateBitBtnClick();
    void DateEditContextPopup(const QPoint& pos, bool& handled);
    void OkButtonClick();
    void CancelButtonClick();

private:
    TDatedRowDialog Controls();
};

extern TEditTreatmentForm* EditTreatmentForm;
