#pragma once
// The program as its entry starts it, for the tests of its windows:
//   - a temporary drives root (KVR_DRIVES) with a fresh, empty database at the default
//     folder "C:\kvr\database" and the network control folder "C:\KVR";
//   - a ScriptedInteraction, installed for the fixture's whole life;
//   - Start(): the data module and the 31 windows made in the entry's order, then the
//     main menu shown, whose first showing opens the database;
//   - at the end: the main menu closed when it is still open (its close handler runs,
//     as when the program ends), then every object destroyed, the last first.
//
//     ProgramFixture program;
//     program.WriteSetting("Debug", "DebLog", "1");   // optional, before Start()
//     program.Start();
//     program.Script().OnModal(*PatientForm, [] { PatientForm->Close(); });
//     QTest::mouseClick(MainMenuForm->PatientButton, Qt::LeftButton);
#include "app/ProgramObjects.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempDatabase.h"

#include <QString>

class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();
    ProgramFixture(const ProgramFixture&) = delete;
    ProgramFixture& operator=(const ProgramFixture&) = delete;

    void Start();
    // Closes the main menu when it is open and destroys the program's objects.
    void Stop();

    TempDatabase& Database() { return database; }
    ScriptedInteraction& Script() { return script; }
    QString DrivesRoot() const { return database.DrivesRoot(); }

    // The configuration folder and file as the main menu names them (program paths);
    // the file is named after the test program.
    static QString SettingsFolder();
    static QString IniFileName();
    // Writes a setting before Start(), making the configuration folder first.
    void WriteSetting(const QString& section, const QString& key, const QString& value);

private:
    TempDatabase database;
    ScriptedInteraction script;
    widgets::ObjectOwner objects;
};
