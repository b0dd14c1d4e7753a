#include "tables/FormPatientTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TPatientTableForm* PatientTableForm = nullptr;

namespace {

const QStringList SchoolLines = {"SELECT Code,Name ", "FROM SchoolTable ", "ORDER BY Name;"};
const QStringList Columns = {"PatientNo, ", "Birth, ",     "Sex, ",        "Name0, ",    "Name1, ",
                             "Namekana0, ", "NameKana1, ", "SchoolCode, ", "Portrait, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "Patient2Table ", "WHERE ", "Code=:Code;"};

QStringList InsertLines()
{
    return QStringList{"INSERT INTO Patient2Table ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList UpdateLines()
{
    return QStringList{"UPDATE Patient2Table SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
}

} // namespace

QStringList PatientListLines(bool search)
{
    QStringList lines = PatientSelectLines();
    if (search)
        lines += {"WHERE ", "Name0 LIKE :Search ",     "OR ", "Name1 LIKE :Search ",
                  "OR ",    "NameKana0 LIKE :Search ", "OR ", "NameKana1 LIKE :Search "};
    return lines + PatientOrderLines();
}

QStringList PatientSelectLines()
{
    return QStringList{"SELECT ", "Code, "} + Columns + QStringList{"FROM ", "Patient2Table "};
}

QStringList PatientOrderLines()
{
    return {"ORDER BY ", "Name0, ", "Name1, ", "NameKana0, ", "NameKana1;"};
}

TPatientTableForm::TPatientTableForm(QWidget* parent)
    : widgets::Form(parent), OpenPictureDialog1(new widgets::OpenPictureDialog(this))
{
    setupUi(this);
    BindWhileShown(this, {{PatientDBGrid, &TDBDM::DataSource1}, {DBGrid1, &TDBDM::DataSource2}});
    schoolChoice = DBDM ? new PickerChoice(DBDM->DataSource2, DBGrid1) : nullptr;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TPatientTableForm::FormShow);
    Connect(SearchButton, &QPushButton::clicked, this, &TPatientTableForm::SearchButtonClick);
    Connect(AddButton, &QPushButton::clicked, this, &TPatientTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TPatientTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TPatientTableForm::DeleteButtonClick);
    Connect(BrowseButton, &QPushButton::clicked, this, &TPatientTableForm::BrowseButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TPatientTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TPatientTableForm::CancelButtonClick);
}

bool TPatientTableForm::ReadPatientTable()
{
    const QString search = SearchEdit->Text();
    try {
        SetStatement(DBDM->Query1, PatientListLines(!search.isEmpty()));
        if (!search.isEmpty())
            DBDM->Query1->ParamByName("Search")->SetAsString(SearchPattern(search));
        DBDM->Query1->Open();
    } catch (const std::exception&) {
        return false;
    }
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

bool TPatientTableForm::ReadSchoolTable()
{
    if (!OpenStatement(DBDM->Query2, SchoolLines))
        return false;
    NofSchoolLabel->SetCaption(CountCaption("# of data ", DBDM->Query2));
    return true;
}

bool TPatientTableForm::LocateSchool(int code)
{
    schoolChoice->Locate(code);
    return schoolChoice->Code() == code;
}

void TPatientTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {
        PatientNoLabel, PatientNoEdit, BirthLabel,   BirthDateTimePicker, SexRadioGroup, DeleteFlagCheckBox,
        NameLabel,      Name0Edit,     Name1Edit,    NameKanaLabel,       NameKana0Edit, NameKana1Edit,
        PortraitLabel,  PortraitEdit,  BrowseButton, SetButton,           CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TPatientTableForm::FormShow()
{
    ReadPatientTable();
    ReadSchoolTable();
    iEditMode = 0;
    EnableInput(false);
}

void TPatientTableForm::SearchButtonClick()
{
    ReadPatientTable();
}

void TPatientTableForm::AddButtonClick()
{
    iEditMode = 1;
    schoolChoice->Reset();
    EnableInput(true);
    PatientNoEdit->setFocus();
}

void TPatientTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    LocateSchool(query->FieldByName("SchoolCode")->AsInteger());
    PatientNoEdit->SetText(QString::number(query->FieldByName("PatientNo")->AsInteger()));
    BirthDateTimePicker->SetDate(query->FieldByName("Birth")->AsDateTime());
    SexRadioGroup->SetItemIndex(query->FieldByName("Sex")->AsInteger());
    Name0Edit->SetText(query->FieldByName("Name0")->AsString());
    Name1Edit->SetText(query->FieldByName("Name1")->AsString());
    NameKana0Edit->SetText(query->FieldByName("NameKana0")->AsString());
    NameKana1Edit->SetText(query->FieldByName("NameKana1")->AsString());
    PortraitEdit->SetText(query->FieldByName("Portrait")->AsString());
    DeleteFlagCheckBox->SetChecked(query->FieldByName("DeleteFlag")->AsBoolean());
    PatientNoEdit->setFocus();
}

void TPatientTableForm::BrowseButtonClick()
{
    if (OpenPictureDialog1->Execute())
        PortraitEdit->SetText(OpenPictureDialog1->FileName);
}

void TPatientTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadPatientTable();
    PatientDBGrid->setFocus();
}

void TPatientTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines());
    ExecuteWithInput();
}

void TPatientTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines());
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TPatientTableForm::ExecuteWithInput()
{
    TQuery* query = DBDM->Query1;
    query->ParamByName("PatientNo")->SetAsInteger(DecimalOrZero(PatientNoEdit->Text()));
    query->ParamByName("Birth")->SetAsDate(BirthDateTimePicker->Date());
    query->ParamByName("Sex")->SetAsSmallInt(SexRadioGroup->ItemIndex());
    query->ParamByName("Name0")->SetAsString(Name0Edit->Text());
    query->ParamByName("Name1")->SetAsString(Name1Edit->Text());
    query->ParamByName("NameKana0")->SetAsString(NameKana0Edit->Text());
    query->ParamByName("NameKana1")->SetAsString(NameKana1Edit->Text());
    query->ParamByName("SchoolCode")->SetAsInteger(schoolChoice->Code());
    query->ParamByName("Portrait")->SetAsString(PortraitEdit->Text());
    query->ParamByName("DeleteFlag")->SetAsBoolean(DeleteFlagCheckBox->Checked());
    query->ExecSQL();
}

void TPatientTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    PatientDBGrid->setFocus();
}

void TPatientTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadPatientTable();
    PatientDBGrid->setFocus();
}
