#include "tables/FormFrequencyTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "tables/FormFoodTable.h"
#include "tables/TableEditing.h"

using namespace tables;

TFrequencyTableForm* FrequencyTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT * ", "FROM FrequencyTable ", "ORDER BY DispOrder;"};
const QStringList InsertLines = {"INSERT INTO FrequencyTable ", "(Name, DispOrder) ", "VALUES ",
                                 "(:Name, :DispOrder);"};
const QStringList UpdateLines = {"UPDATE FrequencyTable SET", "Name=:Name, DispOrder=:DispOrder",
                                 "WHERE Code=:Code;"};
const QStringList DeleteLines = {"DELETE FROM FrequencyTable", " WHERE Code=:Code;"};
const QStringList KarteColumns = {"Code", "KarteNo", "RDate"};

} // namespace

bool DispOrderKeyPasses(QChar key)
{
    const ushort c = key.unicode();
    return (c >= '0' && c <= '9') || c == 3 || c == 8 || c == 22 || c == 24;
}

TFrequencyTableForm::TFrequencyTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{FrequencyDBGrid, &TDBDM::DataSource1}});

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TFrequencyTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TFrequencyTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TFrequencyTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TFrequencyTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TFrequencyTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TFrequencyTableForm::CancelButtonClick);
    Connect(DispOrderEdit, &widgets::Edit::KeyPress, this, &TFrequencyTableForm::DispOrderEditKeyPress);
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

void TFrequencyTableForm::EnableInput(bool on)
{
    const std::vector<QWidget*> input = {FrequencyLabel, FrequencyEdit, DispOrderLabel,
                                         DispOrderEdit,  SetButton,     CancelButton};
    EnableControls(input, on);
    ClearEdits(input);
}

void TFrequencyTableForm::FormShow()
{
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TFrequencyTableForm::AddButtonClick()
{
    iEditMode = 1;
    EnableInput(true);
    FrequencyEdit->setFocus();
}

void TFrequencyTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    FrequencyEdit->SetText(query->FieldByName("Name")->AsString());
    DispOrderEdit->SetText(QString::number(query->FieldByName("DispOrder")->AsInteger()));
    FrequencyEdit->setFocus();
}

void TFrequencyTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTable();
    FrequencyDBGrid->setFocus();
}

void TFrequencyTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines);
    ExecuteWithInput();
}

void TFrequencyTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines);
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TFrequencyTableForm::ExecuteWithInput()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(FrequencyEdit->Text());
    DBDM->Query1->ParamByName("DispOrder")->SetAsInteger(DecimalOrZero(DispOrderEdit->Text()));
    DBDM->Query1->ExecSQL();
}

void TFrequencyTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    FrequencyDBGrid->setFocus();
}

void TFrequencyTableForm::DispOrderEditKeyPress(QChar& key)
{
    if (!DispOrderKeyPasses(key))
        key = QChar();
}

void TFrequencyTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    const int code = query->FieldByName("Code")->AsInteger();
    const QString name = query->FieldByName("Name")->AsString();
    try {
        TQuery* references = DBDM->Query2;
        const int count = RunWithCode(references, DietReferenceLines("FrequencyCode"), code);
        const bool yes = count < 1 || widgets::AskQuestion(DietDeleteQuestion(
                                          "頻度", name, count, FirstRowText(references, KarteColumns)));
        query->Close();
        if (yes)
            RunWithCode(query, DeleteLines, code);
        ReadTable();
        iEditMode = 0;
        EnableInput(false);
        FrequencyDBGrid->setFocus();
    } catch (const std::exception&) {
        widgets::ShowError("カルテ，検診，食事調査テーブル アクセスエラー。\nFreqCode=" +
                           QString::number(code) + "\n(TFrequencyTableForm::DeleteButtonClick)");
    }
}
