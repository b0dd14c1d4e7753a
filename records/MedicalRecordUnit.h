#pragma once
// The karte editor: the window the team works in all day. It holds one karte at a time:
// its header (karte number, date, examinee), its questionnaire, its check-ups with the
// chart and the diet rows of the selected one, its notes and its treatments.
//
// States: empty (after showing, Find's start, a delete), new karte (New), new karte
// stored (a successful Add), loaded (Find opened a karte). Other windows write into this
// one directly: the examinee window in selection mode, the karte search, the row
// dialogs and the chart editor; the print dialogs read it.
//
// The handlers are split by concern over files named after the window:
//   MedicalRecordUnit.cpp               layout, reset, states, New, the date, Close
//   MedicalRecordUnitQuestionnaire.cpp  the questionnaire boxes and their mapping
//   MedicalRecordUnitStore.cpp          header Add, Replace, Delete
//   MedicalRecordUnitFind.cpp           Find and the loading of the rows
//   MedicalRecordUnitChart.cpp          the chart grid's texts
//   MedicalRecordUnitKarteNo.cpp        the karte-number rules (plain functions)
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "ui_MedicalRecordUnit.h"

#include <QString>
#include <functional>
#include <initializer_list>

namespace widgets {
class PopupMenu;
}

class TMedicalRecordForm : public widgets::Form, public Ui::TMedicalRecordForm
{
    Q_OBJECT
public:
    // Rows a karte shows at most; the surplus is announced and not shown.
    static constexpr int MaxNoteRecords = 400;
    static constexpr int MaxCheckupRecords = 30;
    static constexpr int MaxDietInquiryRecords = 20;
    static constexpr int DietInquiryRoom = 30; // the array has room beyond what is loaded
    static constexpr int MaxTreatmentRecords = 400;

    explicit TMedicalRecordForm(QWidget* parent = nullptr);

    // The configuration section of this window.
    QString asIniSection = "MedicalRecord";
    // [MedicalRecord] FormHeight as read when the window was shown.
    int iFormHeight = 0;
    // The karte-number prefix and counters ([MedicalRecord] Number1..3), read by New.
    QString asKarteNoPrefix;
    int iKarteNoMiddle = 0;
    int iKarteNoLast = 0;

    // The header and questionnaire as last assembled for a store. Its iCode is the karte the
    // window shows (0 for none yet), its iPatientCode that karte's examinee (-1 for none): the
    // stores act on these, by their codes.
    stMedicalRec stMediRec;
    stExcursusRec stExcuRec;
    // The header and questionnaire as the database holds them: as Open read them, or as this
    // window last stored them. A replace stores only while the karte is still so.
    stMedicalRec stReadMediRec;
    stExcursusRec stReadExcuRec;
    // The examinee Open read with the karte.
    stPatientRec stReadPatient;
    // What the reading of a row section gave: the rows its search found (or the search's
    // failure code) and the rows read (or the reader's failure code).
    struct TSectionRead
    {
        int found = 0;
        int read = 0;
    };
    // What Open read, for Find to show.
    TSectionRead stNotesRead, stCheckupsRead, stDietRowsRead, stTreatmentsRead;
    // Find's filters; only their karte number is ever set.
    stNoteRecord stNoteFilter;
    stTreatmentRecord stTreatmentFilter;
    // Per tooth code 0 to 19: 1 for the decayed, missing and filled codes.
    int tnDmftWeight[20] = {};

    bool bReplaceMode = false;  // only while Replace runs the store
    bool bNewKarteMode = false; // from New until the new karte's first chart, or Find
    // The date last chosen with the picker in new-karte mode.
    QString asLastRecordDate;
    // A header, examinee or questionnaire control changed since shown, loaded or stored.
    bool bHeaderChanged = false;

    // The karte's examinee's school (written by the examinee window and the karte search).
    int iPatientSchoolCode = 0;
    QString asPatientSchoolName;
    // The school shown with the selected check-up and given to a new one.
    int iCheckupSchoolCode = 0;

    // Grid row r shows element r - 1; the index arrays point into CommonForm's lists
    // (-1 none).
    stNoteRecord tstNoteRec[MaxNoteRecords];
    int nNoteRecords = 0;
    int tnNoteStaffIndex[MaxNoteRecords] = {};
    // Oldest first; list item i is element i.
    stCheckupRecord tstChekupRec[MaxCheckupRecords];
    int nCheckupRecords = 0;
    // The selected check-up's diet rows; element 0 doubles as the diet search's filter.
    stDietInquiryRecord tstDietInquiryRec[DietInquiryRoom];
    int nDietInquiryRecords = 0;
    int tnDietFoodIndex[MaxDietInquiryRecords] = {};
    int tnDietFrequencyIndex[MaxDietInquiryRecords] = {};
    stTreatmentRecord tstTreatmentRec[MaxTreatmentRecords];
    int nTreatmentRecords = 0;
    int tnTreatmentStaffIndex[MaxTreatmentRecords] = {};

