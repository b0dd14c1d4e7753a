#include "tables/FormStaffTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/FormPatientTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TStaffTableForm* StaffTableForm = nullptr;

namespace {

const QStringList JobLines = {"SELECT ", "  Code, ", "  Job ", "FROM ", "  JobTable ", "ORDER BY ", "  Job;"};
const QStringList Columns = {"JobCode, ",       "StaffNo, ",   "Sex, ",       "NameKanji0, ",
                             "NameKanji1, ",    "Namekana0, ", "NameKana1, ", "NameAlphabet0, ",
                             "NameAlphabet1, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "Staff2Table ", "WHERE ", "Code=:Code;"};

QStringList InsertLines()
{
    return QStringList{"INSERT INTO Staff2Table ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList UpdateLines()
{
    return QStringList{"UPDATE Staff2Table SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
}

} // namespace

QStringList StaffListLines(bool search)
{
    QStringList lines = {"SELECT ",        "Code, ",          "JobCode, ",
                         "JobTable.Job, ", "StaffNo, ",       "Sex, ",
                         "NameKanji0, ",   "NameKanji1, ",    "Namekana0, ",
                         "NameKana1, ",    "NameAlphabet0, ", "NameAlphabet1, ",
                         "DeleteFlag ",    "FROM ",           "Staff2Table, ",
                         "JobTable ",      "WHERE  ",         "JobCode=JobTable.Code "};
    if (search)
        lines += {"AND (", "NameKanji0 LIKE :Search ",    "OR ", "NameKanji1 LIKE :Search ",
                  "OR ",   "NameKana0 LIKE :Search ",     "OR ", "NameKana1 LIKE :Search ",
                  "OR ",   "NameAlphabet0 LIKE :Search ", "OR ", "NameAlphabet1 LIKE :Search ",
                  ")"};
    lines += {"ORDER BY ",    "NameKana0, ",     "NameKana1, ",   "NameKanji0, ",
              "NameKanji1, ", "NameAlphabet0, ", "NameAlphabet1;"};
    return lines;
}

TStaffTableForm::TStaffTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{StaffDBGrid, &TDBDM::DataSource1}, {JobDBGrid, &TDBDM::DataSource2}});
    jobChoice = DBDM ? new PickerChoice(DBDM->DataSource2, JobDBGrid) : nullptr;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TStaffTableForm::FormShow);
    Connect(SearchButton, &QPushButton::clicked, this, &TStaffTableForm::SearchButtonClick);
    Connect(AddButton, &QPushButton::clicked, this, &TStaffTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TStaffTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TStaffTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TStaffTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TStaffTableForm::CancelButtonClick);
}

bool TStaffTableForm::ReadStaffTable()
{
    const QString search = SearchEdit->Text();
    try {
        SetStatement(DBDM->Query1, StaffListLines(!search.isEmpty()));
        if (!search.isEmpty())
            DBDM->Query1->ParamByName("Search")->SetAsString(SearchPattern(search));
        DBDM->Query1->Open();
    } catch (const std::exception&) {
        return false;
    }
    StaffDBGrid->SetColumnWidth(2, 100);
    StaffDBGrid->SetColumnWidth(4, 30);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

bool TStaffTableForm::ReadJobTable()
{
    if (!OpenStatement(DBDM->Query2, JobLines))
        return false;
    JobDBGrid->SetColumnVisible(0, false);
    NofJobLabel->SetCaption(CountCaption("# of data ", DBDM->Query2));
    return true;
}

bool TStaffTableForm::LocateJob(int code)
{
    jobChoice->Locate(code);
    return jobChoice->Code() == code;
}

void TStaffTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {
        StaffNoLabel,      StaffNoEdit,       SexRadioGroup,     DeleteFlagCheckBox, NameKanjiLabel,
        NameKanji0Edit,    NameKanji1Edit,    NameKanaLabel,     NameKana0Edit,      NameKana1Edit,
        NameAlphabetLabel, NameAlphabet0Edit, NameAlphabet1Edit, SetButton,          CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TStaffTableForm::FormShow()
{
    ReadStaffTable();
    ReadJobTable();
    iEditMode = 0;
    EnableInput(false);
}

void TStaffTableForm::SearchButtonClick()
{
    ReadStaffTable();
}

void TStaffTableForm::AddButtonClick()
{
    iEditMode = 1;
    jobChoice->Reset();
    EnableInput(true);
    StaffNoEdit->setFocus();
}

void TStaffTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    LocateJob(query->FieldByName("JobCode")->AsInteger());
    StaffNoEdit->SetText(QString::number(query->FieldByName("StaffNo")->AsInteger()));
    SexRadioGroup->SetItemIndex(query->FieldByName("Sex")->AsInteger());
    DeleteFlagCheckBox->SetChecked(query->FieldByName("DeleteFlag")->AsBoolean());
    NameKanji0Edit->SetText(query->FieldByName("NameKanji0")->AsString());
    NameKanji1Edit->SetText(query->FieldByName("NameKanji1")->AsString());
    NameKana0Edit->SetText(query->FieldByName("NameKana0")->AsString());
    NameKana1Edit->SetText(query->FieldByName("NameKana1")->AsString());
    NameAlphabet0Edit->SetText(query->FieldByName("NameAlphabet0")->AsString());
    NameAlphabet1Edit->SetText(query->FieldByName("NameAlphabet1")->AsString());
    StaffNoEdit->setFocus();
}

void TStaffTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadStaffTable();
    StaffDBGrid->setFocus();
}

void TStaffTableForm::InsertRecord()
{
    if (!HasRows(DBDM->Query2))
        return;
    SetStatement(DBDM->Query1, InsertLines());
    SetParameters();
    DBDM->Query1->ExecSQL();
}

void TStaffTableForm::UpdateRecord()
{
    if (!HasRows(DBDM->Query2))
        return;
    SetStatement(DBDM->Query1, UpdateLines());
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    SetParameters();
    DBDM->Query1->ExecSQL();
}

void TStaffTableForm::SetParameters()
{
    TQuery* query = DBDM->Query1;
    query->ParamByName("JobCode")->SetAsInteger(jobChoice->Code());
    query->ParamByName("StaffNo")->SetAsInteger(DecimalOrZero(StaffNoEdit->Text()));
    query->ParamByName("Sex")->SetAsSmallInt(SexRadioGroup->ItemIndex());
    query->ParamByName("DeleteFlag")->SetAsBoolean(DeleteFlagCheckBox->Checked());
    query->ParamByName("NameKanji0")->SetAsString(NameKanji0Edit->Text());
    query->ParamByName("NameKanji1")->SetAsString(NameKanji1Edit->Text());
    query->ParamByName("NameKana0")->SetAsString(NameKana0Edit->Text());
    query->ParamByName("NameKana1")->SetAsString(NameKana1Edit->Text());
    query->ParamByName("NameAlphabet0")->SetAsString(NameAlphabet0Edit->Text());
    query->ParamByName("NameAlphabet1")->SetAsString(NameAlphabet1Edit->Text());
}

void TStaffTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    StaffDBGrid->setFocus();
}

void TStaffTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadStaffTable();
    StaffDBGrid->setFocus();
}
