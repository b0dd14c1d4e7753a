#pragma once
// The karte sheets by mail merge: the dialog the karte editor's "カルテ印刷(&P)..." opens.
// It writes sheet A ("MediRecA.txt": the header, questionnaire and notes, one line) and
// sheet B ("MediRecB.txt": one line per check-up with its chart and diet rows, the
// treatments on the last) in the current folder from the karte editor as it stands on
// screen, unsaved edits included, and asks the shell to open each sheet's main document.
// The two boxes keep their state from one showing to the next.
#include "platform/widgets/Form.h"
#include "ui_PrintMedicalRecordUnit.h"

#include <QString>

class TMedicalRecordForm;
struct stCheckupRecord;

class TPrintMedicalRecordForm : public widgets::Form, public Ui::TPrintMedicalRecordForm
{
    Q_OBJECT
public:
    explicit TPrintMedicalRecordForm(QWidget* parent = nullptr);

    void FormShow();
    void LeftCheckBoxClick();
    void RightCheckBoxClick();
    // Print is possible with at least one sheet chosen.
    void UpdatePrintButton();
    void PrintButtonClick();
    void PrinterSetupButtonClick();
    void CloseButtonClick();

    void PrintSheetA(const QString& fileName);
    void PrintSheetB(const QString& fileName);
};

extern TPrintMedicalRecordForm* PrintMedicalRecordForm;

// The sheets' lines, from the karte editor's controls and arrays.

// The folder of the photos as sheet A writes it: the program folder followed by
// [Patient] ImagePath, every backslash doubled.
QString PhotoFolderText(const QString& programFolder, const QString& imagePath);

extern const QString SheetAHeader;
QString SheetALine(const TMedicalRecordForm& editor, const QString& photoFolderText);

extern const QString SheetBHeader;
// The line of check-up `index`; the diet fields are given, read by the caller.
QString SheetBLine(const TMedicalRecordForm& editor, int index, const QString& schoolName,
                   const QString& foodTypes, const QString& eatingFrequencies);

// The 52 tooth symbols of a check-up in sheet B's column order.
QStringList SheetBToothSymbols(const stCheckupRecord& checkup);
