#pragma once
// The data module: the one place that talks to the database. It owns the session,
// the occupation table and three shared queries, and has one method per data
// operation. Searches leave their rows on Query1 for the reader; counts, writes and
// the member-number lookup run on Query2; the other lookups on Query3, so that a
// lookup can run while a search is being read or a write is being built.
//
// Its definitions live in one file per family: DMDB.cpp (components, opening the
// database), DMDBPatients, DMDBStaff, DMDBLookups (code lookups, existence checks,
// reference lists), DMDBEntries (treatments, notes, diet rows), DMDBKartes, DMDBCheckups;
// DMDBStatements holds how they build, run and read statements.
#include "core/data/Dbapi.h"
#include "platform/db/DataSource.h"
#include "platform/db/Query.h"
#include "platform/db/Session.h"
#include "platform/db/Table.h"

#include <QObject>
#include <initializer_list>
#include <vector>

class TIniFile;

class TDBDM : public QObject
{
public:
    explicit TDBDM(QObject* parent = nullptr);
    ~TDBDM() override;

    TTable* JobTable;
    TDataSource* JobDataSource;
    TQuery* Query1;
    TDataSource* DataSource1;
    TQuery* Query2;
    TDataSource* DataSource2;
    TQuery* Query3;
    TDataSource* DataSource3;
    TSession* Session_kvr;

    // Points the session and the datasets at the configured folders and opens the
    // occupation table. Raises what the engine raises; the caller shows it.
    void OpenDatabase(TIniFile* IniFile);
    // The same with the folders given: the session's network control folder and the
    // database folder of every dataset of the module.
    void OpenDatabase(const QString& netFileDir, const QString& databaseName);
    // The datasets whose database is the database folder.
    std::vector<TDataSet*> DataSets() const;

    // Examinees
    int GetPatientCount();
    int SearchPatient(stPatientRec filter);
    int GetPatients(stPatientRec* records, int max);
    int DelPatient(int iArgPatientNo, int code = 0);
    int AddPatient(stPatientRec record);
    int ReplacePatient(stPatientRec record);

    // Members
    int GetStaffCount();
    int SearchStaff(stStaffRecord filter);
    int GetStaffs(stStaffRecord* records, int max);
    int DelStaff(int staffNo, int code = 0);
    int AddStaff(stStaffRecord record);
    int ReplaceStaff(stStaffRecord record);

    // Existence checks and the school name
    bool ExistKarteNo(QString karteNo);
    bool ExistStaffNo(QString staffNo);
    bool ExistPatientNo(QString patientNo);
    void GetSchoolName(int schoolCode, QString& name);

    // Reference lists
    int SearchSchool(stSchoolRecord filter);
    int GetSchools(stSchoolRecord* records, int max);
    int GetJobCount();
    int SearchJob(stJobRecord filter);
    int GetJobs(stJobRecord* records, int max);
    int SearchFood(stFoodRecord filter);
    int GetFoods(stFoodRecord* records, int max);
    int SearchFrequency(stFrequencyRecord filter);
    int GetFrequencies(stFrequencyRecord* records, int max);

    // Treatments, notes and diet rows
    int SearchTreatment(stTreatmentRecord filter);
    int GetTreatments(stTreatmentRecord* records, int max);
    int DelTreatment(int code);
    int AddTreatment(stTreatmentRecord record, int karteCode = 0);
    int ReplaceTreatment(stTreatmentRecord record);
    int GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first);
    int SearchNote(stNoteRecord filter);
    int GetNotes(stNoteRecord* records, int max);
    int DelNote(int code);
    int AddNote(stNoteRecord record, int karteCode = 0);
    int ReplaceNote(stNoteRecord record);
    int GetMedicalRecordOfStaffNote(QString staffNo, QString& first);
    int SearchDietInquiry(stDietInquiryRecord filter);
    int GetDietInquiries(stDietInquiryRecord* records, int max);
    int DelDietInquiry(int code);
    int AddDietInquiry(stDietInquiryRecord record, int karteCode = 0);
    int ReplaceDietInquiry(stDietInquiryRecord record);
    int GetAddedCode();

    // Kartes
    int GetMedicalRecordCount();
    int SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter);
    int SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate);
    int GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses, int max);
    int GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients,
                                        stExcursusRec* excursuses, int max);
    int GetMedicalRecordOfPatient(QString patientNo, QString& first);
    int DelMedicalRecord(QString karteNo, int karteCode = 0);
    int AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo);
    int ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo);

    // Check-ups
    int SearchCheckup(stCheckupRecord filter);
    int GetCheckups(stCheckupRecord* records, int max);
    int DelCheckup(int code);
    int AddCheckup(stCheckupRecord record, int karteCode = 0);
    int ReplaceCheckup(stCheckupRecord record);

