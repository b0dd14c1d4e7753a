#pragma once
// The occupation editor: edits the data module's table component JobTable in place,
// through JobDataSource, with a grid of the occupations and a data-aware edit of the
// current one. Add appends, Insert inserts at the current row, Edit changes it; Set
// posts and Cancel (or closing the window) drops the pending record. Deleting an
// occupation that live members have asks first.
#include "platform/widgets/Form.h"
#include "ui_FormJobTable.h"

class TJobTableForm : public widgets::Form, public Ui::TJobTableForm
{
    Q_OBJECT
public:
    explicit TJobTableForm(QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    void AddButtonClick();
    void InsertButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    void EnableInput(bool on);
};

extern TJobTableForm* JobTableForm;

// The question before deleting an occupation that `count` live members have.
QString JobDeleteQuestion(const QString& job, int count, const QString& first);
