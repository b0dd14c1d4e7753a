#include "tables/FormStaffTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TStaffTableForm* StaffTableForm = nullptr;

namespace {

const QStringList JobLines = {"SELECT ", "  Code, ", "  Job ", "FROM ", "  JobTable ", "ORDER BY ", "  Job;"};
const QStringList Columns = {"JobCode, ",       "StaffNo, ",   "Sex, ",       "NameKanji0, ",
                             "NameKanji1, ",    "Namekana0, ", "NameKana1, ", "NameAlphabet0, ",
                             "NameAlphabet1, ", "DeleteFlag "};
const QStringList DeleteLines = {"DELETE ", "FROM ", "Staff2Table ", "WHERE ", "Code=:Code;"};

} // namespace

QStringList StaffListLines(bool search)
{
    QStringList lines =
        QStringList{"SELECT ", "Code, ", "JobCode, ", "JobTable.Job, "} + Columns.mid(1) +
        QStringList{"FROM ", "Staff2Table, ", "JobTable ", "WHERE  ", "JobCode=JobTable.Code "};
    if (search)
        lines += {"AND (", "NameKanji0 LIKE :Search ",    "OR ", "NameKanji1 LIKE :Search ",
                  "OR ",   "NameKana0 LIKE :Search ",     "OR ", "NameKana1 LIKE :Search ",
                  "OR ",   "NameAlphabet0 LIKE :Search ", "OR ", "NameAlphabet1 LIKE :Search ",
                  ")"};
    lines += {"ORDER BY ",    "NameKana0, ",     "NameKana1, ",   "NameKanji0, ",
              "NameKanji1, ", "NameAlphabet0, ", "NameAlphabet1;"};
    return lines;
}

TStaffTableForm::TStaffTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{StaffDBGrid, &TDBDM::DataSource1}, {JobDBGrid, &TDBDM::DataSource2}});
    jobChoice = DBDM ? new PickerChoice(DBDM->DataSource2, JobDBGrid) : nullptr;
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
    widgets::Connect(SearchButton, &QPushButton::clicked, this, &TStaffTableForm::SearchButtonClick);
}

bool TStaffTableForm::ReadStaffTable()
{
    const QString search = SearchEdit->Text();
    if (!OpenStatement(DBDM->Query1, StaffListLines(!search.isEmpty()), search))
        return false;
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
    return jobChoice->Locate(code);
}

std::vector<QWidget*> TStaffTableForm::InputControls() const
{
    return {StaffNoLabel,      StaffNoEdit,       SexRadioGroup,     DeleteFlagCheckBox, NameKanjiLabel,
            NameKanji0Edit,    NameKanji1Edit,    NameKanaLabel,     NameKana0Edit,      NameKana1Edit,
            NameAlphabetLabel, NameAlphabet0Edit, NameAlphabet1Edit, SetButton,          CancelButton};
}

QStringList TStaffTableForm::InsertLines() const
{
    return QStringList{"INSERT INTO Staff2Table ", "( "} + Columns + QStringList{") ", "VALUES ", "("} +
           ParameterLines(Columns) + QStringList{");"};
}

QStringList TStaffTableForm::UpdateLines() const
{
    return QStringList{"UPDATE Staff2Table SET "} + AssignmentLines(Columns) +
           QStringList{"WHERE ", "Code=:Code;"};
}

bool TStaffTableForm::CanWrite() const
{
    return HasRows(DBDM->Query2);
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

void TStaffTableForm::StartAdding()
{
    jobChoice->Reset();
}

void TStaffTableForm::FillInput(TQuery* row)
{
    LocateJob(row->FieldByName("JobCode")->AsInteger());
    StaffNoEdit->SetText(QString::number(row->FieldByName("StaffNo")->AsInteger()));
    SexRadioGroup->SetItemIndex(row->FieldByName("Sex")->AsInteger());
    DeleteFlagCheckBox->SetChecked(row->FieldByName("DeleteFlag")->AsBoolean());
    NameKanji0Edit->SetText(row->FieldByName("NameKanji0")->AsString());
    NameKanji1Edit->SetText(row->FieldByName("NameKanji1")->AsString());
    NameKana0Edit->SetText(row->FieldByName("NameKana0")->AsString());
    NameKana1Edit->SetText(row->FieldByName("NameKana1")->AsString());
    NameAlphabet0Edit->SetText(row->FieldByName("NameAlphabet0")->AsString());
    NameAlphabet1Edit->SetText(row->FieldByName("NameAlphabet1")->AsString());
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

void TStaffTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, false);
}
