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
#include <memory>
#include <vector>

class TIniFile;
namespace dmdb {
class ReadingTransaction;
}

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
    int ReplacePatient(stPatientRec record, const stPatientRec* asRead = nullptr);

    // Members
    int GetStaffCount();
    int SearchStaff(stStaffRecord filter);
    int GetStaffs(stStaffRecord* records, int max);
    int DelStaff(int staffNo, int code = 0);
    int AddStaff(stStaffRecord record);
    int ReplaceStaff(stStaffRecord record, const stStaffRecord* asRead = nullptr);

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
    int SearchTreatment(stTreatmentRecord filter, int karteCode = 0);
    int GetTreatments(stTreatmentRecord* records, int max);
    int DelTreatment(int code, int karteCode = 0);
    int AddTreatment(stTreatmentRecord record, int karteCode = 0);
    int ReplaceTreatment(stTreatmentRecord record, int karteCode = 0,
                         const stTreatmentRecord* asRead = nullptr);
    int GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first);
    int SearchNote(stNoteRecord filter, int karteCode = 0);
    int GetNotes(stNoteRecord* records, int max);
    int DelNote(int code, int karteCode = 0);
    int AddNote(stNoteRecord record, int karteCode = 0);
    int ReplaceNote(stNoteRecord record, int karteCode = 0, const stNoteRecord* asRead = nullptr);
    int GetMedicalRecordOfStaffNote(QString staffNo, QString& first);
    int SearchDietInquiry(stDietInquiryRecord filter);
    int GetDietInquiries(stDietInquiryRecord* records, int max);
    int DelDietInquiry(int code, int karteCode = 0);
    int AddDietInquiry(stDietInquiryRecord record, int karteCode = 0);
    int ReplaceDietInquiry(stDietInquiryRecord record, int karteCode = 0,
                           const stDietInquiryRecord* asRead = nullptr);
    int GetAddedCode();

    // Kartes
    int GetMedicalRecordCount();
    int SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter);
    int SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate);
    int GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses, int max);
    int GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients,
                                        stExcursusRec* excursuses, int max);
    int GetMedicalRecord(int karteCode, QString karteNo, stMedicalRec& karte, stPatientRec& patient,
                         stExcursusRec& excursus);
    int GetMedicalRecordOfPatient(QString patientNo, QString& first);
    int DelMedicalRecord(QString karteNo, int karteCode = 0);
    int AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo);
    int ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo,
                             const stMedicalRec* asRead = nullptr,
                             const stExcursusRec* excursusAsRead = nullptr);

    // Check-ups
    int SearchCheckup(stCheckupRecord filter, int karteCode = 0);
    int GetCheckups(stCheckupRecord* records, int max);
    int DelCheckup(int code, int karteCode = 0);
    int AddCheckup(stCheckupRecord record, int karteCode = 0);
    int ReplaceCheckup(stCheckupRecord record, int karteCode = 0, const stCheckupRecord* asRead = nullptr);

    // The database folder, as the program names it, when a store cannot be written there.
    QString UnwritableDatabase();

    // Reads that see the database in one state, until EndReadingTogether (TReadingTogether).
    void StartReadingTogether();
    void EndReadingTogether();

