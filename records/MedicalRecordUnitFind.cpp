// The karte editor's Find: the karte search chooses a karte, and its Open has this window read
// the karte by its Code (header, examinee, questionnaire, notes, check-ups with the diet rows
// of the latest, treatments) at once, in one state of the database, and show its header;
// Find then shows the rows, the latest check-up selected.
#include "records/MedicalRecordUnit.h"

#include "core/data/CommonUnit.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordSearchUnit.h"
#include "registration/RegistrationList.h"

#include <algorithm>

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

// A section's search (`found`, or its failure code) and the reading of at most `limit` of its
// rows into `records`.
template <class Record>
TMedicalRecordForm::TSectionRead ReadSection(int found, int (*get)(Record*, int), Record* records, int limit)
{
    TMedicalRecordForm::TSectionRead section{found, 0};
    if (found > 0)
        section.read = get(records, std::min(found, limit));
    return section;
}

// The boxes of a section's reading, the table named as the messages name it ("備考"): false
// after an error (the section is not shown). `count` becomes the rows to show, cut to `limit`
// after the warning that starts with `announcement`; `label` shows it before the rows are read,
// as it always did.
bool ReportSection(const QString& head, const QString& table, const QString& announcement,
                   const TMedicalRecordForm::TSectionRead& section, int limit, int& count,
                   widgets::Label* label)
{
    count = 0;
    if (section.found < 0) {
        widgets::ShowError(head + table + "テーブルを検索できませんでした。" + Code(section.found) +
                           RefusalNote());
        return false;
    }
    count = CapRowCount(section.found, limit, head + announcement);
    label->SetCaption(QString::number(count));
    if (section.read < 0) {
        widgets::ShowError(head + table + "テーブルからデータを取り出せませんでした。" + Code(section.read));
        return false;
    }
    return true;
}

// Notes and treatments alike: a date, a text and the member who wrote or gave it, into the
// grid.
template <class Record>
void ShowStaffRows(const Record* records, int count, int* staffIndex, QString Record::*text,
                   widgets::StringGrid* grid)
{
    CommonForm->LoadStaff();
    SizeGrid(grid, count);
    for (int i = 0; i < count; ++i) {
        const Record& record = records[i];
        staffIndex[i] = CommonForm->FindStaff(record.asStaffNo);
        grid->Cells[0][i + 1] = DateToStr(record.tDate);
        grid->Cells[1][i + 1] = record.*text;
        grid->Cells[2][i + 1] = CommonForm->StaffName(staffIndex[i]);
    }
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
    ShowNotes(head);
    ShowCheckups(head);
    ShowTreatments(head);

    SetKarteNoEditable(false);
    RetrievePatientButton->setEnabled(true);
    AddButton->setEnabled(false);
    SetEnabled({PrintCardButton, PrintButton, ReplaceButton, DeleteButton}, true);
    bHeaderChanged = false;
}

int TMedicalRecordForm::ReadKarte(int karteCode, const QString& karteNo)
{
    // Deliberately one reading of the karte by its Code: another program that deletes it and
    // gives its number to another child's karte meanwhile cannot mix that child's rows in.
    const TReadingTogether together;
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec excursus;
    const int rc = GetMedicalRecord(karteCode, karteNo, karte, patient, excursus);
    if (rc < 0)
        return rc;
    stReadMediRec = karte;
    stReadExcuRec = excursus;
    stReadPatient = patient;

    stNoteFilter.asKarteNo = karteNo;
    stNotesRead = ReadSection(SearchNote(stNoteFilter, karteCode), GetNotes, tstNoteRec, MaxNoteRecords);
    stCheckupsRead = ReadCheckupRows(karteCode, karteNo);
    // The diet rows of the check-up Find selects: the latest.
    const int checkups = stCheckupsRead.read > 0 ? stCheckupsRead.read : 0;
    stDietRowsRead = checkups > 0 ? ReadDietRows(tstChekupRec[checkups - 1].iCode) : TSectionRead{};
    stTreatmentFilter.asKarteNo = karteNo;
    stTreatmentsRead = ReadSection(SearchTreatment(stTreatmentFilter, karteCode), GetTreatments,
                                   tstTreatmentRec, MaxTreatmentRecords);
    return 1;
}

void TMedicalRecordForm::ShowReadHeader()
{
    MediRecNoEdit->SetText(stReadMediRec.asMediRecNo);
    MediRecDateEdit->SetText(DateToStr(stReadMediRec.tDate));
    ShowPatient(stReadPatient);
    ExcursusToControls(stReadExcuRec, stReadMediRec.iNext);
    // The editor's stores act on this karte, and no other that takes its number later.
    stMediRec.iCode = stReadMediRec.iCode;
    AddButton->setEnabled(false);
}

