#pragma once
// The examinee window driven from the main menu's registration mode, with examinees,
// schools and kartes put straight into the database.
#include "app/FormMainMenu.h"
#include "core/MonthCalendarUnit.h"
#include "registration/PatientUnit.h"
#include "registration/SearchPatientUnit.h"
#include "tests/registration/RegistrationFixture.h"

class PatientWindowTest : public RegistrationTest
{
protected:
    // Runs `steps` while the window is shown in registration mode, then closes it.
    void InWindow(const std::function<void()>& steps)
    {
        Script().OnModal(*PatientForm, [&] {
            steps();
            PatientForm->Close();
        });
        PatientForm->RegisterPatients();
    }
    // Find with the criteria the search dialog holds, then OK.
    void Find()
    {
        Script().OnModal(*SearchPatientForm,
                         [] { QTest::mouseClick(SearchPatientForm->OkButton, Qt::LeftButton); });
        QTest::mouseClick(PatientForm->FindButton, Qt::LeftButton);
    }
    // The birth date through the picker: typed digits, then OK.
    void PickBirth(const QString& digits)
    {
        Script().OnModal(*MonthCalendarForm, [digits] {
            QTest::keyClicks(MonthCalendarForm->SpecifiedDateMaskEdit, digits);
            QTest::mouseClick(MonthCalendarForm->OkButton, Qt::LeftButton);
        });
        QTest::mouseClick(PatientForm->BirthDateBitBtn, Qt::LeftButton);
    }
    // New, the names and the birth date typed, the first school left chosen.
    void NewExaminee(const QString& personal, const QString& family, const QString& birthDigits = "20080401")
    {
        QTest::mouseClick(PatientForm->ClearButton, Qt::LeftButton);
        Type(PatientForm->PersonalNameEdit, personal);
        Type(PatientForm->FamilyNameEdit, family);
        if (!birthDigits.isEmpty())
            PickBirth(birthDigits);
    }

    int AddSchool(const QString& name)
    {
        Exec("INSERT INTO SchoolTable (Name) VALUES ('" + name + "');");
        return Scalar("SELECT MAX(Code) FROM SchoolTable;").toInt();
    }
    int AddExaminee(int number, const QString& family, const QString& personal, int sex = 0, int school = 1,
                    const QString& photo = QString(), bool deleted = false)
    {
        Exec(QString("INSERT INTO Patient2Table (PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, "
                     "SchoolCode, Portrait, DeleteFlag) VALUES (%1, '2008-04-01', %2, '%3', '%4', 'k%3', "
                     "'k%4', %5, "
                     "'%6', %7);")
                 .arg(number)
                 .arg(sex)
                 .arg(family, personal)
                 .arg(school)
                 .arg(photo)
                 .arg(deleted ? 1 : 0));
        return Scalar("SELECT MAX(Code) FROM Patient2Table;").toInt();
    }
    // `count` live examinees numbered from `first`, all in one statement.
    void AddExaminees(int first, int count)
    {
        Exec(QString("WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                     "INSERT INTO Patient2Table (PatientNo, Name0, Name1, Sex, DeleteFlag) "
                     "SELECT i, 'F' || i, 'P' || i, 0, 0 FROM n;")
                 .arg(first)
                 .arg(first + count - 1));
    }
    void AddKarte(const QString& number, const QString& date, int patientCode)
    {
        Exec(QString("INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                     "VALUES ('%1', '%2', 0, %3, 0);")
                 .arg(number, date)
                 .arg(patientCode));
    }
    QString Setting(const QString& key) { return MainMenuForm->IniFile->ReadString("Patient", key, "none"); }
};
