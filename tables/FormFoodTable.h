#pragma once
// The food editor: lists FoodTable, adds and renames food types, and deletes one,
// asking first when diet rows of live kartes name it.
#include "platform/widgets/Form.h"
#include "ui_FormFoodTable.h"

class TFoodTableForm : public widgets::Form, public Ui::TFoodTableForm
{
    Q_OBJECT
public:
    explicit TFoodTableForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the food being changed, taken when Edit is pressed

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

extern TFoodTableForm* FoodTableForm;

// The lines that find the live kartes whose diet rows name a food (`column` = :Code).
QStringList DietReferenceLines(const QString& column);
// The question before deleting a food or frequency (`what`) named by `count` kartes,
// the first described by `first`.
QString DietDeleteQuestion(const QString& what, const QString& name, int count, const QString& first);
