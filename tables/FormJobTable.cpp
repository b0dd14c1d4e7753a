#include "tables/FormJobTable.h"

#include "core/data/DMDB.h"
#include "platform/widgets/Handler.h"
#include "tables/TableEditing.h"

using namespace tables;

TJobTableForm* JobTableForm = nullptr;

namespace {

const QStringList ReferenceLines = {"SELECT", "  Code, JobCode, StaffNo, NameKanji0, NameKanji1",
                                    "FROM",   "  Staff2Table",
                                    "WHERE",  "  DeleteFlag = false",
                                    "AND",    "  JobCode = :Code",
                                    ";"};

} // namespace

QString JobDeleteQuestion(const QString& job, int count, const QString& first)
{
    return "職種が " + job + " のメンバーが " + QString::number(count) + " 人ます。\n  " + first + "\n" +
           "この職種を削除してよいですか？";
}

TJobTableForm::TJobTableForm(QWidget* parent) : widgets::Form(parent)
{
    Position = widgets::Position::OwnerCenter; // over the settings window
    setupUi(this);
    JobDBGrid->SetColumns({"Job"}, JobDBGrid->width() - 20);
    JobDBGrid->setRowSelect(true);
    if (DBDM) {
        JobDBGrid->SetDataSource(DBDM->JobDataSource);
        JobDBEdit->SetDataSource(DBDM->JobDataSource);
    }

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TJobTableForm::FormShow);
    Connect(this, &Form::OnClose, this, &TJobTableForm::FormClose);
    Connect(AddButton, &QPushButton::clicked, this, &TJobTableForm::AddButtonClick);
    Connect(InsertButton, &QPushButton::clicked, this, &TJobTableForm::InsertButtonClick);
    Connect(EditButton, &QPushButton::clicked, this, &TJobTableForm::EditButtonClick);
    Connect(DeleteButton, &QPushButton::clicked, this, &TJobTableForm::DeleteButtonClick);
    Connect(SetButton, &QPushButton::clicked, this, &TJobTableForm::SetButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TJobTableForm::CancelButtonClick);
}

void TJobTableForm::EnableInput(bool on)
{
    // The data-aware edit is not emptied: it always shows the current record.
    EnableControls({JobLabel, SetButton, CancelButton, JobDBEdit}, on);
}

void TJobTableForm::FormShow()
{
    EnableInput(false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->JobTable));
}

void TJobTableForm::FormClose()
{
    DBDM->JobTable->Cancel();
}

void TJobTableForm::AddButtonClick()
{
    DBDM->JobTable->Append();
    EnableInput(true);
    JobDBEdit->setFocus();
}

void TJobTableForm::InsertButtonClick()
{
    DBDM->JobTable->Insert();
    EnableInput(true);
    JobDBEdit->setFocus();
}

void TJobTableForm::EditButtonClick()
{
    DBDM->JobTable->Edit();
    EnableInput(true);
    JobDBEdit->setFocus();
}

void TJobTableForm::SetButtonClick()
{
    DBDM->JobTable->Post();
    JobDBGrid->setFocus();
    EnableInput(false);
    NofDataLabel->SetCaption(CountCaption("# of data ", DBDM->JobTable));
}

void TJobTableForm::CancelButtonClick()
{
    DBDM->JobTable->Cancel();
    JobDBGrid->setFocus();
    EnableInput(false);
}

void TJobTableForm::DeleteButtonClick()
{
    // The count on the label stays as it was.
    DeleteAfterQuestion(
        DBDM->JobTable, "Job", DBDM->Query1, ReferenceLines,
        [](const QString& job, int count) {
            return JobDeleteQuestion(job, count,
                                     FirstRowText(DBDM->Query1, {"StaffNo", "NameKanji0", "NameKanji1"}));
        },
        [](int) { DBDM->JobTable->Delete(); },
        [](int code) {
            return "メンバー・テーブル アクセスエラー。\nJobCode=" + QString::number(code) +
                   "\n(TJobTableForm::DeleteButtonClick)";
        });
}
