#include "tables/FormTreatmentTable.h"

#include "core/data/DMDB.h"
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
const QStringList DeleteLines = {"DELETE FROM TreatmentTable ", "WHERE Code=:Code;"};

} // namespace

TTreatmentTableForm::TTreatmentTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{TreatmentDBGrid, &TDBDM::DataSource1},
                          {StaffDBGrid, &TDBDM::DataSource2},
                          {KarteDBGrid, &TDBDM::DataSource3}});
    staffChoice = DBDM ? new PickerChoice(DBDM->DataSource2, StaffDBGrid) : nullptr;
    karteChoice = DBDM ? new PickerChoice(DBDM->DataSource3, KarteDBGrid) : nullptr;
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
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
    return staffChoice->Locate(code);
}

bool TTreatmentTableForm::LocateKarte(int code)
{
    return karteChoice->Locate(code);
}

std::vector<QWidget*> TTreatmentTableForm::InputControls() const
{
    return {DateLabel, DateTimePicker, TreatmentLabel, TreatmentEdit, SetButton, CancelButton};
}

QStringList TTreatmentTableForm::InsertLines() const
{
    return {"INSERT INTO TreatmentTable ",
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
}

QStringList TTreatmentTableForm::UpdateLines() const
{
    return {"UPDATE TreatmentTable SET ", "RDate=:RDate, ",        "Treatment=:Treatment, ",
            "StaffCode=:StaffCode, ",     "KarteCode=:KarteCode ", "WHERE Code=:Code;"};
}

void TTreatmentTableForm::FormShow()
{
    ReadTreatmentTable();
    ReadStaffTable();
    ReadKarteTable();
    iEditMode = 0;
    EnableInput(false);
}

void TTreatmentTableForm::StartAdding()
{
    staffChoice->Reset();
    karteChoice->Reset();
}

void TTreatmentTableForm::FillInput(TQuery* row)
{
    DateTimePicker->SetDate(row->FieldByName("RDate")->AsDateTime());
    TreatmentEdit->SetText(row->FieldByName("Treatment")->AsString());
    LocateStaff(row->FieldByName("StaffCode")->AsInteger());
    LocateKarte(row->FieldByName("KarteCode")->AsInteger());
}

void TTreatmentTableForm::SetParameters()
{
    TQuery* query = DBDM->Query1;
    query->ParamByName("RDate")->SetAsDate(DateTimePicker->Date());
    query->ParamByName("Treatment")->SetAsString(TreatmentEdit->Text());
    query->ParamByName("StaffCode")->SetAsInteger(staffChoice->Code());
    query->ParamByName("KarteCode")->SetAsInteger(karteChoice->Code());
}

void TTreatmentTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, true);
}
