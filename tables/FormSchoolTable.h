#pragma once
// The school editor: lists SchoolTable, adds and renames schools, and deletes one,
// asking first when live examinees are registered with it. With [Debug] Debug on the
// list shows the code column too.
#include "platform/widgets/Form.h"
#include "ui_FormSchoolTable.h"

class TSchoolTableForm : public widgets::Form, public Ui::TSchoolTableForm
{
    Q_OBJECT
public:
    explicit TSchoolTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iDebug = 0;
    int iEditCode = 0; // the school being changed, taken when Edit is pressed

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

extern TSchoolTableForm* SchoolTableForm;

// The question before deleting a school that `count` live examinees are registered with.
QString SchoolDeleteQuestion(const QString& name, int count);
