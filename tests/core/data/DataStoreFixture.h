#pragma once
// A fresh database with the data module pointed at it, and the small helpers the
// data-store tests build their fixtures with.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "platform/rtl/DateTime.h"
#include "tests/support/TempDatabase.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline std::ostream& operator<<(std::ostream& os, const QString& text)
{
    return os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << text;
}

class DataStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database = std::make_unique<TempDatabase>();
        module = std::make_unique<TDBDM>();
        module->OpenDatabase(TempDatabase::NetFileDir, TempDatabase::DatabaseName);
        raw = database->NewQuery();
    }
    void TearDown() override
    {
        raw.reset();
        module.reset();
        database.reset();
    }

    // A statement of the test's own: flags, triggers that make a step fail.
    void Exec(const QString& sql) { database->Exec(sql); }
    // The number of rows a SELECT of the test's own gives.
    int Rows(const QString& sql)
    {
        raw->Close();
        raw->SQL->Clear();
        raw->SQL->Add(sql);
        raw->Open();
        return raw->RecordCount();
    }
    // The first row's value of a column of a SELECT of the test's own.
    QString Value(const QString& sql, const QString& column)
    {
        Rows(sql);
        return raw->FieldByName(column)->AsString();
    }
    // Makes every later statement on this query fail, as a missing folder would.
    static void Break(TQuery* query) { query->DatabaseName = "C:\\no\\such\\folder"; }

    std::unique_ptr<TempDatabase> database;
    std::unique_ptr<TDBDM> module;
    std::unique_ptr<TQuery> raw;
};

inline TDateTime Day(int year, int month, int day)
{
    return EncodeDate(year, month, day);
}

inline stPatientRec Patient(const QString& no, const QString& name0, int sex = 0, int schoolCode = 0)
{
    stPatientRec r;
    r.asPatientNo = no;
    r.asName0 = name0;
    r.iSex = sex;
    r.iSchoolCode = schoolCode;
    return r;
}

inline stStaffRecord Staff(const QString& no, const QString& kanji0, int sex = 0, int jobCode = 0)
{
    stStaffRecord r;
    r.asStaffNo = no;
    r.asNameKanji0 = kanji0;
    r.iSex = sex;
    r.iJobCode = jobCode;
    return r;
}

inline stMedicalRec Karte(const QString& no, TDateTime date, int next = 0)
{
    stMedicalRec r;
    r.asMediRecNo = no;
    r.tDate = date;
    r.iNext = next;
    return r;
}

// A note or treatment, its text in `text`, by the member `staffNo` on the karte of that number.
template <class Record>
Record DatedEntry(QString Record::*text, const QString& karteNo, TDateTime date, const QString& value,
                  const QString& staffNo)
{
    Record r;
    r.tDate = date;
    r.*text = value;
    r.asStaffNo = staffNo;
    r.asKarteNo = karteNo;
    return r;
}

inline stNoteRecord Note(const QString& karteNo, TDateTime date, const QString& text,
                         const QString& staffNo = "7")
{
    return DatedEntry(&stNoteRecord::asDescription, karteNo, date, text, staffNo);
}

inline stTreatmentRecord Treatment(const QString& karteNo, TDateTime date, const QString& text,
                                   const QString& staffNo = "7")
{
    return DatedEntry(&stTreatmentRecord::asTreatment, karteNo, date, text, staffNo);
}

// A patient filter that asks for nothing.
inline stPatientRec AnyPatient()
{
    stPatientRec r;
    r.iSex = -1;
    return r;
}

inline stStaffRecord AnyStaff()
{
    stStaffRecord r;
    r.iSex = -1;
    r.iJobCode = -1;
    return r;
}