private:
    // Binders: one per record, shared by its add and its replace, binding on Query2.
    void BindPatient(const stPatientRec& record);
    void BindStaff(const stStaffRecord& record);
    void BindKarte(const stMedicalRec& record);
    void BindDietInquiry(const stDietInquiryRecord& record);
    // Binds the questionnaire on Query2 and runs the statement there.
    void BindExcursusAndRun(const stExcursusRec& excursus);
    // Binds the check-up, the karte code last (KarteOfRow's answer, kept in iWrkKarteCode):
    // dbNoKarte when there is no such karte (KarteCode then stays unbound), else 0.
    int SetCheckupParams(stCheckupRecord record, int karteCode = 0);

    // Treatments and notes share their statements' shape: a dated text by a member on a karte.
    int SearchEntries(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                      const QString& text, const QString& staffNo, const QString& karteNo);
    template <class Entry>
    int ReadEntries(Entry* records, int max, const char* textColumn, QString Entry::*text);
    // Adds a note or treatment with `insert` as one unit with the lookups of its member and karte.
    int AddEntry(std::initializer_list<const char*> insert, TDateTime date, const char* textParam,
                 const QString& text, const QString& staffNo, const QString& karteNo, int karteCode);
    // Rewrites the note or treatment `code` of `table` with `update` as one unit with the checks
    // that its row is still there on a live karte and the lookups of its member and karte.
    int ReplaceEntry(std::initializer_list<const char*> update, const char* table, int code, TDateTime date,
                     const char* textParam, const QString& text, const QString& staffNo,
                     const QString& karteNo);
    // Binds a note's or treatment's date, text, member and karte on Query2 and runs the
    // statement: 1, or the code of the lookup that failed (nothing is run then).
    int BindEntryAndRun(TDateTime date, const char* textParam, const QString& text, const QString& staffNo,
                        const QString& karteNo, int karteCode = 0);
    int BindStaffAndKarte(TQuery* query, const QString& staffNo, const QString& karteNo, int karteCode);
    int ResolveStaffAndKarte(const QString& staffNo, const QString& karteNo, int& staffCode, int& karteCode);
    int ListKartesOfStaff(std::initializer_list<const char*> select, QString staffNo, QString& first);
    int SearchList(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                   const QString& text, const char* order);
    int DeleteByCode(const char* table, int code);

    int GetKarteCode(QString karteNo);
    // The karte a row is written onto: with `karteCode` above 0 that karte, only while it is
    // live and carries `karteNo`; with none, the live karte of the number. dbNoKarte when
    // there is no such karte or the lookup fails.
    int KarteOfRow(const QString& karteNo, int karteCode);
    QString GetKarteNo(int karteCode);
    // 0 when the karte `karteCode` is live and carries `karteNo`, else dbNoRow.
    int CheckLiveKarteNumber(int karteCode, const QString& karteNo);
    int GetExcursusCode(int karteCode);
    int GetPatientCode(QString patientNo);
    int GetStaffCode(QString staffNo);
    int GetStaffNo(int staffCode);

    // What a replace checks, under the write lock, before it writes: the integer `column` of
    // the row `code` of `table` (the karte or check-up it is on), dbNoRow when the row is gone;
    // whether a karte, or the karte of a check-up, is live (dbNoKarte when not). dbFailed
    // when a lookup fails.
    int GetRowOwner(const char* table, const char* column, int code);
    int CheckLiveKarte(int karteCode);
    int CheckCheckupOnLiveKarte(int checkupCode);
    // 0 when the row `code` of `table` is there and its karte is live; else the code to give.
    int CheckRowOnLiveKarte(const char* table, int code);

    // Runs the add `store` as one unit (InWriteTransaction on Query2). `store` gets where to put
    // the Code of the row it inserts; that Code becomes the added code once the add committed.
    template <class Store> int Adding(int commitFailure, Store store);

    int AddExcursus(stExcursusRec excursus);
    int ReplaceExcursus(stExcursusRec excursus);

    int iWrkKarteCode = 0; // the karte code of the last check-up add or replace
    int iAddedCode = 0;    // the Code of the row the last committed add gave
};

// The one data module, created first at start-up.
extern TDBDM* DBDM;