private:
    // Binders: one per record, shared by its add and its replace, binding on Query2.
    void BindPatient(const stPatientRec& record);
    void BindStaff(const stStaffRecord& record);
    void BindKarte(const stMedicalRec& record);
    void BindDietInquiry(const stDietInquiryRecord& record);
    // Binds the questionnaire on Query2 and runs the statement there.
    void BindExcursusAndRun(const stExcursusRec& excursus);
    // Binds the check-up, the karte code last (KarteOfRow's answer, kept in iWrkKarteCode):
    // dbNoKarte when there is no such karte, dbFailed when its lookup fails (KarteCode then
    // stays unbound), else 0.
    int SetCheckupParams(stCheckupRecord record, int karteCode = 0);

    // Treatments and notes share their statements' shape: a dated text by a member on a karte.
    int SearchEntries(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                      const QString& text, const QString& staffNo, const QString& karteNo, int karteCode);
    template <class Entry>
    int ReadEntries(Entry* records, int max, const char* textColumn, QString Entry::*text);
    // Adds a note or treatment with `insert` as one unit with the lookups of its member and karte.
    int AddEntry(std::initializer_list<const char*> insert, TDateTime date, const char* textParam,
                 const QString& text, const QString& staffNo, const QString& karteNo, int karteCode);
    // Rewrites the note or treatment `record` of `table` with `update` as one unit with the checks
    // that its row is still there on a live karte (the karte `karteCode` when given) and still as
    // `asRead` when given, and the lookups of its member and karte.
    template <class Entry>
    int ReplaceEntry(std::initializer_list<const char*> update, const char* table, const char* textColumn,
                     QString Entry::*text, const Entry& record, int karteCode, const Entry* asRead);
    // The note or treatment `code` of `table` as its reader gives it: 1, dbNoRow when it is gone.
    template <class Entry>
    int ReadEntryRow(const char* table, const char* textColumn, QString Entry::*text, int code, Entry& row);
    // Binds a note's or treatment's date, text, member and karte on Query2 and runs the
    // statement: 1, or the code of the lookup that failed (nothing is run then).
    int BindEntryAndRun(TDateTime date, const char* textParam, const QString& text, const QString& staffNo,
                        const QString& karteNo, int karteCode = 0);
    int BindStaffAndKarte(TQuery* query, const QString& staffNo, const QString& karteNo, int karteCode);
    int ResolveStaffAndKarte(const QString& staffNo, const QString& karteNo, int karteCode, int& staffCode,
                             int& karte);
    int ListKartesOfStaff(std::initializer_list<const char*> select, QString staffNo, QString& first);
    int SearchList(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                   const QString& text, const char* order);
    int DeleteByCode(const char* table, int code);
    // With `karteCode` above 0 the row `code` of `table` goes only while `onKarte` (the check
    // that it is on that live karte) gives 0, checked in one write transaction with the delete;
    // without, it goes by its code alone.
    template <class OnKarte>
    int DeleteRowOfKarte(const char* table, int code, int karteCode, OnKarte onKarte);
    int DeleteRowOfKarte(const char* table, int code, int karteCode);

    int GetKarteCode(QString karteNo);
    // The karte a row is written onto: with `karteCode` above 0 that karte, only while it is
    // live and carries `karteNo`; with none, the live karte of the number. dbNoKarte when
    // there is no such karte, dbFailed when the lookup fails.
    int KarteOfRow(const QString& karteNo, int karteCode);
    // The examinee a karte is stored onto: with `patientCode` above 0 that examinee, only while
    // live and holding `patientNo`; with none, the live examinee of the number. dbNoRow when
    // there is no such examinee, dbFailed when the lookup fails.
    int ExamineeOfKarte(const QString& patientNo, int patientCode);
    QString GetKarteNo(int karteCode);
    // 0 when the karte `karteCode` is live and carries `karteNo`, else dbNoRow.
    int CheckLiveKarteNumber(int karteCode, const QString& karteNo);
    int GetExcursusCode(int karteCode);
    int GetPatientCode(QString patientNo);
    int GetStaffCode(QString staffNo);
    int GetStaffNo(int staffCode);

    // What a replace checks, under the write lock, before it writes: the integer `column` of
    // the row `code` of `table` (the karte or check-up it is on), dbNoRow when the row is gone;
    // whether a karte is live (dbNoKarte, kept as stale, when not). dbFailed when a lookup
    // fails.
    int GetRowOwner(const char* table, const char* column, int code);
    int CheckLiveKarte(int karteCode);
    // 0 when the row `code` of `table` is there and its karte is live (and is the karte
    // `karteCode` when that is above 0); else the code to give.
    int CheckRowOnLiveKarte(const char* table, int code, int karteCode = 0);
    // The same for the diet row `code`, through its check-up.
    int CheckDietRowOnLiveKarte(int code, int karteCode);

    // The rows as their readers give them, read again by a replace to compare them with the row
    // as the window read it: 1, dbNoRow when the row is gone (an examinee, member or karte also
    // when it is deleted), dbFailed on an exception.
    int ReadCheckupRow(int code, stCheckupRecord& row);
    int ReadDietRow(int code, stDietInquiryRecord& row);
    int ReadPatientRow(int code, stPatientRec& row);
    int ReadStaffRow(int code, stStaffRecord& row);
    int ReadKarteRow(int code, stMedicalRec& karte, stExcursusRec& excursus);

    // Runs `update`, a replace of the examinee or member `record`, as one unit in a write
    // transaction with, given the row as the window read it, the comparison with what `readRow`
    // reads now: what another program stored since is not written over.
    template <class Record, class Update>
    int ReplaceListed(const Record& record, const Record* asRead, int (TDBDM::*readRow)(int, Record&),
                      Update update);

    // Runs the add `store` as one unit (InWriteTransaction on Query2). `store` gets where to put
    // the Code of the row it inserts; that Code becomes the added code once the add committed.
    template <class Store> int Adding(int commitFailure, Store store);

    int AddExcursus(stExcursusRec excursus);
    int ReplaceExcursus(stExcursusRec excursus);

    std::unique_ptr<dmdb::ReadingTransaction> readingTogether;
    int iWrkKarteCode = 0; // the karte code of the last check-up add or replace
    int iAddedCode = 0;    // the Code of the row the last committed add gave
};

// The one data module, created first at start-up.
extern TDBDM* DBDM;
