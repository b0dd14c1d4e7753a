#pragma once
// The questionnaire maintenance editor: PSTable's rows, their 23 flags and 8 memos;
// adds, changes and removes rows with its own statements, without questions or checks.
// KarteCode is neither shown nor written.
#include "platform/widgets/Form.h"
#include "ui_FormPSTable.h"

class TPSTableForm : public widgets::Form, public Ui::TPSTableForm
{
    Q_OBJECT
public:
    explicit TPSTableForm(QWidget* parent = nullptr);

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

private:
    // "AIDS, " ... "Q40 ": the columns as the statements list them.
    QStringList ColumnLines() const;
    struct Column
    {
        QString name;
        QWidget* control; // its check box (a flag) or edit (a memo)
    };
    std::vector<Column> columns;
};

extern TPSTableForm* PSTableForm;
