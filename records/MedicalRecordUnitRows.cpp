// The karte editor's notes, treatments and diet rows: the New and Edit buttons open the
// row dialogs, which store the row and hand it back here; the Delete buttons remove the
// current row from the database at once and close the gap in the grid and the arrays.
// Grid row r shows array element r - 1 in all three sections.
#include "records/MedicalRecordUnit.h"

#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/EditDietUnit.h"
#include "records/EditNoteUnit.h"
#include "records/EditTreatmentUnit.h"

namespace {

QStringList RowCells(widgets::StringGrid* grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->ColCount(); ++col)
        cells << grid->Cells[col][row];
    return cells;
}

void SetRowCells(widgets::StringGrid* grid, int row, const QStringList& cells)
{
    for (int col = 0; col < grid->ColCount(); ++col)
        grid->Cells[col][row] = col < cells.size() ? cells[col] : QString();
}

// Elements `row` .. count - 1 move up one place; the index entry falling off the end
// becomes -1 (no row uses it).
template <typename Record> void CloseGap(Record* records, int index, int count)
{
    for (int k = index; k < count - 1; ++k)
        records[k] = records[k + 1];
}

void CloseIndexGap(int* entries, int index, int count)
{
    CloseGap(entries, index, count);
    entries[count - 1] = -1;
}

// The row the operator means: the grid's current row when it shows a record, else 0.
int CurrentDataRow(widgets::StringGrid* grid, int count)
{
    const int row = grid->Row();
    return row >= 1 && row <= count && row < grid->RowCount() ? row : 0;
}

// The delete question: the row number, then its cells.
QString DeleteQuestion(const QString& head, int row, const QStringList& cells)
{
    return head + QString::number(row) + "行目のデータを削除してよいですか？\n  " + cells.join(",");
}

} // namespace

QString RowFailureMessage(const QString& sentence, int code, const QStringList& values)
{
    return sentence + "(" + QString::number(code) + ")\n  " + values.join(",");
}

void TMedicalRecordForm::ConnectRowHandlers()
{
    using widgets::Connect;
    Connect(NoteNewButton, &QPushButton::clicked, this, &TMedicalRecordForm::NoteNewButtonClick);
    Connect(NoteEditButton, &QPushButton::clicked, this, &TMedicalRecordForm::NoteEditButtonClick);
    Connect(NoteDeleteButton, &QPushButton::clicked, this, &TMedicalRecordForm::NoteDeleteButtonClick);
    Connect(TreatmentNewButton, &QPushButton::clicked, this, &TMedicalRecordForm::TreatmentNewButtonClick);
    Connect(TreatmentEditButton, &QPushButton::clicked, this, &TMedicalRecordForm::TreatmentEditButtonClick);
    Connect(TreatmentDeleteButton, &QPushButton::clicked, this,
            &TMedicalRecordForm::TreatmentDeleteButtonClick);
    Connect(DietNewButton, &QPushButton::clicked, this, &TMedicalRecordForm::DietNewButtonClick);
    Connect(DietEditButton, &QPushButton::clicked, this, &TMedicalRecordForm::DietEditButtonClick);
    Connect(DietDeleteButton, &QPushButton::clicked, this, &TMedicalRecordForm::DietDeleteButtonClick);
}

// --- Limits ------------------------------------------------------------------------------

bool TMedicalRecordForm::RoomForRows(int count, int limit, const QString& head, const QString& rows)
{
    // The arrays hold `limit` rows: one more would be written past them.
    if (count < limit)
        return true;
    widgets::ShowWarning(head + rows + "行数が" + QString::number(count) + "あります。\n" +
                         QString::number(limit) + "を越える行は追加できません。");
    return false;
}

bool TMedicalRecordForm::RoomForNote(const QString& head)
{
    return RoomForRows(nNoteRecords, MaxNoteRecords, head, "備考");
}

bool TMedicalRecordForm::RoomForTreatment(const QString& head)
{
    return RoomForRows(nTreatmentRecords, MaxTreatmentRecords, head, "療法・処置");
}

bool TMedicalRecordForm::RoomForDietRow(const QString& head)
{
    return RoomForRows(nDietInquiryRecords, MaxDietInquiryRecords, head, "食事調査");
}

// --- New and Edit ------------------------------------------------------------------------

void TMedicalRecordForm::NoteNewButtonClick()
{
    if (!RoomForNote("[" + NoteNewButton->Caption() + "]\n"))
        return;
    EditNoteForm->iEditMode = 0;
    EditNoteForm->ShowModal();
}

