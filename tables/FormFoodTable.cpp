#include "tables/FormFoodTable.h"

#include "core/data/DMDB.h"
#include "tables/TableEditing.h"

using namespace tables;

TFoodTableForm* FoodTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code,Name ", "FROM FoodTable ", "ORDER BY Name;"};
const QStringList DeleteLines = {"DELETE FROM FoodTable", "WHERE Code=:Code;"};

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

} // namespace

QString DietDeleteQuestion(const QString& what, const QString& name, int count, const QString& first)
{
    return QString::number(count) + " 件のカルテが，" + what + " " + name + " を参照しています。\n  " +
           first + "\n" + "この" + what + "を削除してよいですか？";
}

bool DeleteDietReference(const QString& column, const QString& what, const QStringList& deleteLines,
                         const QString& codeName, const QString& form)
{
    TQuery* references = DBDM->Query2;
    const auto question = [&](const QString& name, int count) {
        return DietDeleteQuestion(what, name, count, FirstRowText(references, {"Code", "KarteNo", "RDate"}));
    };
    const auto failure = [&](int code) {
        return "カルテ，検診，食事調査テーブル アクセスエラー。\n" + codeName + "=" + QString::number(code) +
               "\n(" + form + "::DeleteButtonClick)";
    };
    return DeleteAfterQuestion(
               DBDM->Query1, "Name", references, DietReferenceLines(column), question,
               [&](int code) { RunWithCode(DBDM->Query1, deleteLines, code); },
               failure) == DeleteOutcome::Done;
}

TFoodTableForm::TFoodTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{FoodDBGrid, &TDBDM::DataSource1}});
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
}

bool TFoodTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    FoodDBGrid->SetColumnVisible(0, false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

std::vector<QWidget*> TFoodTableForm::InputControls() const
{
    return {FoodLabel, FoodEdit, SetButton, CancelButton};
}

QStringList TFoodTableForm::InsertLines() const
{
    return {"INSERT INTO FoodTable ", "(Name) ", "VALUES ", "(:Name);"};
}

QStringList TFoodTableForm::UpdateLines() const
{
    return {"UPDATE FoodTable SET ", "Name=:Name ", "WHERE Code=:Code;"};
}

void TFoodTableForm::SetParameters()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(FoodEdit->Text());
}

void TFoodTableForm::FillInput(TQuery* row)
{
    FoodEdit->SetText(row->FieldByName("Name")->AsString());
}

void TFoodTableForm::FormShow()
{
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TFoodTableForm::DeleteButtonClick()
{
    if (!DeleteDietReference("FoodCode", "食事内容", DeleteLines, "FoodCode", "TFoodTableForm"))
        return;
    ReadTable();
    Browse();
}
