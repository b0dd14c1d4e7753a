#pragma once
// The diet-row dialog: adds a diet row to the check-up selected in the karte editor
// (mode 0) or replaces the row of the diet grid's current row (mode 1); the editor
// places it and sets iEditMode before each showing. Every showing reloads the food
// and frequency lists. OK checks the choices, stores the row and hands it to the
// karte editor, then closes; a failed check or store leaves the dialog open.
#include "platform/widgets/Form.h"
#include "ui_EditDietUnit.h"

#include <QString>

class TEditDietForm : public widgets::Form, public Ui::TEditDietForm
{
    Q_OBJECT
public:
    explicit TEditDietForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 add, 1 replace the karte editor's current diet row

    void FormShow();
    void OkButtonClick();
    void CancelButtonClick();
};

extern TEditDietForm* EditDietForm;

// The input check from the two lists' selected indexes (-1 none): one line per missing
// choice, or the empty text.
QString MissingDietFields(int foodIndex, int frequencyIndex);
