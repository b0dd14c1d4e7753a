#pragma once
// The member window driven from the main menu, with members, occupations, kartes, notes
// and treatments put straight into the database.
#include "app/FormMainMenu.h"
#include "registration/MemberUnit.h"
#include "registration/SearchMemberUnit.h"
#include "tests/registration/RegistrationFixture.h"

class MemberWindowTest : public RegistrationTest
{
protected:
    // Runs `steps` while the window is shown from the main menu, then closes it.
    void InWindow(const std::function<void()>& steps)
    {
        Script().OnModal(*MemberForm, [&] {
            steps();
            MemberForm->Close();
        });
        QTest::mouseClick(MainMenuForm->MemberButton, Qt::LeftButton);
    }
    // Find with the criteria the search dialog holds (`type` enters more), then OK.
    void Find(const std::function<void()>& type = [] {})
    {
        Script().OnModal(*SearchMemberForm, [type] {
            type();
            QTest::mouseClick(SearchMemberForm->OkButton, Qt::LeftButton);
        });
        QTest::mouseClick(MemberForm->FindButton, Qt::LeftButton);
    }
    void NewMember(const QString& family, const QString& personal)
    {
        QTest::mouseClick(MemberForm->ClearButton, Qt::LeftButton);
        Type(MemberForm->FamilyNameEdit, family);
        Type(MemberForm->PersonalNameEdit, personal);
    }

    int AddJob(const QString& name)
    {
        Exec("INSERT INTO JobTable (Job) VALUES ('" + name + "');");
        return Scalar("SELECT MAX(Code) FROM JobTable;").toInt();
    }
    int AddMember(int number, const QString& family, const QString& personal, int sex = 0, int job = -1,
                  const QString& alphabet0 = QString(), const QString& alphabet1 = QString(),
                  bool deleted = false)
    {
        Exec(QString("INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, "
                     "NameKana1, "
                     "NameAlphabet0, NameAlphabet1, DeleteFlag) "
                     "VALUES (%1, %2, %3, '%4', '%5', 'k%4', 'k%5', '%6', '%7', %8);")
                 .arg(job)
                 .arg(number)
                 .arg(sex)
                 .arg(family, personal, alphabet0, alphabet1)
                 .arg(deleted ? 1 : 0));
        return Scalar("SELECT MAX(Code) FROM Staff2Table;").toInt();
    }
    // `count` live members numbered from `first`, all in one statement.
    void AddMembers(int first, int count)
    {
        Exec(QString("WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                     "INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, DeleteFlag) "
                     "SELECT -1, i, 0, 'F' || i, 'P' || i, 0 FROM n;")
                 .arg(first)
                 .arg(first + count - 1));
    }
    int AddKarte(const QString& number, const QString& date)
    {
        Exec(QString("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                     "VALUES ('%1', '%2', 0, -1, 0);")
                 .arg(number, date));
        return Scalar("SELECT MAX(Code) FROM KarteTable;").toInt();
    }
    void AddNote(int member, int karte)
    {
        Exec(QString("INSERT INTO NoteTable (RDate, Description, StaffCode, KarteCode) "
                     "VALUES ('2015-04-10', 'note', %1, %2);")
                 .arg(member)
                 .arg(karte));
    }
    void AddTreatment(int member, int karte)
    {
        Exec(QString("INSERT INTO TreatmentTable (RDate, Treatment, StaffCode, KarteCode) "
                     "VALUES ('2015-04-10', 'treatment', %1, %2);")
                 .arg(member)
                 .arg(karte));
    }
    QString Setting(const QString& key) { return MainMenuForm->IniFile->ReadString("Member", key, "none"); }
};
