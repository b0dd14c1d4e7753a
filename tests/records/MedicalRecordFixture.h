#pragma once
// The karte editor as the operator meets it: the program started, the editor shown from
// the main menu, and the other windows it opens answered as they would answer.
#include "core/data/Dbapi.h"
#include "records/MedicalRecordUnit.h"
#include "tests/support/ProgramFixture.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class KarteEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Prepare();
        program.Start();
    }
    // Runs before the program starts (settings that start-up reads).
    virtual void Prepare() {}

    ScriptedInteraction& Script() { return program.Script(); }
    TMedicalRecordForm& Form() { return *MedicalRecordForm; }
    QString Setting(const QString& key) const;

    // Shows the editor with the main menu's button and runs `body` while it is shown;
    // the showing ends through the title bar unless `body` ended it.
    void Show(const std::function<void()>& body);

    static void Click(QWidget* control);
    // Clicks a check box on its box.
    static void Tick(QWidget* box);
    // Clears the field with Backspace as an operator would, then types `text`.
    static void TypeOver(QWidget* edit, const QString& text);

    // Types a date into the shown picker's field over what it shows.
    static void TypeIntoPicker(const QString& digits);
    // The date picker's next showing: `digits` typed ("20150401") and Enter, or Esc
    // when empty.
    void NextPickedDate(const QString& digits);
    // New, then a date through the picker: the karte is ready to be added.
    void NewKarteDated(const QString& digits);

    // A karte without examinee stored through the data store; its code.
    int StoreKarte(const QString& karteNo, const QString& date = "2015/04/01", stExcursusRec excursus = {},
                   int next = 0);
    // The next karte search ends with Open on `karteNo` (writing what that window writes),
    // or with Cancel when it is empty.
    void NextSearchOpens(const QString& karteNo);
    // Find with the search opening `karteNo`.
    void Find(const QString& karteNo);

    // A grid's cells: one row, or one column below the header row.
    static QStringList GridRow(widgets::StringGrid* grid, int row);
    static QStringList GridColumn(widgets::StringGrid* grid, int col);

    // The debug log's text so far.
    static QString DebLog();

    ProgramFixture program;
};

// The same with the debug log open.
class KarteEditorWithLog : public KarteEditor
{
protected:
    void Prepare() override { program.WriteSetting("Debug", "DebLog", "1"); }
};
