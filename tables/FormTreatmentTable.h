#pragma once
// The treatment maintenance editor: TreatmentTable's rows; adds, changes and removes
// rows with its own statements, without questions or checks. The member picker's and
// the karte picker's chosen rows give StaffCode and KarteCode.
#include "tables/TableEditorForm.h"
#include "ui_FormTreatmentTable.h"

namespace tables {
class PickerChoice;
}

class TTreatmentTableForm : public tables::TableEditorForm, public Ui::TTreatmentTableForm
{
    Q_OBJECT
public:
    explicit TTreatmentTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;

    bool ReadTreatmentTable();
    bool ReadStaffTable();
    bool ReadKarteTable();
    bool LocateStaff(int code);
    bool LocateKarte(int code);

protected:
    bool ReadList() override { return ReadTreatmentTable(); }
    widgets::DBGrid* ListGrid() const override { return TreatmentDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return DateTimePicker; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
    void StartAdding() override;

private:
    tables::PickerChoice* staffChoice;
    tables::PickerChoice* karteChoice;
};

extern TTreatmentTableForm* TreatmentTableForm;
