#include "records/EditNoteUnit.h"

#include "core/MonthCalendarUnit.h"
#include "core/data/CommonUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"

TEditNoteForm* EditNoteForm = nullptr;

TEditNoteForm::TEditNoteForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TEditNoteForm::FormShow);
    Connect(DateBitBtn, &QPushButton::clicked, this, &TEditNoteForm::DateBitBtnClick);
    Connect(DateEdit, &widgets::Edit::ContextPopup, this, &TEditNoteForm::DateEditContextPopup);
    Connect(OkButton, &QPushButton::clicked, this, &TEditNoteForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TEditNoteForm::CancelButtonClick);
}

void TEditNoteForm::FormShow()
{
    FillMemberList(WrittenByCB);
    const TMedicalRecordForm* karte = MedicalRecordForm;
    const int row = karte->NoteStringGrid->Row();
    // The list was just loaded afresh and members may have come or gone since the karte
    // was found: the row's writer is looked up by number, never by the place he had.
    const bool onRow = row >= 1 && row <= karte->nNoteRecords;
    ShowDatedRowForMode(Controls(), iEditMode, karte->NoteStringGrid, row,
                        onRow ? CommonForm->FindStaff(karte->tstNoteRec[row - 1].asStaffNo) : -1);
}

TDatedRowDialog TEditNoteForm::Controls()
{
    return {this, DateEdit, DescriptionEdit, WrittenByCB, OkButton, "備考編集"};
}

void TEditNoteForm::DateBitBtnClick()
{
    PickDatedRowDate(Controls());
}

void TEditNoteForm::DateEditContextPopup(const QPoint&, bool& handled)
{
    handled = true;
    DateBitBtnClick();
}

void TEditNoteForm::OkButtonClick()
{
    TMedicalRecordForm* karte = MedicalRecordForm;
    const TDatedRowKind<stNoteRecord> kind = {"記録日",
                                              "記録者",
                                              "備考",
                                              &stNoteRecord::asDescription,
                                              AddNote,
                                              ReplaceNote,
                                              karte->NoteStringGrid,
                                              karte->tstNoteRec,
                                              karte->nNoteRecords,
                                              karte->NoteNewButton,
                                              &TMedicalRecordForm::RoomForNote,
                                              &TMedicalRecordForm::ShowAddedNote,
                                              &TMedicalRecordForm::ShowReplacedNote};
    if (StoreDatedRow(Controls(), iEditMode, kind))
        Close();
}

void TEditNoteForm::CancelButtonClick()
{
    Close();
}

// --- Shared with the treatment dialog ----------------------------------------------------

void FillMemberList(widgets::ComboBox* box)
{
    if (CommonForm->LoadStaff() < 0)
        return;
    box->clear();
    for (int i = 0; i < CommonForm->nStaffRecords; ++i)
        box->addItem(CommonForm->StaffName(i));
}

void ShowDatedRowForMode(const TDatedRowDialog& dialog, int mode, widgets::StringGrid* grid, int row,
                         int staffIndex)
{
    if (mode == 1) {
        dialog.form->SetCaption(dialog.title + " - 変更");
        dialog.dateEdit->SetText(grid->Cells[0][row]);
        dialog.dateEdit->setCursorPosition(0); // the narrow field shows the year first
        dialog.textEdit->SetText(grid->Cells[1][row]);
        dialog.memberCB->SetItemIndex(staffIndex < dialog.memberCB->count() ? staffIndex : -1);
        dialog.okButton->SetCaption("置換(&R)");
        return;
    }
    dialog.form->SetCaption(dialog.title + " - 追加");
    dialog.dateEdit->SetText("");
    dialog.textEdit->SetText("");
    dialog.memberCB->SetItemIndex(-1);
    dialog.okButton->SetCaption("追加(&A)");
}

void PickDatedRowDate(const TDatedRowDialog& dialog)
{
    const int left = dialog.form->Left() + dialog.dateEdit->x();
    const int top = dialog.form->Top() + dialog.dateEdit->y() - MonthCalendarForm->Height() / 4;
    if (const auto date = PickDate(left, top, dialog.dateEdit->Text())) {
        dialog.dateEdit->SetText(*date);
        dialog.dateEdit->setCursorPosition(0);
    }
}

QString MissingDatedRowFields(const QString& dateCaption, const QString& date, const QString& text,
                              const QString& memberCaption, const QString& member)
{
    QStringList lines;
    if (date.isEmpty())
        lines << "[" + dateCaption + "] が指定されていません。";
    if (text.isEmpty())
        lines << "[内容] が指定されていません。";
    if (member.isEmpty())
        lines << "[" + memberCaption + "]が指定されていません。";
    return lines.join("\n");
}

QString ChosenStaffNo(int index)
{
    return index >= 0 && index < CommonForm->nStaffRecords ? CommonForm->tstStaffRec[index].asStaffNo
                                                           : QString();
}