    // The menu of the check-up dates, on CheckupDataLabel and CheckupDateListBox.
    widgets::PopupMenu* CheckupDatePopupMenu = nullptr;
    QAction* CheckupDate_AddMenu = nullptr;
    QAction* CheckupDate_EditMenu = nullptr;
    QAction* CheckupDate_DeleteMenu = nullptr;

    // Window, header and examinee.
    void FormShow();
    void FormClose();
    // [MedicalRecord] FormHeight read into iFormHeight and set, never below the design.
    void ReadFormHeight();
    void NewButtonClick();
    void MediRecNoEditKeyPress(QChar& key);
    void MediRecDateBitBtnClick();
    void MediRecDateEditContextPopup(const QPoint& pos, bool& handled);
    void MediRecDateEditExit();
    void RetrievePatientButtonClick();
    // The examinee's number, names, birth date, sex, school and photo into the examinee
    // controls, and its Code as the karte's examinee (a photo that is no bitmap raises).
    void ShowPatient(const stPatientRec& patient);
    void HeaderChange();
    void CloseButtonClick();
    // Enables or disables the header, examinee and questionnaire controls together.
    void EnableHeaderControls(bool enabled);

    // Questionnaire.
    void NoneCheckBoxClick();
    void AnemiaCheckBoxClick();
    void SwollingCheckBoxClick();
    void BleedingCheckBoxClick();
    void FeverCheckBoxClick();
    void NoExtCheckBoxClick();
    void NoAllergyCheckBoxClick();
    void AfterInjectionCheckBoxClick();
    void AfterDosingCheckBoxClick();
    // The questionnaire controls into stExcuRec and the next treatment into stMediRec.
    void ControlsToExcursus();
    // A stored questionnaire and next treatment into the controls (the karte search's
    // Open), the exclusion rules running on every box that becomes checked.
    void ExcursusToControls(const stExcursusRec& excursus, int next);
    // All boxes clear, texts empty, no choices.
    void ClearExcursus();

    // Store and delete.
    void AddButtonClick();
    void ReplaceButtonClick();
    void DeleteButtonClick();

    // Find.
    void FindButtonClick();
    // The karte search's Open: reads the karte `karteCode` and all its rows at once, in one
    // state of the database, while it is live and carries `karteNo`: 1, else the data store's
    // code and nothing is changed. ShowReadHeader then shows its header, examinee and
    // questionnaire; Find shows the rows.
    int ReadKarte(int karteCode, const QString& karteNo);
    void ShowReadHeader();
    // The diet rows of the selected check-up into the diet grid; messages start with `head`.
    void LoadDietInquiries(const QString& head);

    // The chart grid.
    static QString ToothCodeToSymbol(int code);
    void ClearDentalFormula();
    void ShowCheckupFormula(int index);

private:
    static void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled);
    void ConnectHandlers();
    void SetKarteNoEditable(bool editable);
    void BlankPhoto();
    void RebuildChoiceLists();
    void ResetGrid(widgets::StringGrid* grid);
    void EmptyRows();
    void Uncheck(std::initializer_list<widgets::CheckBox*> boxes);
    void ExcludeWhenChecked(widgets::CheckBox* box, std::initializer_list<widgets::CheckBox*> others);
    void SetFocusAndPointer(QWidget* control);
    void ShowNotes(const QString& head);
    void ShowCheckups(const QString& head);
    void ShowTreatments(const QString& head);
    TSectionRead ReadCheckupRows(int karteCode, const QString& karteNo);
    TSectionRead ReadDietRows(int checkupCode);
    // Messages start with `head`: false after an error.
    bool ShowCheckupList(const QString& head, const TSectionRead& section);
    void ShowDietRows(const QString& head, const TSectionRead& section);

    // Check-ups: the list with its menu and buttons, the chart editor's opening, the
    // tooth counts (MedicalRecordUnitCheckups.cpp).
public:
    void CheckupDateListBoxClick();
    void CheckupDate_AddMenuClick();
    void CheckupDate_EditMenuClick();
    void CheckupDate_DeleteMenuClick();
    void EditDentalFormulaButtonClick();
    void DentalFormulaSGContextPopup(const QPoint& pos, bool& handled);
    // Counts the symbols the chart grid shows, per dentition, into the count labels.
    void UpdateToothCounts();
    // True when list item `index` is one of the karte's check-ups.
    bool IsCheckupIndex(int index) const;

private:
    void ConnectCheckupHandlers();
    // Where the date picker opens for a check-up button.
    QPoint CheckupPickerPlace(const QWidget* button) const;
    // The karte's check-ups read again after a delete, selecting list item `selected`
    // or the last one.
    void ReloadCheckups(const QString& head, int selected);

    // Printing: the karte sheets and the ID card of the karte on screen.
public:
    void PrintButtonClick();
    void PrintCardButtonClick();

private:
    void ConnectPrintHandlers();

    // Notes, treatments and diet rows: their grids' buttons, and the row dialogs'
    // write-back (MedicalRecordUnitRows.cpp).