void TMedicalRecordForm::NoteEditButtonClick()
{
    if (CurrentDataRow(NoteStringGrid, nNoteRecords) == 0)
        return;
    EditNoteForm->iEditMode = 1;
    EditNoteForm->ShowModal();
}

void TMedicalRecordForm::TreatmentNewButtonClick()
{
    if (!RoomForTreatment("[" + TreatmentNewButton->Caption() + "]\n"))
        return;
    EditTreatmentForm->iEditMode = 0;
    EditTreatmentForm->ShowModal();
}

void TMedicalRecordForm::TreatmentEditButtonClick()
{
    if (CurrentDataRow(TreatmentSG, nTreatmentRecords) == 0)
        return;
    EditTreatmentForm->iEditMode = 1;
    EditTreatmentForm->ShowModal();
}

void TMedicalRecordForm::PlaceDietDialog()
{
    // Centred on the diet grid, its middle on the grid's top edge.
    EditDietForm->SetLeft(Left() + CheckukpGroupBox->x() + DietInqSG->x() + DietInqSG->width() / 2 -
                          EditDietForm->Width() / 2);
    EditDietForm->SetTop(Top() + CheckukpGroupBox->y() + DietInqSG->y() - EditDietForm->Height() / 2);
}

void TMedicalRecordForm::DietNewButtonClick()
{
    if (!RoomForDietRow("[" + DietNewButton->Caption() + "]\n"))
        return;
    PlaceDietDialog();
    EditDietForm->iEditMode = 0;
    EditDietForm->ShowModal();
}

void TMedicalRecordForm::DietEditButtonClick()
{
    if (CurrentDataRow(DietInqSG, nDietInquiryRecords) == 0)
        return;
    PlaceDietDialog();
    EditDietForm->iEditMode = 1;
    EditDietForm->ShowModal();
}

// --- Delete ------------------------------------------------------------------------------

void TMedicalRecordForm::NoteDeleteButtonClick()
{
    const int row = CurrentDataRow(NoteStringGrid, nNoteRecords);
    if (row == 0)
        return;
    const QString head = "[" + NoteDeleteButton->Caption() + "]\n";
    const QStringList cells = RowCells(NoteStringGrid, row);
    if (!widgets::AskQuestion(DeleteQuestion(head, row, cells)))
        return;
    // Only a row of the karte this window shows.
    const int rc = DelNote(tstNoteRec[row - 1], stMediRec.iCode);
    if (rc < 0) {
        widgets::ShowError(head + RowFailureMessage("備考テーブルから削除できませんでした．", rc, cells) +
                           RefusalNote());
        return;
    }
    CloseGap(tstNoteRec, row - 1, nNoteRecords);
    CloseIndexGap(tnNoteStaffIndex, row - 1, nNoteRecords);
    RemoveGridRow(NoteStringGrid, row, nNoteRecords, NoteLabel, NoteEditButton, NoteDeleteButton);
}

void TMedicalRecordForm::TreatmentDeleteButtonClick()
{
    const int row = CurrentDataRow(TreatmentSG, nTreatmentRecords);
    if (row == 0)
        return;
    // These messages carry no caption line.
    const QStringList cells = RowCells(TreatmentSG, row);
    if (!widgets::AskQuestion(DeleteQuestion("", row, cells)))
        return;
    const int rc = DelTreatment(tstTreatmentRec[row - 1], stMediRec.iCode);
    if (rc < 0) {
        widgets::ShowError(RowFailureMessage("療法・処置テーブルから削除できませんでした．", rc, cells) +
                           RefusalNote());
        return;
    }
    CloseGap(tstTreatmentRec, row - 1, nTreatmentRecords);
    CloseIndexGap(tnTreatmentStaffIndex, row - 1, nTreatmentRecords);
    RemoveGridRow(TreatmentSG, row, nTreatmentRecords, TreatmentLabel, TreatmentEditButton,
                  TreatmentDeleteButton);
}

