#pragma once
// Kelvara1 as its entry starts it, for the tests of the previous edition:
//   - a temporary drives root with a fresh database at "C:\kvr\database", which the
//     engine's alias "KVRKarte" names;
//   - the program file "C:\Program Files\KVR\Kelvara1", whose folder holds "Database\";
//   - a current folder of its own, "C:\work" (the debug log's place), restored at the end;
//   - a ScriptedInteraction for the fixture's whole life;
//   - Start(): the edition installed, its 33 objects made in its order, the main menu shown;
//   - at the end: the main menu closed when open, the objects destroyed, Kelvara2's edition back.
#include "edition1/Edition1.h"
#include "platform/widgets/ObjectOwner.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempDatabase.h"

#include <QString>

class Kelvara1Program
{
public:
    Kelvara1Program();
    ~Kelvara1Program();
    Kelvara1Program(const Kelvara1Program&) = delete;
    Kelvara1Program& operator=(const Kelvara1Program&) = delete;

    static constexpr const char* ProgramFile = "C:\\Program Files\\KVR\\Kelvara1";

    // Makes the objects (raising what their making raises) and shows the main menu.
    void Start();
    void Stop();

    TempDatabase& Database() { return database; }
    ScriptedInteraction& Script() { return script; }
    TEdition1& Edition() { return edition; }
    // The host path of a program path.
    static QString Host(const QString& path);

private:
    TempDatabase database;
    ScriptedInteraction script;
    TEdition1 edition{ProgramFile};
    QString savedCwd;
    widgets::ObjectOwner objects;
};
