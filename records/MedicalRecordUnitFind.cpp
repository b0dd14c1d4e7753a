// The karte editor's Find: the karte search chooses a karte and writes its header,
// examinee and questionnaire here; Find then loads its notes, check-ups (the latest
// selected, with its diet rows) and treatments.
#include "records/MedicalRecordUnit.h"

#include "core/data/CommonUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordSearchUnit.h"

namespace {

QString Code(int code)
{
    return "(" + QString::number(code) + ")";
}

// Grid rows for `count` records: a header row and one per record, or one empty row.
void SizeGrid(widgets::StringGrid* grid, int count)
{
    if (count > 0) {
        grid->setRowCount(count + 1);
        return;
    }
    grid->setRowCount(2);
    for (int col = 0; col < grid->ColCount(); ++col)
        grid->Cells[col][1] = "";
}

// Notes and treatments alike: a date, a text and the member who wrote or gave it. Loads
// the karte's rows of `table` ("備考", "療法・処置") into the records, the grid and the
// count label; false after the failing call's error message.
template <class Record>
bool LoadStaffRows(const QString& head, const QString& table, const Record& filter, int (*search)(Record),
                   int (*get)(Record*, int), Record* records, int limit, int& count, int* staffIndex,
                   QString Record::*text, widgets::StringGrid* grid, widgets::Label* countLabel)
{
    count = 0;
    const int found = search(filter);
    if (found < 0) {
        widgets::ShowError(head + table + "テーブルを検索できませんでした。" + Code(found));
        return false;
    }
    count = CapRowCount(found, limit, head + table + "行数が");
    countLabel->SetCaption(QString::number(count));
    const int read = get(records, count);
    if (read < 0) {
        widgets::ShowError(head + table + "テーブルからデータを取り出せませんでした。" + Code(read));
        return false;
    }

    CommonForm->LoadStaff();
    SizeGrid(grid, count);
    for (int i = 0; i < count; ++i) {
        const Record& record = records[i];
        staffIndex[i] = CommonForm->FindStaff(record.asStaffNo);
        grid->Cells[0][i + 1] = DateToStr(record.tDate);
        grid->Cells[1][i + 1] = record.*text;
        grid->Cells[2][i + 1] = CommonForm->StaffName(staffIndex[i]);
    }
    return true;
}

} // namespace

int CapRowCount(int found, int limit, const QString& announcement)
{
    if (found <= limit)
        return found;
    widgets::ShowWarning(announcement + QString::number(found) + "あります。\n" + QString::number(limit) +
                         "を越える行は表示できません。");
    return limit;
}

void TMedicalRecordForm::FindButtonClick()
{
    bNewKarteMode = false;
    FormShow();
    MedicalRecordSearchForm->ShowModal();
    if (MedicalRecordSearchForm->bOpened == 0)
        return;

    EnableHeaderControls(true);
    const QString head = "[" + FindButton->Caption() + "]\n";
    LoadNotes(head);
    LoadCheckups(head);
    LoadTreatments(head);

    SetKarteNoEditable(false);
    RetrievePatientButton->setEnabled(true);
    AddButton->setEnabled(false);
    SetEnabled({PrintCardButton, PrintButton, ReplaceButton, DeleteButton}, true);
    bHeaderChanged = false;
}

void TMedicalRecordForm::LoadNotes(const QString& head)
{
    stNoteFilter.asKarteNo = MediRecNoEdit->Text();
    if (!LoadStaffRows(head, "備考", stNoteFilter, SearchNote, GetNotes, tstNoteRec, MaxNoteRecords,
                       nNoteRecords, tnNoteStaffIndex, &stNoteRecord::asDescription, NoteStringGrid,
                       NoteLabel))
        return;
    SetEnabled({NoteSgLabel, NoteStringGrid, NoteNewButton}, true);
    NoteEditButton->setEnabled(nNoteRecords >= 1);
    NoteDeleteButton->setEnabled(nNoteRecords >= 1);
}

