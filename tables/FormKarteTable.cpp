#include "tables/FormKarteTable.h"

#include "core/data/DMDB.h"
#include "tables/FormPatientTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TKarteTableForm* KarteTableForm = nullptr;

namespace {

const QStringList Columns = {"KarteNo, ", "RDate, ", "Next, ", "PatientCode, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "KarteTable ", "WHERE ", "Code=:Code;"};

} // namespace

QStringList KarteListLines()
{
    return QStringList{"SELECT ", "Code, "} + Columns +
           QStringList{"FROM ", "KarteTable ", "ORDER BY ", "KarteNo;"};
}

QStringList PatientPickerLines()
{
    // A karte may belong to no examinee (-1): the row to choose for it. Its empty family
    // name sorts it first.
    return PatientSelectLines() +
           QStringList{"UNION ALL ",
                       "SELECT -1, NULL, NULL, NULL, NULL, 'no examinee', NULL, NULL, NULL, NULL, NULL "} +
           PatientOrderLines();
}

TKarteTableForm::TKarteTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{KarteDBGrid, &TDBDM::DataSource1}, {PatientDBGrid, &TDBDM::DataSource2}});
    patientChoice = DBDM ? new PickerChoice(DBDM->DataSource2, PatientDBGrid) : nullptr;
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
}

bool TKarteTableForm::ReadKarteTable()
{
    if (!OpenStatement(DBDM->Query1, KarteListLines()))
        return false;
    NofKarteLabel->SetCaption(CountCaption("# of Karte ", DBDM->Query1));
    return true;
}

bool TKarteTableForm::ReadPatientTable()
{
    if (!OpenStatement(DBDM->Query2, PatientPickerLines()))
        return false;
    // The row for no examinee is no examinee: the label counts the others.
    NofPatientLabel->SetCaption("# of Patient " + QString::number(DBDM->Query2->RecordCount() - 1));
    return true;
}

bool TKarteTableForm::LocatePatient(int code)
{
    return patientChoice->Locate(code);
}

std::vector<QWidget*> TKarteTableForm::InputControls() const
{
    return {KarteNoLabel, KarteNoEdit,        DateLabel, DateTimePicker, NextLabel,
            NextEdit,     DeleteFlagCheckBox, SetButton, CancelButton};
}

QStringList TKarteTableForm::InsertLines() const
{
    return QStringList{"INSERT INTO KarteTable ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList TKarteTableForm::UpdateLines() const
{
    return QStringList{"UPDATE KarteTable SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
}

bool TKarteTableForm::CanEdit() const
{
    return TableEditorForm::CanEdit() && HasRows(DBDM->Query2);
}

bool TKarteTableForm::CanWrite() const
{
    return HasRows(DBDM->Query2);
}

void TKarteTableForm::FormShow()
{
    ReadKarteTable();
    ReadPatientTable();
    iEditMode = 0;
    EnableInput(false);
}

void TKarteTableForm::StartAdding()
{
    patientChoice->Reset();
}

void TKarteTableForm::FillInput(TQuery* row)
{
    LocatePatient(row->FieldByName("PatientCode")->AsInteger());
    KarteNoEdit->SetText(row->FieldByName("KarteNo")->AsString());
    DateTimePicker->SetDate(row->FieldByName("RDate")->AsDateTime());
    NextEdit->SetText(QString::number(row->FieldByName("Next")->AsInteger()));
    DeleteFlagCheckBox->SetChecked(row->FieldByName("DeleteFlag")->AsBoolean());
}

void TKarteTableForm::SetParameters()
{
    TQuery* query = DBDM->Query1;
    query->ParamByName("KarteNo")->SetAsString(KarteNoEdit->Text());
    query->ParamByName("RDate")->SetAsDate(DateTimePicker->Date());
    query->ParamByName("PatientCode")->SetAsInteger(patientChoice->Code());
    query->ParamByName("Next")->SetAsInteger(DecimalOrZero(NextEdit->Text()));
    query->ParamByName("DeleteFlag")->SetAsBoolean(DeleteFlagCheckBox->Checked());
}

void TKarteTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, false);
}
