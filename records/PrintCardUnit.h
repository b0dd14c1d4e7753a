#pragma once
// ID cards by mail merge. The window is never shown: its five operations write the card
// data file "IdCard.txt" in the current folder and ask the shell to open the main
// document that merges it. The karte editor (one card) and the karte search (one card
// per marked row) call them in order; a failed step ends the caller's run:
//
//     if (PrintCardForm->OpenDataFile() != 0) return;  // it has reported the failure
//     PrintCardForm->WriteHeader();
//     PrintCardForm->WriteCard(card);                  // once per card
//     if (PrintCardForm->CloseDataFile() != 0) return; // the file is not whole
//     PrintCardForm->OpenMergeDocument();
//
// The free functions at the end serve the karte sheets as well.
#include "platform/rtl/DataFile.h"
#include "platform/widgets/Form.h"
#include "ui_PrintCardUnit.h"

#include <QString>
#include <memory>

// One card: the six texts in the order of the data file's columns.
struct stCardLine
{
    QString asName;
    QString asBirthDate;
    QString asSex;
    QString asMediRecNo;
    QString asIssueDate;
    QString asPatientNo;
};

class TPrintCardForm : public widgets::Form, public Ui::TPrintCardForm
{
    Q_OBJECT
public:
    explicit TPrintCardForm(QWidget* parent = nullptr);

    // Relative to the current folder.
    QString asCardFileName = "IdCard.txt";
    // The data file while a card run is open, and whether every line of it was written.
    std::unique_ptr<TDataFile> fpCardFile;
    bool bCardFileWritten = false;

    // 0 when the file is open; -1 after the error box.
    int OpenDataFile();
    void WriteHeader();
    void WriteCard(const stCardLine& card);
    // 0 when the file reached the disk whole; -1 after the error box.
    int CloseDataFile();
    // 0 when the shell was asked to open [Print] DocCard; -1 when it is missing (after its box).
    int OpenMergeDocument();

    void CloseButtonClick();
};

extern TPrintCardForm* PrintCardForm;

// The program folder as the program names it, with its trailing backslash.
QString ProgramFolder();

// Creates or empties a mail-merge data file in the current folder (CP932, CR LF);
// null after the error box when it cannot be opened.
std::unique_ptr<TDataFile> OpenMergeDataFile(const QString& fileName);

// Closes a data file: 0 when it and every line before (`written`) reached the disk;
// otherwise the error box and -1, so that no main document merges a file cut short.
int CloseMergeDataFile(std::unique_ptr<TDataFile>& file, const QString& fileName, bool written);

// Asks the shell to open the main document named by [Print] `key` (default
// `defaultName`) in the program folder: 0; when it is missing, the error box without a
// sound and -1.
int OpenMergeMainDocument(const QString& key, const QString& defaultName);
