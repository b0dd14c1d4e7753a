#pragma once
// The karte editor with kartes to find and print: examinees with schools and photos,
// kartes with questionnaires, check-ups, diet rows, notes and treatments, all stored
// through the data store; the program working in a current folder of its own (where
// the photos are read and the mail-merge data files written); and main documents
// placed in the program folder for the shell to open.
#include "tests/records/MedicalRecordFixture.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class KarteData : public KarteEditor
{
protected:
    KarteData();
    ~KarteData() override;

    int AddSchool(const QString& name);
    void AddExaminee(const QString& no, const QString& family, const QString& personal,
                     const QString& familyKana, const QString& personalKana, const QString& birth, int sex,
                     int school, const QString& photo = "");
    // A karte of the examinee `patientNo` (none when empty).
    void AddKarte(const QString& karteNo, const QString& date, const QString& patientNo = "",
                  const stExcursusRec& excursus = {}, int next = 0);
    void AddMember(const QString& no, const QString& family, const QString& personal);
    void AddNoteRow(const QString& karteNo, const QString& date, const QString& text, const QString& staffNo);
    void AddTreatmentRow(const QString& karteNo, const QString& date, const QString& text,
                         const QString& staffNo);
    // Every tooth 19 but those given; the check-up's code.
    int AddCheckupRow(const QString& karteNo, const QString& date, int school,
                      const std::function<void(stCheckupRecord&)>& teeth = {});
    int AddFood(const QString& name);
    int AddFrequency(const QString& name, int order);
    void AddDietRow(int checkupCode, int food, int frequency);

    // A bitmap in "Images" under the current folder.
    void WritePhoto(const QString& name);

    // The karte search as Find shows it: `body` runs while it is shown; the showing
    // ends with its cancel button unless `body` ended it.
    void Search(const std::function<void()>& body);
    // Find in the karte editor, the search finding `karteNo` by its number and opening it.
    void FindThroughSearch(const QString& karteNo);

    // A main document in the program folder named by [Print] `key`; its host path.
    QString PlaceMainDocument(const QString& key);
    // The main document [Print] `key` names, without the file.
    QString MissingMainDocument(const QString& key);

    // A file of the current folder, byte for byte; empty when missing.
    QByteArray CurrentFolderFile(const QString& name) const;
    QString CurrentFolder() const { return folder.path(); }

private:
    QString oldCurrent;
    QTemporaryDir folder;
    QStringList placedDocuments;
};

// The grid's cell at (col, row) under the mouse.
void ClickCell(widgets::StringGrid* grid, int col, int row);
void DoubleClickCell(widgets::StringGrid* grid, int col, int row);
// Clears the field with Backspace and types `text`, Japanese through the input method.
void TypeInto(QWidget* edit, const QString& text);
