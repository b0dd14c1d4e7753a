#pragma once
// The eating-frequency editor: lists FrequencyTable in display order, adds and changes
// frequencies with their display order, and deletes one, asking first when diet rows
// of live kartes name it.
#include "tables/TableEditorForm.h"
#include "ui_FormFrequencyTable.h"

class TFrequencyTableForm : public tables::TableEditorForm, public Ui::TFrequencyTableForm
{
    Q_OBJECT
public:
    explicit TFrequencyTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;
    void DispOrderEditKeyPress(QChar& key);
    bool ReadTable();

protected:
    bool ReadList() override { return ReadTable(); }
    widgets::DBGrid* ListGrid() const override { return FrequencyDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return FrequencyEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
};

extern TFrequencyTableForm* FrequencyTableForm;

// The display-order filter: digits and the copy, backspace, paste and cut characters.
bool DispOrderKeyPasses(QChar key);
