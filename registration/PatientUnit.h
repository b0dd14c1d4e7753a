#pragma once
// The examinee window: the operator lists examinees (through the search), registers,
// edits and deletes them and chooses each one's photo. It has two modes:
// RegisterPatients() from the main menu (Close only) and SelectPatient() from the karte
// editor (OK and Cancel), whose OK chooses the examinee of the current row, handed back to
// the karte editor with its Code. The list is filled by the search; added examinees are
// appended.
//
// Photos are Windows bitmaps named by their bare file name, looked for in the photo
// folder [Patient] ImagePath, relative to the current folder; a new examinee shows
// "Prompt.bmp" from there. Once a photo is chosen the program's own folder is made
// current again, so the relative photo folder keeps meaning the program's "Images".
#include "core/WindowGeometry.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/Form.h"
#include "registration/RegistrationList.h"
#include "ui_PatientUnit.h"

#include <QString>
#include <optional>
#include <vector>

// The examinee the input area describes, as the data store takes it (the birth date's
// text is read as a date: a text that is not one raises EConvertError).
struct TPatientInput
{
    QString patientNo, familyName, personalName, familyKana, personalKana, birthDate, portrait;
    int sex = -1;
    int schoolIndex = -1;
};

// The input check of Add and Replace: one line per missing field, "" when complete.
QString CheckPatientInput(const TPatientInput& input);

class TPatientForm : public widgets::Form, public Ui::TPatientForm
{
    Q_OBJECT
public:
    explicit TPatientForm(QWidget* parent = nullptr);

    static constexpr int MaxPatients = 20000; // live examinees
    static constexpr int MaxListed = 4000;    // rows of the list
    static constexpr int MaxSchools = 400;

    // Registration mode: Close shown, OK and Cancel hidden.
    void RegisterPatients();
    // Selection mode: OK and Cancel shown, Close hidden. The examinee OK chose, with its Code
    // and its school as the window's school list names it; with nothing listed, an examinee of
    // no number (the karte then has none). None after Cancel.
    std::optional<stPatientRec> SelectPatient();

    const QString asIniSection = "Patient";
    TWindowGeometry geometry{asIniSection};
    QString asImagePath;
    std::vector<stSchoolRecord> tstSchoolRec = std::vector<stSchoolRecord>(MaxSchools);
    int nSchoolRecords = 0;
    registration::TRecordList<stPatientRec> tstPatientRec{MaxListed};
    int iEditRow = 0;
    int iNewPatientNo = 0;
    widgets::OpenPictureDialog* PhotoImageOpenPictureDialog;

    void FormShow();
    void FormClose();
    void ClearButtonClick();
    void AddButtonClick();
    void ReplaceButtonClick();
    void PatientSGDblClick();
    void DeleteButtonClick();
    void FindButtonClick();
    void CloseButtonClick();
    void OkButtonClick();
    void BirthDateBitBtnClick();
    void BirthDateEditContextPopup(const QPoint& pos, bool& handled);
    void PhotoImageClick();
    void PersonalNameEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void FamilyNameEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void PersonalKanaEditKeyPress(QChar& key) { registration::DiscardComma(key); }
    void FamilyKanaEditKeyPress(QChar& key) { registration::DiscardComma(key); }

    void LoadSchoolList();
    int SchoolIndexOfName(const QString& name) const;
    void PatientEditsToGrid();
    void EnablePatientControls(bool enabled);

    // The search's result: `found` examinees are open on the data store's search; lists
    // them (at most MaxListed, with the warning) or says that none matched.
    void ListFoundPatients(int found);

private:
    TPatientInput Input() const;
    stPatientRec RecordOfInput() const;
    void ShowCount();
    void ShowInputButtons(bool add, bool replace);
    std::optional<stPatientRec> chosen; // by OK in selection mode
};

extern TPatientForm* PatientForm;
