#pragma once
// The note dialog: adds a note to the karte in the karte editor (mode 0) or replaces the
// note of its current grid row (mode 1); the editor sets iEditMode before each showing.
// Every showing reloads the member list for the writer and sets the fields for the
// mode. OK checks the input, stores the row and hands it to the karte editor, which
// shows it, then closes; a failed check or store leaves the dialog open as typed.
// The treatment dialog is its twin and shares the dated-row functions below.
#include "platform/widgets/Form.h"
#include "platform/widgets/StringGrid.h"
#include "ui_EditNoteUnit.h"

#include <QString>

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
};

extern TEditNoteForm* EditNoteForm;

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
