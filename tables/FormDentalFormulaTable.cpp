#include "tables/FormDentalFormulaTable.h"

#include "core/data/DMDB.h"
#include "tables/TableEditing.h"

using namespace tables;

TDentalFormulaTableForm* DentalFormulaTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code,Name ", "FROM DentalFormulaTable ", "ORDER BY Name;"};
const QStringList DeleteLines = {"DELETE FROM DentalFormulaTable", " WHERE Code=:Code;"};

} // namespace

TDentalFormulaTableForm::TDentalFormulaTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{DentalFormulaDBGrid, &TDBDM::DataSource1}});
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
}

bool TDentalFormulaTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    DentalFormulaDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

std::vector<QWidget*> TDentalFormulaTableForm::InputControls() const
{
    return {DentalFormulaLabel, DentalFormulaEdit, SetButton, CancelButton};
}

QStringList TDentalFormulaTableForm::InsertLines() const
{
    return {"INSERT INTO DentalFormulaTable ", "(Name) ", "VALUES ", "(:Name);"};
}

QStringList TDentalFormulaTableForm::UpdateLines() const
{
    return {"UPDATE DentalFormulaTable SET ", "Name=:Name ", "WHERE Code=:Code;"};
}

void TDentalFormulaTableForm::FormShow()
{
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
}

void TDentalFormulaTableForm::FillInput(TQuery* row)
{
    DentalFormulaEdit->SetText(row->FieldByName("Name")->AsString());
}

void TDentalFormulaTableForm::SetParameters()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(DentalFormulaEdit->Text());
}

void TDentalFormulaTableForm::DeleteButtonClick()
{
    DeleteCurrentRow(DeleteLines, true);
}
