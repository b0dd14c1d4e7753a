#pragma once
// The school editor: lists SchoolTable, adds and renames schools, and deletes one,
// asking first when live examinees are registered with it. With [Debug] Debug on the
// list shows the code column too.
#include "tables/TableEditorForm.h"
#include "ui_FormSchoolTable.h"

class TSchoolTableForm : public tables::TableEditorForm, public Ui::TSchoolTableForm
{
    Q_OBJECT
public:
    explicit TSchoolTableForm(QWidget* parent = nullptr);

    int iDebug = 0;

    void FormShow() override;
    void DeleteButtonClick() override;
    bool ReadTable();

protected:
    bool ReadList() override { return ReadTable(); }
    widgets::DBGrid* ListGrid() const override { return SchoolDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return SchoolEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
};

extern TSchoolTableForm* SchoolTableForm;

// The question before deleting a school that `count` live examinees are registered with.
QString SchoolDeleteQuestion(const QString& name, int count);
