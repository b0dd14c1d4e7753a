#pragma once
// The note dialog: adds a note to the karte in the karte editor (mode 0) or replaces the
// note of its current grid row (mode 1); the editor sets iEditMode before each showing.
// Every showing reloads the member list for the writer and sets the fields for the
// mode. OK checks the input, stores the row and hands it to the karte editor, which
// shows it, then closes; a failed check or store leaves the dialog open as typed.
// The treatment dialog is its twin and shares the dated-row functions below.
#include "core/data/Dbapi.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/MessageForms.h"
#include "platform/widgets/StringGrid.h"
#include "records/MedicalRecordUnit.h"
#include "ui_EditNoteUnit.h"

#include <QString>

// What the note and the treatment dialogs share: a date from the picker, a text and a
// member, shown from the karte editor's grid row in replace mode.
struct TDatedRowDialog
{
    widgets::Form* form;
    widgets::Edit* dateEdit;
    widgets::Edit* textEdit;
    widgets::ComboBox* memberCB;
    widgets::Button* okButton;
    QString title; // the caption before " - 追加" or " - 変更"
};

class TEditNoteForm : public widgets::Form, public Ui::TEditNoteForm
{
    Q_OBJECT
public:
    explicit TEditNoteForm(QWidget* parent = nullptr);

    int iEditMode = 0; // 0 add, 1 replace the karte editor's current note row

    void FormShow();
    void DateBitBtnClick();
    void DateEditContextPopup(const QPoint& pos, bool& handled);
    void OkButtonClick();
    void CancelButtonClick();

private:
    TDatedRowDialog Controls();
};

extern TEditNoteForm* EditNoteForm;

// The members as "family, personal" in kanji, reloaded; the list stays as it was when
// the load fails.
void FillMemberList(widgets::ComboBox* box);
// The fields for the mode: empty to add; to replace, grid row `row` (date and text
// cells) and the member at `staffIndex` (-1 or a member no longer listed: none).
void ShowDatedRowForMode(const TDatedRowDialog& dialog, int mode, widgets::StringGrid* grid, int row,
                         int staffIndex);
// The date picker at the date field, preset from it when it holds a date.
void PickDatedRowDate(const TDatedRowDialog& dialog);
// The input check: one line per missing field, or the empty text.
QString MissingDatedRowFields(const QString& dateCaption, const QString& date, const QString& text,
                              const QString& memberCaption, const QString& member);
// The member number of the member at `index` of the member list.
QString ChosenStaffNo(int index);

// Where the note and the treatment differ in their store: captions, table, record
// field, data-store calls, and the karte editor's grid, array and write-back.
template <typename Record> struct TDatedRowKind
{
    QString dateCaption;   // of the input check
    QString memberCaption; // of the input check
    QString table;         // as the messages name it
    QString Record::*text;
    int (*add)(Record, int);                    // with the karte's Code
    int (*replace)(Record, int, const Record*); // with the karte's Code and the row as read
    widgets::StringGrid* grid;
    const Record* records;
    int count;
    widgets::Button* newButton;
    bool (TMedicalRecordForm::*room)(const QString&);
    void (TMedicalRecordForm::*showAdded)(const Record&, int, const QStringList&);
    void (TMedicalRecordForm::*showReplaced)(int, const Record&, int, const QStringList&);
};

// The OK of the note and the treatment dialogs: checks the input, stores the row (mode
// 0 adds, 1 replaces the grid's current row) and hands it to the karte editor. False,
// after the message, when the dialog is to stay open.
template <typename Record>
bool StoreDatedRow(const TDatedRowDialog& dialog, int mode, const TDatedRowKind<Record>& kind)
{
    const QString date = dialog.dateEdit->Text();
    const QString text = dialog.textEdit->Text();
    const QString member = dialog.memberCB->Text();
    const QString missing = MissingDatedRowFields(kind.dateCaption, date, text, kind.memberCaption, member);
    if (!missing.isEmpty()) {
        widgets::ShowError(missing);
        return false;
    }
    TMedicalRecordForm* karte = MedicalRecordForm;
    const bool adding = mode == 0;
    const int row = kind.grid->Row();
    if (!adding && (row < 1 || row > kind.count))
        return false;
    if (adding && !(karte->*kind.room)("[" + kind.newButton->Caption() + "]\n"))
        return false;

    // A replaced row keeps its code: it selects the database row.
    Record record = adding ? Record{} : kind.records[row - 1];
    record.tDate = StrToDateTime(date);
    record.*kind.text = text;
    record.asStaffNo = ChosenStaffNo(dialog.memberCB->ItemIndex());
    record.asKarteNo = karte->MediRecNoEdit->Text();
    const QStringList cells = {date, text, member};
    if (adding) {
        // Onto the karte the editor opened or added, not whichever karte holds its number now.
        const int rc = kind.add(record, karte->stMediRec.iCode);
        if (rc < 0) {
            widgets::ShowError(RowFailureMessage(kind.table + "テーブルに追加できませんでした。", rc, cells) +
                               RefusalNote());
            return false;
        }
        // Without its code a later edit or delete of this row would miss it.
        record.iCode = GetAddedCode();
        (karte->*kind.showAdded)(record, dialog.memberCB->ItemIndex(), cells);
    } else {
        // Only a row of the karte the editor shows, and only while it is as the editor read it.
        const int rc = kind.replace(record, karte->stMediRec.iCode, &kind.records[row - 1]);
        if (rc < 0) {
            widgets::ShowError(
                RowFailureMessage(kind.table + "テーブルを書き換えられませんでした。", rc, cells) +
                RefusalNote());
            return false;
        }
        (karte->*kind.showReplaced)(row, record, dialog.memberCB->ItemIndex(), cells);
    }
    return true;
}
