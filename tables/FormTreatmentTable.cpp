#include "tables/FormTreatmentTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/FormKarteTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TTreatmentTableForm* TreatmentTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT ",    "Code, ", "RDate, ",         "Treatment, ", "StaffCode, ",
                               "KarteCode ", "FROM ",  "TreatmentTable ", "ORDER BY ",   "RDate;"};
const QStringList StaffLines = {
    "SELECT ",      "Code, ",          "JobCode, ",     "StaffNo, ",       "Sex, ",           "NameKanji0, ",
    "NameKanji1, ", "Namekana0, ",     "NameKana1, ",   "NameAlphabet0, ", "NameAlphabet1, ", "DeleteFlag ",
    "FROM ",        "Staff2Table ",    "ORDER BY ",     "NameKana0, ",     "NameKana1, ",     "NameKanji0, ",
    "NameKanji1, ", "NameAlphabet0, ", "NameAlphabet1;"};
const QStringList InsertLines = {"INSERT INTO TreatmentTable ",
                                 "( ",
                                 "RDate, ",
                                 "Treatment, ",
                                 "StaffCode, ",
                                 "KarteCode ",
                                 ") ",
                                 "VALUES ",
                                 "( ",
                                 ":RDate, ",
                                 ":Treatment, ",
                                 ":StaffCode, ",
                                 ":KarteCode ",
                                 "); "};
const QStringList UpdateLines = {"UPDATE TreatmentTable SET ", "RDate=:RDate, ",
                                 "Treatment=:Treatment, ",     "StaffCode=:StaffCode, ",
                                 "KarteCode=:KarteCode ",      "WHERE Code=:Code;"};
const QStringList DeleteLines = {"DELETE FROM TreatmentTable ", "WHERE Code=:Code;"};

} // namespace

TTreatmentTableForm::TTreatmentTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{TreatmentDBGrid, &TDBDM::DataSource1},
                          {StaffDBGrid, &TDBDM::DataSource2},
                          {KarteDBGrid, &TDBDM::DataSource3}});
    staffChoice = DBDM ? new PickerChoice(DBDM->DataSource2, StaffDBGrid) : nullptr;
    karteChoice = DBDM ? new PickerChoice(DBDM->DataSource3, KarteDBGrid) : nullptr;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TTreatmentTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TTreatmentTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TTreatmentTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TTreatmentTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TTreatmentTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TTreatmentTableForm::CancelButtonClick);
}

bool TTreatmentTableForm::ReadTreatmentTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

bool TTreatmentTableForm::ReadStaffTable()
{
    if (!OpenStatement(DBDM->Query2, StaffLines))
        return false;
    NofStaffLabel->SetCaption(CountCaption("# of staff ", DBDM->Query2));
    return true;
}

bool TTreatmentTableForm::ReadKarteTable()
{
    if (!OpenStatement(DBDM->Query3, KarteListLines()))
        return false;
    NofKarteLabel->SetCaption(CountCaption("# of Karte ", DBDM->Query3));
    return true;
}

bool TTreatmentTableForm::LocateStaff(int code)
{
    staffChoice->Locate(code);
    return staffChoice->Code() == code;
}

bool TTreatmentTableForm::LocateKarte(int code)
{
    karteChoice->Locate(code);
    return karteChoice->Code() == code;
}

void TTreatmentTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {DateLabel,     DateTimePicker, TreatmentLabel,
                                         TreatmentEdit, SetButton,      CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TTreatmentTableForm::FormShow()
{
    ReadTreatmentTable();
    ReadStaffTable();
    ReadKarteTable();
    iEditMode = 0;
    EnableInput(false);
}

void TTreatmentTableForm::AddButtonClick()
{
    iEditMode = 1;
    staffChoice->Reset();
    karteChoice->Reset();
    EnableInput(true);
    DateTimePicker->setFocus();
}

void TTreatmentTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    DateTimePicker->SetDate(query->FieldByName("RDate")->AsDateTime());
    TreatmentEdit->SetText(query->FieldByName("Treatment")->AsString());
    LocateStaff(query->FieldByName("StaffCode")->AsInteger());
    LocateKarte(query->FieldByName("KarteCode")->AsInteger());
    DateTimePicker->setFocus();
}

void TTreatmentTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTreatmentTable();
    TreatmentDBGrid->setFocus();
}

void TTreatmentTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines);
    ExecuteWithInput();
}

void TTreatmentTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines);
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TTreatmentTableForm::ExecuteWithInput()
{
    TQuery* query = DBDM->Query1;
    query->ParamByName("RDate")->SetAsDate(DateTimePicker->Date());
    query->ParamByName("Treatment")->SetAsString(TreatmentEdit->Text());
    query->ParamByName("StaffCode")->SetAsInteger(staffChoice->Code());
    query->ParamByName("KarteCode")->SetAsInteger(karteChoice->Code());
    query->ExecSQL();
}

void TTreatmentTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    TreatmentDBGrid->setFocus();
}

void TTreatmentTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadTreatmentTable();
    iEditMode = 0;
    EnableInput(false);
    TreatmentDBGrid->setFocus();
}
