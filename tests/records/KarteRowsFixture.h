#pragma once
// The karte editor with a karte loaded through Find, for the tests of its notes,
// treatments and diet rows and of their dialogs: the program started on a fresh
// database holding two members, three foods and three frequencies, and the rows of the
// test stored through the data store before the karte is found.
#include "tests/records/KarteDataFixture.h"

#include <QLineEdit>
#include <QStringList>

class KarteRows : public KarteData
{
protected:
    static constexpr const char* Karte = "AB-0001-0001";

    void SetUp() override;

    int FoodCode(const QString& name);
    int FrequencyCode(const QString& name);

    // The karte `Karte` and its rows, stored through the data store.
    void StoreKarte() { KarteEditor::StoreKarte(Karte); }
    void StoreNote(const QString& date, const QString& text, const QString& staffNo);
    void StoreTreatment(const QString& date, const QString& text, const QString& staffNo);
    int StoreCheckup(const QString& date);
    void StoreDietRow(int checkupCode, const QString& food, const QString& frequency);

    // Shows the editor from the main menu, finds `Karte` and runs `body`.
    void ShowKarte(const std::function<void()>& body);

    // Makes grid row `row` current: a click on row 1, then Down.
    static void SelectRow(widgets::StringGrid* grid, int row);
    // Clicks into an edit and types `text` after what it holds.
    static void Type(QWidget* edit, const QString& text);
    // Chooses item `index` of a list with the keyboard.
    static void Choose(widgets::ComboBox* box, int index);

    // The width in which a line edit shows its text, inside its frame and margins.
    static int TextRoom(QLineEdit* edit);
    // The data rows of a grid, each as its cells joined by "|".
    static QStringList GridRows(widgets::StringGrid* grid);
    // The karte's rows as stored, by code: "date|text|member number".
    QStringList StoredNotes();
    QStringList StoredTreatments();
    // The check-up's diet rows as stored, by code: "food|frequency".
    QStringList StoredDietRows(int checkupCode);
};