public:
    void NoteNewButtonClick();
    void NoteEditButtonClick();
    void NoteDeleteButtonClick();
    void TreatmentNewButtonClick();
    void TreatmentEditButtonClick();
    void TreatmentDeleteButtonClick();
    void DietNewButtonClick();
    void DietEditButtonClick();
    void DietDeleteButtonClick();

    // False, after a warning that starts with `head`, when the section already shows
    // as many rows as its array holds.
    bool RoomForNote(const QString& head);
    bool RoomForTreatment(const QString& head);
    bool RoomForDietRow(const QString& head);
    // A row a dialog stored: added after the last row, or replacing grid row `row`,
    // with its cells and its positions in CommonForm's lists.
    void ShowAddedNote(const stNoteRecord& note, int staffIndex, const QStringList& cells);
    void ShowReplacedNote(int row, const stNoteRecord& note, int staffIndex, const QStringList& cells);
    void ShowAddedTreatment(const stTreatmentRecord& treatment, int staffIndex, const QStringList& cells);
    void ShowReplacedTreatment(int row, const stTreatmentRecord& treatment, int staffIndex,
                               const QStringList& cells);
    void ShowAddedDietRow(const stDietInquiryRecord& diet, int foodIndex, int frequencyIndex,
                          const QStringList& cells);
    void ShowReplacedDietRow(int row, const stDietInquiryRecord& diet, int foodIndex, int frequencyIndex,
                             const QStringList& cells);

private:
    void ConnectRowHandlers();
    void PlaceDietDialog();
    bool RoomForRows(int count, int limit, const QString& head, const QString& rows);
    // The last data row of a grid and its count label, edit and delete buttons.
    void AppendGridRow(widgets::StringGrid* grid, int& count, widgets::Label* label, QWidget* edit,
                       QWidget* del, const QStringList& cells);
    // Grid row `row` removed, the rows below moving up; two rows are always left.
    void RemoveGridRow(widgets::StringGrid* grid, int row, int& count, widgets::Label* label, QWidget* edit,
                       QWidget* del);
};

extern TMedicalRecordForm* MedicalRecordForm;

// The window's rules, without widgets.

// True when `karteNo` has the form the program proposes: two letters, "-", four
// digits, "-", four digits.
bool IsKarteNoForm(const QString& karteNo);

// A proposed number from the prefix and the two counters, each padded to four digits.
QString KarteNoCandidate(const QString& prefix, int middle, int last);

// The first free number from the counters on: the last block counts up to 9999, then
// the middle block carries with the last at 0. `found` is false when the middle block
// would pass 9999; `number` is then the last candidate tried. A block below 0 counts
// from 1.
struct TKarteNoProposal
{
    QString number;
    bool found = false;
};
TKarteNoProposal ProposeKarteNo(const QString& prefix, int middle, int last,
                                const std::function<bool(const QString&)>& inUse);

// The counters after a karte was stored under `stored`, whatever its form: the digits at
// its end plus one, carrying into the digits before them, the middle wrapping to 0. A run
// of digits longer than a counter holds counts as 2147483647.
struct TKarteNoCounters
{
    QString prefix;
    int middle = 0;
    int last = 0;
};
TKarteNoCounters NextKarteNoCounters(const QString& stored);

// The input check of a store: one line per missing field, or the empty text.
QString MissingHeaderFields(const QString& karteNo, const QString& date);

// The debug-log block of a header add.
QString AddMedicalRecordLog(int result, const stMedicalRec& header, const stExcursusRec& excursus,
                            const QString& patientNo);
// Writes a block to the debug log and flushes it, when the log is open.
void WriteDebLogBlock(const QString& block);

// `found` rows cut to `limit`: beyond it, a warning that starts with `announcement`
// names both numbers.
int CapRowCount(int found, int limit, const QString& announcement);

// Check-ups, without widgets.

// The memo a check-up gets from its karte number: its leading letters and digits
// ("AB" for AB-0012-0034).
QString KarteNoMemo(const QString& karteNo);

// A new check-up of the karte `karteNo` on `date`: every tooth not specified.
stCheckupRecord NewCheckup(TDateTime date, const QString& karteNo, int schoolCode);

// The error of a check-up command given with no check-up selected; `action` says
// what would have been done ("日付を修正する").
QString NoCheckupSelected(const QString& head, const QString& action);

// The debug-log block a check-up button writes when pressed: the handler, the
// button's name and the karte's examinee.
QString CheckupButtonLog(const QString& handler, const QString& button, const QString& patientNo,
                         const QString& name, int itemIndex);
// The debug-log block of a check-up add: the result, the count before it, the record.
QString AddCheckupLog(int result, int count, const stCheckupRecord& checkup);

// The message of a row the data store refused: the sentence, the return code in
// parentheses and, after a line break and two blanks, the row's values.
QString RowFailureMessage(const QString& sentence, int code, const QStringList& values);
