// The karte editor's header store (Add, Replace) and the karte delete.
#include "records/MedicalRecordUnit.h"

#include "core/ProgramFiles.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/MessageForms.h"

namespace {

const QString FormQuestion = "カルテ番号が次の形式ではないですが，このままデータベースに登録しますか？\n"
                             "    半角英字２文字 \"-\" 半角数字４文字 \"-\" 半角数字４文字";

} // namespace

void WriteDebLogBlock(const QString& block)
{
    if (TDataFile* log = ProgramFiles.fpDebLog) {
        log->Write(block);
        log->Flush();
    }
}

QString AddMedicalRecordLog(int result, const stMedicalRec& header, const stExcursusRec& excursus,
                            const QString& patientNo)
{
    return QString("TMedicalRecordForm::AddButtonClick 66:\n"
                   "  [カルテ編集]画面->[ヘッダー追加]ボタン\n"
                   "  {iAMR=%1 (1:OK, <0:Error} = AddMedicalRecord(\n"
                   "    {stMediRec          =%2,%3,%4,%5,%6},\n"
                   "    {stExcuRec          =%7,%8},\n"
                   "    {PatientNoEdit->Text=%9} )\n")
        .arg(QString::number(result), QString::number(header.iCode), header.asMediRecNo,
             DateTimeToStr(header.tDate), QString::number(header.iNext), QString::number(header.iPatientCode),
             QString::number(excursus.iCode), QString::number(excursus.iKarteCode), patientNo);
}

void TMedicalRecordForm::AddButtonClick()
{
    const QString karteNo = MediRecNoEdit->Text();
    const QString missing = MissingHeaderFields(karteNo, MediRecDateEdit->Text());
    if (!missing.isEmpty()) {
        widgets::ShowError(missing);
        return;
    }
    if (!IsKarteNoForm(karteNo) && !widgets::AskQuestion(FormQuestion))
        return;

    stMediRec.asMediRecNo = karteNo;
    stMediRec.tDate = StrToDateTime(MediRecDateEdit->Text()); // a text that is no date stops here
    RetrievePatientButton->setEnabled(true);
    ControlsToExcursus();

    const QString patientNo = PatientNoEdit->Text();
    // Onto the examinee the window shows, by its Code: not onto a person another program
    // registered under that number since.
    if (patientNo.isEmpty())
        stMediRec.iPatientCode = -1;
    int result;
    if (bReplaceMode) {
        // Only while the karte is as this window read it.
        result = ReplaceMedicalRecord(stMediRec, stExcuRec, patientNo, &stReadMediRec, &stReadExcuRec);
    } else {
        result = AddMedicalRecord(stMediRec, stExcuRec, patientNo);
        WriteDebLogBlock(AddMedicalRecordLog(result, stMediRec, stExcuRec, patientNo));
    }

    if (result < 1) {
        // Rows are only ever added to a karte whose header is stored: the row sections
        // stay as they were.
        widgets::ShowError((bReplaceMode ? "カルテ・テーブルを書き換えられませんでした。("
                                         : "カルテ・テーブルに追加できませんでした。(") +
                           QString::number(result) + ")" + RefusalNote());
        return;
    }
    // A later replace rewrites this karte, and no other that takes its number.
    if (!bReplaceMode)
        stMediRec.iCode = GetAddedCode();
    // What it stored is what the table holds now: the next replace compares with it.
    stReadMediRec = stMediRec;
    stReadExcuRec = stExcuRec;

    SetEnabled({NoteSgLabel, NoteStringGrid, NoteNewButton, CheckupDataLabel, CheckupDateListBox,
                SchoolTitleLabel, CheckupNewButton, TreatmentSgLabel, TreatmentSG, TreatmentNewButton},
               true);
    // A diet row belongs to a check-up: there must be one selected.
    DietNewButton->setEnabled(CheckupDateListBox->ItemIndex() >= 0);

    const TKarteNoCounters counters = NextKarteNoCounters(stMediRec.asMediRecNo);
    TIniFile* ini = ProgramFiles.IniFile;
    ini->WriteString(asIniSection, "Number1", counters.prefix);
    ini->WriteInteger(asIniSection, "Number2", counters.middle);
    ini->WriteInteger(asIniSection, "Number3", counters.last);
    if (!bReplaceMode) {
        SetKarteNoEditable(false);
        EnableHeaderControls(false);
        AddButton->setEnabled(false);
    }
    bHeaderChanged = false;
    if (bNewKarteMode)
        SetFocusAndPointer(CheckupNewButton);
}

void TMedicalRecordForm::ReplaceButtonClick()
{
    bReplaceMode = true;
    struct Restore
    {
        bool& flag;
        ~Restore() { flag = false; }
    } restore{bReplaceMode}; // also when the store throws
    AddButtonClick();
}

void TMedicalRecordForm::DeleteButtonClick()
{
    const QString head = "[" + DeleteButton->Caption() + "]\n";
    const QString karteNo = MediRecNoEdit->Text();
    const QString karte =
        karteNo + ", " + MediRecDateEdit->Text() + ", " + PatientNoEdit->Text() + ", " + NameEdit->Text();
    if (!widgets::AskQuestion(head + "カルテを削除してよいですか？\n" + karte))
        return;

    // The karte the editor shows, not every karte that holds its number now.
    const int result = DelMedicalRecord(karteNo, stMediRec.iCode);
    WriteDebLogBlock(QString("TMedicalRecordForm::DeleteButtonClick 33:\n"
                             "  {iDMR=%1(1:OK,-1:Error)} = DelMedicalRecord(\n"
                             "    {MediRecNoEdit->Text=%2} )\n"
                             "  MediRecDateEdit->Text=%3\n"
                             "  PatientNoEdit->Text  =%4\n"
                             "  NameEdit->Text       =%5\n")
                         .arg(QString::number(result), karteNo, MediRecDateEdit->Text(),
                              PatientNoEdit->Text(), NameEdit->Text()));
    if (result < 0) {
        widgets::ShowError(head + "カルテ・テーブルから削除できませんでした。(" + QString::number(result) +
                           ")\n" + karte + RefusalNote());
        return;
    }
    FormShow();
}
