#pragma once
// The questionnaire maintenance editor: PSTable's rows, their 23 flags and 8 memos;
// adds, changes and removes rows with its own statements, without questions or checks.
// KarteCode is neither shown nor written.
#include "tables/TableEditorForm.h"
#include "ui_FormPSTable.h"

class TPSTableForm : public tables::TableEditorForm, public Ui::TPSTableForm
{
    Q_OBJECT
public:
    explicit TPSTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;
    bool ReadTable();

protected:
    bool ReadList() override { return ReadTable(); }
    widgets::DBGrid* ListGrid() const override { return PSDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return AIDSCheckBox; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;

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
