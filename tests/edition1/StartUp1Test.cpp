// Kelvara1's start-up: its order with the data module 23rd reaching the database
// through the engine alias, its configuration file under the program's folder with the
// one-time move of an old file, and its debug log in the current folder.
#include "app/AboutUnit.h"
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "core/util/C_file_system_utility.h"
#include "edition1/DebugUnit.h"
#include "platform/db/Session.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "records/PrintCardUnit.h"
#include "tables/FormDentalFormulaTable.h"
#include "tables/FormTreatmentTable.h"
#include "tests/edition1/Kelvara1Fixture.h"
#include "tests/support/HeldToPermissions.h"
#include "tests/support/RefusalNotes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString NewIni = "C:\\Program Files\\KVR\\Database\\Kelvara1.ini";
const QString OldIni = "C:\\Program Files\\KVR\\Kelvara1.ini";

QByteArray ReadAll(const QString& path)
{
    QFile file(Kelvara1Program::Host(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Exists(const QString& path)
{
    return QFileInfo::exists(Kelvara1Program::Host(path));
}

} // namespace

TEST(Kelvara1StartUp, TheConfigurationFileLiesInDatabaseUnderTheProgramsFolder)
{
    Kelvara1Program program;
    EXPECT_EQ(program.Edition().ProgramFolder(), "C:\\Program Files\\KVR\\");
    EXPECT_EQ(program.Edition().IniFileName(), NewIni);
    EXPECT_EQ(program.Edition().OldIniFileName(), OldIni);
    // An extension of the program file is replaced, not kept.
    EXPECT_EQ(TEdition1("Z:\\opt\\kvr.1\\Kelvara1.exe").IniFileName(),
              "Z:\\opt\\kvr.1\\Database\\Kelvara1.ini");
    EXPECT_EQ(TEdition1("Z:\\opt\\kvr.1\\Kelvara1").OldIniFileName(), "Z:\\opt\\kvr.1\\Kelvara1.ini");

    program.Start();
    ASSERT_NE(MainMenuForm->IniFile, nullptr);
    EXPECT_EQ(MainMenuForm->IniFile->FileName(), NewIni);
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);
    // Nothing of Kelvara2's configuration folder.
    EXPECT_FALSE(Exists(CFileSystemUtility().GetLocalAppDataPath() + "\\VirtualStore"));
    MainMenuForm->IniFile->WriteInteger("Patient", "Number", 5);
    EXPECT_TRUE(ReadAll(NewIni).contains("Number=5"));
}

TEST(Kelvara1StartUp, AnOldFileBesideTheProgramMovesIntoDatabaseOnceAndIsInEffect)
{
    Kelvara1Program program;
    TIniFile(OldIni).WriteString("Debug", "DebLog", "1");
    TIniFile(OldIni).WriteString("Patient", "Number", "7");
    const QByteArray old = ReadAll(OldIni);
    program.Start();

    EXPECT_FALSE(Exists(OldIni));
    EXPECT_EQ(ReadAll(NewIni), old);
    EXPECT_EQ(MainMenuForm->IniFile->ReadInteger("Patient", "Number", 1), 7);
    EXPECT_NE(MainMenuForm->fpDebLog, nullptr); // its DebLog=1 took effect at this start

    // A later start finds the moved file and moves nothing.
    program.Stop();
    program.Start();
    EXPECT_FALSE(Exists(OldIni));
    EXPECT_EQ(MainMenuForm->IniFile->ReadInteger("Patient", "Number", 1), 7);
}

TEST(Kelvara1StartUp, WithBothFilesNothingMovesAndTheOneInDatabaseIsUsed)
{
    Kelvara1Program program;
    TIniFile(OldIni).WriteString("Patient", "Number", "7");
    TIniFile(NewIni).WriteString("Patient", "Number", "9");
    program.Start();
    EXPECT_TRUE(Exists(OldIni));
    EXPECT_EQ(TIniFile(OldIni).ReadInteger("Patient", "Number", 1), 7);
    EXPECT_EQ(MainMenuForm->IniFile->ReadInteger("Patient", "Number", 1), 9);
}

TEST(Kelvara1StartUp, WithoutTheDatabaseFolderTheOldFileStaysAndTheDefaultsApply)
{
    Kelvara1Program program;
    ASSERT_TRUE(QDir(Kelvara1Program::Host("C:\\Program Files\\KVR\\Database")).removeRecursively());
    TIniFile(OldIni).WriteString("Debug", "DebLog", "1");
    program.Start();

    EXPECT_TRUE(Exists(OldIni));
    EXPECT_FALSE(Exists("C:\\Program Files\\KVR\\Database")); // the program does not make it
    EXPECT_EQ(MainMenuForm->IniFile->FileName(), NewIni);
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);
    EXPECT_TRUE(MainMenuForm->isVisible());
}