void TMedicalRecordForm::LoadCheckups(const QString& head)
{
    if (!ReadCheckups(head))
        return;
    // The data store gives them by date: the last is the latest.
    CheckupDateListBox->SetItemIndex(nCheckupRecords - 1);
    SetEnabled({CheckupDataLabel, CheckupDateListBox, SchoolTitleLabel, CheckupNewButton}, true);
    CheckupEditButton->setEnabled(nCheckupRecords >= 1);
    CheckupDeleteButton->setEnabled(nCheckupRecords >= 1);
    iCheckupSchoolCode = iPatientSchoolCode;
    SchoolNameLabel->SetCaption(asPatientSchoolName);

    const bool selected = nCheckupRecords > 0;
    if (selected) {
        ShowCheckupFormula(nCheckupRecords - 1);
        UpdateToothCounts();
    } else
        ClearDentalFormula();
    SetEnabled({DentalFormulaSgLabel, DentalFormulaSG, EditDentalFormulaButton}, selected);
    LoadDietInquiries(head);
}

void TMedicalRecordForm::LoadDietInquiries(const QString& head)
{
    nDietInquiryRecords = 0;
    const int checkup = CheckupDateListBox->ItemIndex();
    if (checkup >= 0) {
        stDietInquiryRecord& filter = tstDietInquiryRec[0];
        filter.iFoodCode = -1;
        filter.iFrequencyCode = -1;
        filter.iCheckupCode = tstChekupRec[checkup].iCode;
        const int found = SearchDietInquiry(filter);
        if (found < 0) {
            widgets::ShowError(head + "食事調査テーブルを検索できませんでした。" + Code(found));
            return;
        }
        nDietInquiryRecords = CapRowCount(found, MaxDietInquiryRecords, head + "食事調査行数が");
    }
    DietInqLabel->SetCaption(QString::number(nDietInquiryRecords));
    if (nDietInquiryRecords > 0) {
        const int read = GetDietInquiries(tstDietInquiryRec, nDietInquiryRecords);
        if (read < 0) {
            widgets::ShowError(head + "食事調査テーブルからデータを取り出せませんでした。" + Code(read));
            return;
        }
    }

    CommonForm->LoadFood();
    CommonForm->LoadFrequency();
    SizeGrid(DietInqSG, nDietInquiryRecords);
    for (int i = 0; i < nDietInquiryRecords; ++i) {
        const stDietInquiryRecord& row = tstDietInquiryRec[i];
        const int food = CommonForm->FindFood(row.iFoodCode);
        const int frequency = CommonForm->FindFrequency(row.iFrequencyCode);
        tnDietFoodIndex[i] = food;
        tnDietFrequencyIndex[i] = frequency;
        DietInqSG->Cells[0][i + 1] = CommonForm->FoodName(food);
        DietInqSG->Cells[1][i + 1] = CommonForm->FrequencyName(frequency);
    }
    DietInqSG->SetCol(0);
    DietInqSG->SetRow(1);

    const bool usable = checkup >= 0;
    SetEnabled({DietInqSgLabel, DietInqSG, DietNewButton}, usable);
    DietEditButton->setEnabled(usable && nDietInquiryRecords >= 1);
    DietDeleteButton->setEnabled(usable && nDietInquiryRecords >= 1);
}

void TMedicalRecordForm::LoadTreatments(const QString& head)
{
    stTreatmentFilter.asKarteNo = MediRecNoEdit->Text();
    if (!LoadStaffRows(head, "療法・処置", stTreatmentFilter, SearchTreatment, GetTreatments, tstTreatmentRec,
                       MaxTreatmentRecords, nTreatmentRecords, tnTreatmentStaffIndex,
                       &stTreatmentRecord::asTreatment, TreatmentSG, TreatmentLabel))
        return;
    SetEnabled({TreatmentSgLabel, TreatmentSG, TreatmentNewButton}, true);
    TreatmentEditButton->setEnabled(nTreatmentRecords >= 1);
    TreatmentDeleteButton->setEnabled(nTreatmentRecords >= 1);
}
