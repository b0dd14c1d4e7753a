#include "tables/FormSchoolTable.h"

#include "core/FormMainMenu.h"
#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "tables/TableEditing.h"

using namespace tables;

TSchoolTableForm* SchoolTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code, Name ", "FROM SchoolTable ", "ORDER BY Name;"};
const QStringList InsertLines = {"INSERT INTO SchoolTable ", "(Name) ", "VALUES ", "(:Name);"};
const QStringList UpdateLines = {"UPDATE SchoolTable SET ", "  Name=:Name ", "WHERE Code=:Code;"};
const QStringList DeleteLines = {"DELETE FROM SchoolTable", " WHERE Code=:Code;"};
const QStringList ReferenceLines = {"SELECT", "  Code, PatientNo, Birth, Name1, Name0",
                                    "FROM",   "  Patient2Table",
                                    "WHERE",  "  DeleteFlag = false",
                                    "AND",    "  SchoolCode = :Code",
                                    ";"};

} // namespace

QString SchoolDeleteQuestion(const QString& name, int count)
{
    return "学校 " + name + " には " + QString::number(count) + " 人の受診者がいます。\n" +
           "この学校を削除してよいですか？";
}

TSchoolTableForm::TSchoolTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{SchoolDBGrid, &TDBDM::DataSource1}});

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TSchoolTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TSchoolTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TSchoolTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TSchoolTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TSchoolTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TSchoolTableForm::CancelButtonClick);
}

bool TSchoolTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    SchoolDBGrid->SetColumnVisible(0, iDebug != 0);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

void TSchoolTableForm::EnableInput(bool on)
{
    EnableControls({SchoolLabel, SchoolEdit, SetButton, CancelButton}, on);
    SchoolEdit->SetText(QString());
}

void TSchoolTableForm::FormShow()
{
    iDebug = MainMenuForm->IniFile->ReadInteger("Debug", "Debug", 0);
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TSchoolTableForm::AddButtonClick()
{
    iEditMode = 1;
    EnableInput(true);
    SchoolEdit->setFocus();
}

void TSchoolTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    SchoolEdit->SetText(query->FieldByName("Name")->AsString());
    SchoolEdit->setFocus();
}

void TSchoolTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTable();
    SchoolDBGrid->setFocus();
}

void TSchoolTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines);
    ExecuteWithInput();
}

void TSchoolTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines);
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TSchoolTableForm::ExecuteWithInput()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(SchoolEdit->Text());
    DBDM->Query1->ExecSQL();
}

void TSchoolTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    SchoolDBGrid->setFocus();
}

void TSchoolTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    const int code = query->FieldByName("Code")->AsInteger();
    const QString name = query->FieldByName("Name")->AsString();
    try {
        // On the list's own query: while the question shows, the grid lists the examinees.
        const int count = RunWithCode(query, ReferenceLines, code);
        const bool yes = count < 1 || widgets::AskQuestion(SchoolDeleteQuestion(name, count));
        query->Close();
        if (yes)
            RunWithCode(query, DeleteLines, code);
    } catch (const std::exception&) {
        widgets::ShowError("受診者テーブル アクセスエラー。\nSchoolCode=" + QString::number(code) +
                           "\n(TSchoolTableForm::DeleteButtonClick)");
    }
    ReadTable();
    iEditMode = 0;
    EnableInput(false);
    SchoolDBGrid->setFocus();
}
