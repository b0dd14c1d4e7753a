#include "tables/FormPatientTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TPatientTableForm* PatientTableForm = nullptr;

namespace {

const QStringList SchoolLines = {"SELECT Code,Name ", "FROM SchoolTable ", "ORDER BY Name;"};
const QStringList Columns = {"PatientNo, ", "Birth, ",     "Sex, ",        "Name0, ",    "Name1, ",
                             "Namekana0, ", "NameKana1, ", "SchoolCode, ", "Portrait, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "Patient2Table ", "WHERE ", "Code=:Code;"};

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
    : TableEditorForm(parent), OpenPictureDialog1(new widgets::OpenPictureDialog(this))
{
    setupUi(this);
    BindWhileShown(this, {{PatientDBGrid, &TDBDM::DataSource1}, {DBGrid1, &TDBDM::DataSource2}});
    schoolChoice = DBDM ? new PickerChoice(DBDM->DataSource2, DBGrid1) : nullptr;
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
    widgets::Connect(SearchButton, &QPushButton::clicked, this, &TPatientTableForm::SearchButtonClick);
    widgets::Connect(BrowseButton, &QPushButton::clicked, this, &TPatientTableForm::BrowseButtonClick);
}

bool TPatientTableForm::ReadPatientTable()
{
    const QString search = SearchEdit->Text();
    if (!OpenStatement(DBDM->Query1, PatientListLines(!search.isEmpty()), search))
        return false;
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
    return schoolChoice->Locate(code);
}

std::vector<QWidget*> TPatientTableForm::InputControls() const
{
    return {PatientNoLabel,     PatientNoEdit, BirthLabel,    BirthDateTimePicker, SexRadioGroup,
            DeleteFlagCheckBox, NameLabel,     Name0Edit,     Name1Edit,           NameKanaLabel,
            NameKana0Edit,      NameKana1Edit, PortraitLabel, PortraitEdit,        BrowseButton,
            SetButton,          CancelButton};
}

QStringList TPatientTableForm::InsertLines() const
{
    return QStringList{"INSERT INTO Patient2Table ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList TPatientTableForm::UpdateLines() const
{
    return QStringList{"UPDATE Patient2Table SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
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

void TPatientTableForm::StartAdding()
{
    schoolChoice->Reset();
}

void TPatientTableForm::FillInput(TQuery* row)
{
    LocateSchool(row->FieldByName("SchoolCode")->AsInteger());
    PatientNoEdit->SetText(QString::number(row->FieldByName("PatientNo")->AsInteger()));
    BirthDateTimePicker->SetDate(row->FieldByName("Birth")->AsDateTime());
    SexRadioGroup->SetItemIndex(row->FieldByName("Sex")->AsInteger());
    Name0Edit->SetText(row->FieldByName("Name0")->AsString());
    Name1Edit->SetText(row->FieldByName("Name1")->AsString());
    NameKana0Edit->SetText(row->FieldByName("NameKana0")->AsString());
    NameKana1Edit->SetText(row->FieldByName("NameKana1")->AsString());
    PortraitEdit->SetText(row->FieldByName("Portrait")->AsString());
    DeleteFlagCheckBox->SetChecked(row->FieldByName("DeleteFlag")->AsBoolean());
}

void TPatientTableForm::BrowseButtonClick()
{
    if (OpenPictureDialog1->Execute())
        PortraitEdit->SetText(OpenPictureDialog1->FileName);
}

void TPatientTableForm::SetParameters()
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
}

void TPatientTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, false);
}
