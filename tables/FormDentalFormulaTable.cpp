#include "tables/FormDentalFormulaTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TDentalFormulaTableForm* DentalFormulaTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code,Name ", "FROM DentalFormulaTable ", "ORDER BY Name;"};
const QStringList InsertLines = {"INSERT INTO DentalFormulaTable ", "(Name) ", "VALUES ", "(:Name);"};
const QStringList UpdateLines = {"UPDATE DentalFormulaTable SET ", "Name=:Name ", "WHERE Code=:Code;"};
const QStringList DeleteLines = {"DELETE FROM DentalFormulaTable", " WHERE Code=:Code;"};

} // namespace

TDentalFormulaTableForm::TDentalFormulaTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{DentalFormulaDBGrid, &TDBDM::DataSource1}});

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TDentalFormulaTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TDentalFormulaTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TDentalFormulaTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TDentalFormulaTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TDentalFormulaTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TDentalFormulaTableForm::CancelButtonClick);
}

bool TDentalFormulaTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    DentalFormulaDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

void TDentalFormulaTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {DentalFormulaLabel, DentalFormulaEdit, SetButton, CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TDentalFormulaTableForm::FormShow()
{
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
}

void TDentalFormulaTableForm::AddButtonClick()
{
    iEditMode = 1;
    EnableInput(true);
    DentalFormulaEdit->setFocus();
}

void TDentalFormulaTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    DentalFormulaEdit->SetText(query->FieldByName("Name")->AsString());
    DentalFormulaEdit->setFocus();
}

void TDentalFormulaTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTable();
    DentalFormulaDBGrid->setFocus();
}

void TDentalFormulaTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines);
    ExecuteWithInput();
}

void TDentalFormulaTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines);
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TDentalFormulaTableForm::ExecuteWithInput()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(DentalFormulaEdit->Text());
    DBDM->Query1->ExecSQL();
}

void TDentalFormulaTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    DentalFormulaDBGrid->setFocus();
}

void TDentalFormulaTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, DeleteLines, query->FieldByName("Code")->AsInteger());
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
    DentalFormulaDBGrid->setFocus();
}
