#include "tables/FormSchoolTable.h"

#include "core/ProgramFiles.h"
#include "core/data/DMDB.h"
#include "tables/TableEditing.h"

using namespace tables;

TSchoolTableForm* SchoolTableForm = nullptr;

namespace {

const QStringList ListLines = {"SELECT Code, Name ", "FROM SchoolTable ", "ORDER BY Name;"};
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

TSchoolTableForm::TSchoolTableForm(QWidget* parent) : TableEditorForm(parent)
{
    setupUi(this);
    BindWhileShown(this, {{SchoolDBGrid, &TDBDM::DataSource1}});
    ConnectHandlers(AddButton, EditButton, DeleteButton, SetButton, CancelButton);
}

bool TSchoolTableForm::ReadTable()
{
    if (!OpenStatement(DBDM->Query1, ListLines))
        return false;
    SchoolDBGrid->SetColumnVisible(0, iDebug != 0);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->Query1));
    return true;
}

std::vector<QWidget*> TSchoolTableForm::InputControls() const
{
    return {SchoolLabel, SchoolEdit, SetButton, CancelButton};
}

QStringList TSchoolTableForm::InsertLines() const
{
    return {"INSERT INTO SchoolTable ", "(Name) ", "VALUES ", "(:Name);"};
}

QStringList TSchoolTableForm::UpdateLines() const
{
    return {"UPDATE SchoolTable SET ", "  Name=:Name ", "WHERE Code=:Code;"};
}

void TSchoolTableForm::SetParameters()
{
    DBDM->Query1->ParamByName("Name")->SetAsString(SchoolEdit->Text());
}

void TSchoolTableForm::FillInput(TQuery* row)
{
    SchoolEdit->SetText(row->FieldByName("Name")->AsString());
}

void TSchoolTableForm::FormShow()
{
    iDebug = ProgramFiles.IniFile->ReadInteger("Debug", "Debug", 0);
    ReadTable();
    EnableInput(false);
    iEditMode = 0;
}

void TSchoolTableForm::DeleteButtonClick()
{
    // The references run on the list's own query: while the question shows, the grid
    // lists the examinees.
    const DeleteOutcome outcome = DeleteAfterQuestion(
        DBDM->Query1, "Name", DBDM->Query1, ReferenceLines, SchoolDeleteQuestion,
        [](int code) { RunWithCode(DBDM->Query1, DeleteLines, code); },
        [](int code) {
            return "受診者テーブル アクセスエラー。\nSchoolCode=" + QString::number(code) +
                   "\n(TSchoolTableForm::DeleteButtonClick)";
        });
    if (outcome == DeleteOutcome::NoRow)
        return;
    ReadTable();
    Browse();
}
