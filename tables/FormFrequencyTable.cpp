#include "tables/FormFrequencyTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/FormFoodTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TFrequencyTableForm* FrequencyTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT * ", "FROM FrequencyTable ", "ORDER BY DispOrder;"};
const QStringList DeleteLines = {"DELETE FROM FrequencyTable", " WHERE Code=:Code;"};

} // namespace

bool DispOrderKeyPasses(QChar key)
{
    const ushort c = key.unicode();
    return (c >= '0' && c <= '9') || c == 3 || c == 8 || c == 22 || c == 24;
}

TFrequencyTableForm::TFrequencyTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{FrequencyDBGrid, &TDBDM::DataSource1}});
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
    widgets::Connect(DispOrderEdit, &widgets::Edit::KeyPress, this,
                     &TFrequencyTableForm::DispOrderEditKeyPress);
    DispOrderEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TFrequencyTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    FrequencyDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

std::vector<QWidget*> TFrequencyTableForm::InputControls() const
{
    return {FrequencyLabel, FrequencyEdit, DispOrderLabel, DispOrderEdit, SetButton, CancelButton};
}

QStringList TFrequencyTableForm::InsertLines() const
{
    return {"INSERT INTO FrequencyTable ", "(Name, DispOrder) ", "VALUES ", "(:Name, :DispOrder);"};
}

QStringList TFrequencyTableForm::UpdateLines() const
{
    return {"UPDATE FrequencyTable SET", "Name=:Name, DispOrder=:DispOrder", "WHERE Code=:Code;"};
}

void TFrequencyTableForm::SetParameters()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(FrequencyEdit->Text());
    DBDM->Query1->ParamByName("DispOrder")->SetAsInteger(DecimalOrZero(DispOrderEdit->Text()));
}

void TFrequencyTableForm::FillInput(TQuery* row)
{
    FrequencyEdit->SetText(row->FieldByName("Name")->AsString());
    DispOrderEdit->SetText(QString::number(row->FieldByName("DispOrder")->AsInteger()));
}

void TFrequencyTableForm::FormShow()
{
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TFrequencyTableForm::DispOrderEditKeyPress(QChar& key)
{
    if (!DispOrderKeyPasses(key))
        key = QChar();
}

void TFrequencyTableForm::DeleteButtonClick()
{
    if (!DeleteDietReference("FrequencyCode", "頻度", DeleteLines, "FreqCode", "TFrequencyTableForm"))
        return;
    ReadTable();
    Browse();
}