void TMedicalRecordForm::ShowPatient(const stPatientRec& patient)
{
    PatientNoEdit->SetText(patient.asPatientNo);
    NameEdit->SetText(patient.asName1 + " " + patient.asName0);
    FamilyNameLabel->SetCaption(patient.asName0);
    PersonalNameLabel->SetCaption(patient.asName1);
    KanaEdit->SetText(patient.asNameKana1 + " " + patient.asNameKana0);
    BirthDateEdit->SetText(int(patient.tBirth) > 0 ? DateToStr(patient.tBirth) : QString());
    SexEdit->SetText(registration::SexText(patient.iSex));
    iPatientSchoolCode = patient.iSchoolCode;
    asPatientSchoolName = patient.asSchoolName;
    // The karte is stored onto this examinee, by its Code, and onto no other that takes its
    // number later.
    stMediRec.iPatientCode = patient.iCode > 0 && !patient.asPatientNo.isEmpty() ? patient.iCode : -1;
    // The karte sheet prints the photo this label names: it follows the examinee shown. A photo
    // that is missing or no bitmap raises here.
    PhotoLabel->SetCaption(patient.asPortrait);
    if (!patient.asPortrait.isEmpty())
        PhotoImage->LoadBitmap("Images\\" + patient.asPortrait);
}

void TMedicalRecordForm::ShowNotes(const QString& head)
{
    if (!ReportSection(head, "備考", "備考行数が", stNotesRead, MaxNoteRecords, nNoteRecords, NoteLabel))
        return;
    ShowStaffRows(tstNoteRec, nNoteRecords, tnNoteStaffIndex, &stNoteRecord::asDescription, NoteStringGrid);
    SetEnabled({NoteSgLabel, NoteStringGrid, NoteNewButton}, true);
    NoteEditButton->setEnabled(nNoteRecords >= 1);
    NoteDeleteButton->setEnabled(nNoteRecords >= 1);
}

void TMedicalRecordForm::ShowCheckups(const QString& head)
{
    if (!ShowCheckupList(head, stCheckupsRead))
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
    ShowDietRows(head, stDietRowsRead);
}

TMedicalRecordForm::TSectionRead TMedicalRecordForm::ReadCheckupRows(int karteCode, const QString& karteNo)
{
    tstChekupRec[0].asKarteNo = karteNo;
    return ReadSection(SearchCheckup(tstChekupRec[0], karteCode), GetCheckups, tstChekupRec,
                       MaxCheckupRecords);
}

bool TMedicalRecordForm::ShowCheckupList(const QString& head, const TSectionRead& section)
{
    if (!ReportSection(head, "検診", "検診件数が", section, MaxCheckupRecords, nCheckupRecords, CheckupLabel))
        return false;
    CheckupDateListBox->clear();
    for (int i = 0; i < nCheckupRecords; ++i)
        CheckupDateListBox->addItem(DateToStr(tstChekupRec[i].tDate));
    return true;
}

TMedicalRecordForm::TSectionRead TMedicalRecordForm::ReadDietRows(int checkupCode)
{
    stDietInquiryRecord& filter = tstDietInquiryRec[0];
    filter.iFoodCode = -1;
    filter.iFrequencyCode = -1;
    filter.iCheckupCode = checkupCode;
    return ReadSection(SearchDietInquiry(filter), GetDietInquiries, tstDietInquiryRec, MaxDietInquiryRecords);
}

void TMedicalRecordForm::LoadDietInquiries(const QString& head)
{
    const int checkup = CheckupDateListBox->ItemIndex();
    ShowDietRows(head, checkup >= 0 ? ReadDietRows(tstChekupRec[checkup].iCode) : TSectionRead{});
}

void TMedicalRecordForm::ShowDietRows(const QString& head, const TSectionRead& section)
{
    if (!ReportSection(head, "食事調査", "食事調査行数が", section, MaxDietInquiryRecords,
                       nDietInquiryRecords, DietInqLabel))
        return;
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

    const bool usable = CheckupDateListBox->ItemIndex() >= 0;
    SetEnabled({DietInqSgLabel, DietInqSG, DietNewButton}, usable);
    DietEditButton->setEnabled(usable && nDietInquiryRecords >= 1);
    DietDeleteButton->setEnabled(usable && nDietInquiryRecords >= 1);
}

void TMedicalRecordForm::ShowTreatments(const QString& head)
{
    if (!ReportSection(head, "療法・処置", "療法・処置行数が", stTreatmentsRead, MaxTreatmentRecords,
                       nTreatmentRecords, TreatmentLabel))
        return;
    ShowStaffRows(tstTreatmentRec, nTreatmentRecords, tnTreatmentStaffIndex, &stTreatmentRecord::asTreatment,
                  TreatmentSG);
    SetEnabled({TreatmentSgLabel, TreatmentSG, TreatmentNewButton}, true);
    TreatmentEditButton->setEnabled(nTreatmentRecords >= 1);
    TreatmentDeleteButton->setEnabled(nTreatmentRecords >= 1);
}
