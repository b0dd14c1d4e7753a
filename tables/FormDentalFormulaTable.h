#pragma once
// The dental-formula maintenance editor: DentalFormulaTable's names; adds, changes and
// removes rows with its own statements, without questions or checks.
#include "tables/TableEditorForm.h"
#include "ui_FormDentalFormulaTable.h"

class TDentalFormulaTableForm : public tables::TableEditorForm, public Ui::TDentalFormulaTableForm
{
    Q_OBJECT
public:
    explicit TDentalFormulaTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;
    bool ReadTable();

protected:
    bool ReadList() override { return ReadTable(); }
    widgets::DBGrid* ListGrid() const override { return DentalFormulaDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return DentalFormulaEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
};

extern TDentalFormulaTableForm* DentalFormulaTableForm;
