#include "tables/FormFoodTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "tables/TableEditing.h"

using namespace tables;

TFoodTableForm* FoodTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code,Name ", "FROM FoodTable ", "ORDER BY Name;"};
const QStringList InsertLines = {"INSERT INTO FoodTable ", "(Name) ", "VALUES ", "(:Name);"};
const QStringList UpdateLines = {"UPDATE FoodTable SET ", "Name=:Name ", "WHERE Code=:Code;"};
const QStringList DeleteLines = {"DELETE FROM FoodTable", "WHERE Code=:Code;"};
const QStringList KarteColumns = {"Code", "KarteNo", "RDate"};

} // namespace

QStringList DietReferenceLines(const QString& column)
{
    return {"SELECT",
            "  DISTINCT Kar.Code, Kar.KarteNo, Kar.RDate",
            "FROM",
            "  KarteTable AS Kar,",
            "  CheckupTable AS Che,",
            "  DietInquiryTable AS Die",
            "WHERE",
            "  Kar.DeleteFlag = false",
            "AND",
            "  Kar.Code = Che.KarteCode",
            "AND",
            "  Che.Code= Die.CheckupCode",
            "AND",
            "  Die." + column + " = :Code",
            ";"};
}

QString DietDeleteQuestion(const QString& what, const QString& name, int count, const QString& first)
{
    return QString::number(count) + " 件のカルテが，" + what + " " + name + " を参照しています。\n  " +
           first + "\n" + "この" + what + "を削除してよいですか？";
}

TFoodTableForm::TFoodTableForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    BindWhileShown(this, {{FoodDBGrid, &TDBDM::DataSource1}});

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TFoodTableForm::FormShow);
    Connect(AddButton, &QPushButton::clicked, this, &TFoodTableForm::AddButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TFoodTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TFoodTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TFoodTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TFoodTableForm::CancelButtonClick);
}

bool TFoodTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    FoodDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

void TFoodTableForm::EnableInput(bool on)
{
    EnableControls({FoodLabel, FoodEdit, SetButton, CancelButton}, on);
    FoodEdit->SetText(QString());
}

void TFoodTableForm::FormShow()
{
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TFoodTableForm::AddButtonClick()
{
    iEditMode = 1;
    EnableInput(true);
    FoodEdit->setFocus();
}

void TFoodTableForm::EditButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    iEditMode = 2;
    iEditCode = query->FieldByName("Code")->AsInteger();
    EnableInput(true);
    FoodEdit->SetText(query->FieldByName("Name")->AsString());
    FoodEdit->setFocus();
}

void TFoodTableForm::SetButtonClick()
{
    if (iEditMode == 1)
        InsertRecord();
    else if (iEditMode == 2)
        UpdateRecord();
    iEditMode = 0;
    EnableInput(false);
    ReadTable();
    FoodDBGrid->setFocus();
}

void TFoodTableForm::InsertRecord()
{
    SetStatement(DBDM->Query1, InsertLines);
    ExecuteWithInput();
}

void TFoodTableForm::UpdateRecord()
{
    SetStatement(DBDM->Query1, UpdateLines);
    DBDM->Query1->ParamByName("Code")->SetAsInteger(iEditCode);
    ExecuteWithInput();
}

void TFoodTableForm::ExecuteWithInput()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(FoodEdit->Text());
    DBDM->Query1->ExecSQL();
}

void TFoodTableForm::CancelButtonClick()
{
    iEditMode = 0;
    EnableInput(false);
    FoodDBGrid->setFocus();
}

void TFoodTableForm::DeleteButtonClick()
{
    TQuery* query = DBDM->Query1;
    if (!HasRows(query))
        return;
    const int code = query->FieldByName("Code")->AsInteger();
    const QString name = query->FieldByName("Name")->AsString();
    try {
        TQuery* references = DBDM->Query2;
        const int count = RunWithCode(references, DietReferenceLines("FoodCode"), code);
        const bool yes = count < 1 || widgets::AskQuestion(DietDeleteQuestion(
                                          "食事内容", name, count, FirstRowText(references, KarteColumns)));
        query->Close();
        if (yes)
            RunWithCode(query, DeleteLines, code);
        ReadTable();
        iEditMode = 0;
        EnableInput(false);
        FoodDBGrid->setFocus();
    } catch (const std::exception&) {
        widgets::ShowError("カルテ，検診，食事調査テーブル アクセスエラー。\nFoodCode=" +
                           QString::number(code) + "\n(TFoodTableForm::DeleteButtonClick)");
    }
}
