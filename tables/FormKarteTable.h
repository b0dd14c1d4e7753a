#pragma once
// The karte maintenance editor: KarteTable's rows, live and deleted alike; adds,
// changes and removes rows with its own statements, without questions or checks. The
// examinee picker's chosen row gives PatientCode; its first row stands for no examinee.
#include "tables/TableEditorForm.h"
#include "ui_FormKarteTable.h"

namespace tables {
class PickerChoice;
}

class TKarteTableForm : public tables::TableEditorForm, public Ui::TKarteTableForm
{
    Q_OBJECT
public:
    explicit TKarteTableForm(QWidget* parent = nullptr);

    void FormShow() override;
    void DeleteButtonClick() override;

    bool ReadKarteTable();
    bool ReadPatientTable();
    bool LocatePatient(int code);

protected:
    bool ReadList() override { return ReadKarteTable(); }
    widgets::DBGrid* ListGrid() const override { return KarteDBGrid; }
    std::vector<QWidget*> InputControls() const override;
    QWidget* FirstInput() const override { return KarteNoEdit; }
    QStringList InsertLines() const override;
    QStringList UpdateLines() const override;
    void SetParameters() override;
    void FillInput(TQuery* row) override;
    bool CanEdit() const override;
    bool CanWrite() const override;
    void StartAdding() override;

private:
    tables::PickerChoice* patientChoice;
};

extern TKarteTableForm* KarteTableForm;

// Every karte, by number (also the treatment editor's karte picker).
QStringList KarteListLines();
// Every examinee, after a first row with Code -1 that stands for no examinee.
QStringList PatientPickerLines();
