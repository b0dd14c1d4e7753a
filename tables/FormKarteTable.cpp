#include "tables/FormKarteTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/FormPatientTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TKarteTableForm* KarteTableForm = nullptr;

namespace {

const QStringList Columns = {"KarteNo, ", "RDate, ", "Next, ", "PatientCode, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "KarteTable ", "WHERE ", "Code=:Code;"};

QStringList InsertLines()
{
    return QStringList{"INSERT INTO KarteTable ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList UpdateLines()
{
    return QStringList{"UPDATE KarteTable SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
}

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

TKarteTableForm::TKarteTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{KarteDBGrid, &TDBDM::DataSource1}, {PatientDBGrid, &TDBDM::DataSource2}});
    patientChoice = DBDM ? new PickerChoice(DBDM->DataSource2, PatientDBGrid) : nullptr;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TKarteTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TKarteTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TKarteTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TKarteTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TKarteTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TKarteTableForm::CancelButtonClick);
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
    NofPatientLabel->SetCaption(CountCaption("# of Patient ", DBDM->Query2));
    return true;
}

bool TKarteTableForm::LocatePatient(int code)
{
    patientChoice->Locate(code);
    return patientChoice->Code() == code;
}

void TKarteTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {KarteNoLabel,       KarteNoEdit, DateLabel,
                                         DateTimePicker,     NextLabel,   NextEdit,
                                         DeleteFlagCheckBox, SetButton,   CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TKarteTableForm::FormShow()
{
    ReadKarteTable();
    ReadPatientTable();
    iEditMode = 0;
    EnableInput(false);
}

void TKarteTableForm::AddButtonClick()
{
    iEditMode = 1;
    patientChoice->Reset();
    EnableInput(true);
    KarteNoEdit->setFocus();
}

void TKarteTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query) || !HasRows(DBDM->Query2))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    LocatePatient(query->FieldByName("PatientCode")->AsInteger());
    KarteNoEdit->SetText(query->FieldByName("KarteNo")->AsString());
    DateTimePicker->SetDate(query->FieldByName("RDate")->AsDateTime());
    NextEdit->SetText(QString::number(query->FieldByName("Next")->AsInteger()));
    DeleteFlagCheckBox->SetChecked(query->FieldByName("DeleteFlag")->AsBoolean());
    KarteNoEdit->setFocus();
}

void TKarteTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadKarteTable();
    KarteDBGrid->setFocus();
}

void TKarteTableForm::InsertRecord()
{
    if (!HasRows(DBDM->Query2))
        return;
    SetStatement(DBDM->Query1, InsertLines());
    SetParameters();
    DBDM->Query1->ExecSQL();
}

void TKarteTableForm::UpdateRecord()
{
    if (!HasRows(DBDM->Query2))
        return;
    SetStatement(DBDM->Query1, UpdateLines());
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    SetParameters();
    DBDM->Query1->ExecSQL();
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

void TKarteTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    KarteDBGrid->setFocus();
}

void TKarteTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadKarteTable();
    KarteDBGrid->setFocus();
}