void TMedicalRecordForm::DietDeleteButtonClick()
{
    const int row = CurrentDataRow(DietInqSG, nDietInquiryRecords);
    if (row == 0)
        return;
    const QString head = "[" + DietDeleteButton->Caption() + "]\n";
    const QStringList cells = RowCells(DietInqSG, row);
    if (!widgets::AskQuestion(DeleteQuestion(head, row, cells)))
        return;
    const int rc = DelDietInquiry(tstDietInquiryRec[row - 1], stMediRec.iCode);
    if (rc < 0) {
        widgets::ShowError(head + RowFailureMessage("食事調査テーブルから削除できませんでした．", rc, cells) +
                           RefusalNote());
        return;
    }
    CloseGap(tstDietInquiryRec, row - 1, nDietInquiryRecords);
    CloseIndexGap(tnDietFoodIndex, row - 1, nDietInquiryRecords);
    CloseIndexGap(tnDietFrequencyIndex, row - 1, nDietInquiryRecords);
    RemoveGridRow(DietInqSG, row, nDietInquiryRecords, DietInqLabel, DietEditButton, DietDeleteButton);
}

void TMedicalRecordForm::RemoveGridRow(widgets::StringGrid* grid, int row, int& count, widgets::Label* label,
                                       QWidget* edit, QWidget* del)
{
    for (int k = row; k < grid->RowCount() - 1; ++k)
        SetRowCells(grid, k, RowCells(grid, k + 1));
    if (grid->RowCount() > 2)
        grid->setRowCount(grid->RowCount() - 1);
    else
        SetRowCells(grid, 1, {});
    if (count > 0)
        --count;
    label->SetCaption(QString::number(count));
    if (count <= 0) {
        edit->setEnabled(false);
        del->setEnabled(false);
    }
}

// --- The dialogs' write-back -------------------------------------------------------------

void TMedicalRecordForm::AppendGridRow(widgets::StringGrid* grid, int& count, widgets::Label* label,
                                       QWidget* edit, QWidget* del, const QStringList& cells)
{
    // With no rows the grid's empty row 1 takes the first.
    if (count > 0)
        grid->setRowCount(grid->RowCount() + 1);
    ++count;
    label->SetCaption(QString::number(count));
    SetRowCells(grid, count, cells);
    edit->setEnabled(true);
    del->setEnabled(true);
}

void TMedicalRecordForm::ShowAddedNote(const stNoteRecord& note, int staffIndex, const QStringList& cells)
{
    tstNoteRec[nNoteRecords] = note;
    tnNoteStaffIndex[nNoteRecords] = staffIndex;
    AppendGridRow(NoteStringGrid, nNoteRecords, NoteLabel, NoteEditButton, NoteDeleteButton, cells);
}

void TMedicalRecordForm::ShowReplacedNote(int row, const stNoteRecord& note, int staffIndex,
                                          const QStringList& cells)
{
    tstNoteRec[row - 1] = note;
    tnNoteStaffIndex[row - 1] = staffIndex;
    SetRowCells(NoteStringGrid, row, cells);
}

void TMedicalRecordForm::ShowAddedTreatment(const stTreatmentRecord& treatment, int staffIndex,
                                            const QStringList& cells)
{
    tstTreatmentRec[nTreatmentRecords] = treatment;
    tnTreatmentStaffIndex[nTreatmentRecords] = staffIndex;
    AppendGridRow(TreatmentSG, nTreatmentRecords, TreatmentLabel, TreatmentEditButton, TreatmentDeleteButton,
                  cells);
}

void TMedicalRecordForm::ShowReplacedTreatment(int row, const stTreatmentRecord& treatment, int staffIndex,
                                               const QStringList& cells)
{
    tstTreatmentRec[row - 1] = treatment;
    tnTreatmentStaffIndex[row - 1] = staffIndex;
    SetRowCells(TreatmentSG, row, cells);
}

void TMedicalRecordForm::ShowAddedDietRow(const stDietInquiryRecord& diet, int foodIndex, int frequencyIndex,
                                          const QStringList& cells)
{
    tstDietInquiryRec[nDietInquiryRecords] = diet;
    tnDietFoodIndex[nDietInquiryRecords] = foodIndex;
    tnDietFrequencyIndex[nDietInquiryRecords] = frequencyIndex;
    AppendGridRow(DietInqSG, nDietInquiryRecords, DietInqLabel, DietEditButton, DietDeleteButton, cells);
}

void TMedicalRecordForm::ShowReplacedDietRow(int row, const stDietInquiryRecord& diet, int foodIndex,
                                             int frequencyIndex, const QStringList& cells)
{
    tstDietInquiryRec[row - 1] = diet;
    tnDietFoodIndex[row - 1] = foodIndex;
    tnDietFrequencyIndex[row - 1] = frequencyIndex;
    SetRowCells(DietInqSG, row, cells);
}
