#pragma once
// The food editor: lists FoodTable, adds and renames food types, and deletes one,
// asking first when diet rows of live kartes name it.
#include "tables/TableEditorForm.h"
#include "ui_FormFoodTable.h"

#include <functional>

class TFoodTableForm : public tables::TableEditorForm, public Ui::TFoodTableForm
{
    Q_OBJECT
public:
    explicit TFoodTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;
    bool ReadTable();

protected:
    bool ReadList() override { return ReadTable(); }
    widgets::DBGrid* ListGrid() const override { return FoodDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return FoodEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
};

extern TFoodTableForm* FoodTableForm;

// The food and frequency editors' delete of the list's current row: it asks first when
// diet rows of live kartes name it in `column` ("FoodCode", "FrequencyCode"); `what`
// names the row in the question, `codeName` and `form` in the error box. True when the
// row is gone or kept on No; false when there was none or a failure was shown.
bool DeleteDietReference(const QString& column, const QString& what, const QStringList& deleteLines,
                         const QString& codeName, const QString& form);
// The question before deleting a food or frequency named by `count` kartes, the first
// described by `first`.
QString DietDeleteQuestion(const QString& what, const QString& name, int count, const QString& first);
