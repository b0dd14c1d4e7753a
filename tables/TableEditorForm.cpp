#include "tables/TableEditorForm.h"

#include "core/data/DMDB.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "tables/TableEditing.h"

#include <QPushButton>

namespace tables {

void TableEditorForm::ConnectHandlers(QPushButton* add, QPushButton* edit, QPushButton* del, QPushButton* set,
                                      QPushButton* cancel)
{
    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TableEditorForm::FormShow);
    Connect(add, &QPushButton::clicked, this, &TableEditorForm::AddButtonClick);
    Connect(edit, &QPushButton::clicked, this, &TableEditorForm::EditButtonClick);
    Connect(del, &QPushButton::clicked, this, &TableEditorForm::DeleteButtonClick);
    Connect(set, &QPushButton::clicked, this, &TableEditorForm::SetButtonClick);
    Connect(cancel, &QPushButton::clicked, this, &TableEditorForm::CancelButtonClick);
}

bool TableEditorForm::CanEdit() const
{
    return HasRows(DBDM->Query1);
}

void TableEditorForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = InputControls();
    EnableControls(input, on);
    ClearEdits(input);
}

void TableEditorForm::AddButtonClick()
{
    iEditMode = 1;
    StartAdding();
    EnableInput(true);
    FirstInput()->setFocus();
}

void TableEditorForm::EditButtonClick()
{
    if (!CanEdit())
        return;
    TQuery* query = DBDM->Query1;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    FillInput(query);
    FirstInput()->setFocus();
}

void TableEditorForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadList();
    ListGrid()->setFocus();
}

void TableEditorForm::InsertRecord()
{
    if (!CanWrite())
        return;
    SetStatement(DBDM->Query1, InsertLines());
    ExecuteWithInput();
}

void TableEditorForm::UpdateRecord()
{
    if (!CanWrite())
        return;
    SetStatement(DBDM->Query1, UpdateLines());
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
    // Deliberately said: the row Edit was pressed on, deleted by another program since, took
    // nothing, and the list read again no longer shows it.
    if (DBDM->Query1->RowsAffected() == 0)
        widgets::ShowError("このデータは，ほかのプログラムで削除されています。\n登録できませんでした。");
}

void TableEditorForm::ExecuteWithInput()
{
    SetParameters();
    DBDM->Query1->ExecSQL();
}

void TableEditorForm::CancelButtonClick()
{
    Browse();
}

void TableEditorForm::Browse()
{
    iEditMode = 0;
    EnableInput(false);
    ListGrid()->setFocus();
}

void TableEditorForm::DeleteCurrentRow(const QStringList& deleteLines, bool browse)
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    RunWithCode(query, deleteLines, query->FieldByName("Code")->AsInteger());
    ReadList();
    if (browse) {
        iEditMode = 0;
        EnableInput(false);
    }
    ListGrid()->setFocus();
}

} // namespace tables