TEST(Kelvara1StartUp, TheMainMenuOpensNothingUntilItsFirstShowing)
{
    Kelvara1Program program;
    TIniFile(OldIni).WriteString("Debug", "DebLog", "1");
    // Made as the entry makes it, not yet shown.
    SetEdition(&program.Edition());
    widgets::ObjectOwner objects;
    objects.CreateForm(MainMenuForm);
    EXPECT_EQ(MainMenuForm->IniFile, nullptr);
    EXPECT_EQ(MainMenuForm->fpDebLog, nullptr);
    EXPECT_TRUE(Exists(OldIni));
    EXPECT_FALSE(Exists("C:\\work\\DebLog.txt"));
    objects.DestroyAll();
    SetEdition(nullptr);
}

TEST(Kelvara1StartUp, TheDebugLogIsWrittenInTheCurrentFolder)
{
    Kelvara1Program program;
    TIniFile(NewIni).WriteString("Debug", "DebLog", "2");
    program.Start();
    ASSERT_NE(MainMenuForm->fpDebLog, nullptr);
    program.Stop();

    const QStringList lines =
        FromCodePage(ReadAll("C:\\work\\DebLog.txt")).replace("\r\n", "\n").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("TMainMenuForm::FormShow ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(" ================"));
    EXPECT_TRUE(lines[1].startsWith("TMainMenuForm::FormClose "));
    EXPECT_FALSE(Exists("C:\\Program Files\\KVR\\Database\\DebLog.txt"));
}

TEST(Kelvara1StartUp, TheDataModuleReachesTheDatabaseThroughTheAliasOnTheDefaultSession)
{
    Kelvara1Program program;
    program.Database().Exec("INSERT INTO JobTable (Job) VALUES ('dentist');");
    // [Paradox] keys mean nothing to this edition.
    TIniFile(NewIni).WriteString("Paradox", "DatabaseName", "C:\\elsewhere");
    program.Start();

    for (TDataSet* dataSet : {static_cast<TDataSet*>(DBDM->JobTable), static_cast<TDataSet*>(DBDM->Query1),
                              static_cast<TDataSet*>(DBDM->Query2), static_cast<TDataSet*>(DBDM->Query3)}) {
        EXPECT_EQ(dataSet->DatabaseName, "KVRKarte");
        EXPECT_EQ(dataSet->Session, TSession::Default());
    }
    EXPECT_TRUE(DBDM->JobTable->Active());
    EXPECT_FALSE(DBDM->Session_kvr->Active());
    EXPECT_EQ(GetJobCount(), 1);
    stStaffRecord staff;
    staff.asStaffNo = "12";
    staff.asNameKanji0 = "歯科";
    EXPECT_EQ(AddStaff(staff), 1);
    EXPECT_EQ(program.Database().Scalar("SELECT NameKanji0 FROM Staff2Table;"), "歯科");
    EXPECT_TRUE(program.Script().Boxes().empty());
}

TEST(Kelvara1StartUp, WithoutTheAliasTheProgramEndsBeforeTheMainMenuShows)
{
    Kelvara1Program program;
    TIniFile(TSession::AliasFile()).EraseSection("KVRKarte");
    try {
        program.Start();
        FAIL() << "no exception";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message.contains("KVRKarte")) << e.Message.toStdString();
    }
    // The objects up to the data module were made, in the edition's order; none after it.
    for (QObject* made : {static_cast<QObject*>(MainMenuForm), static_cast<QObject*>(MonthCalendarForm),
                          static_cast<QObject*>(DebugForm), static_cast<QObject*>(AboutForm),
                          static_cast<QObject*>(PrintCardForm), static_cast<QObject*>(DBDM)})
        EXPECT_NE(made, nullptr);
    EXPECT_FALSE(DBDM->JobTable->Active());
    EXPECT_EQ(DentalFormulaTableForm, nullptr);
    EXPECT_EQ(TreatmentTableForm, nullptr);
    EXPECT_FALSE(MainMenuForm->isVisible());
    EXPECT_EQ(MainMenuForm->IniFile, nullptr);
}

// As Kelvara2: a database folder this user may not write is said once at the start, and a store
// succeeds once it can be written again.
TEST(Kelvara1StartUp, ADatabaseItCannotWriteIsSaidAtTheStart)
{
    Kelvara1Program program;
    HeldToPermissions held;
    ASSERT_TRUE(held.Held());
    const QString folder = program.Database().HostFolder();
    ASSERT_TRUE(HeldToPermissions::SetReadOnly(folder, true));
    program.Script().Expect(widgets::BoxKind::Warning,
                            "データベース\"C:\\kvr\\database\"に書き込めません（読み取り専用です）。\n"
                            "記録を見ることはできますが，追加・変更・削除はできません。\n"
                            "データベースのフォルダーとファイルに書き込めるようにすれば，"
                            "起動し直さなくても記録できます。");
    program.Start();
    stStaffRecord member;
    member.asStaffNo = "7";
    EXPECT_EQ(AddStaff(member), dbFailed);
    EXPECT_EQ(RefusalNote(), ReadOnlyNote);
    ASSERT_TRUE(HeldToPermissions::SetReadOnly(folder, false));
    EXPECT_EQ(AddStaff(member), 1);
}
