#pragma once
// The windows' only way to the data store: one free function per data operation,
// forwarding to the data module, and the records that carry one row each way.
#include "platform/rtl/DateTime.h"

#include <QString>

// Return codes of the data store. Success is a count, a code or 1. The values are part of
// the windows' messages, which print them in parentheses, so they never change.
//
// Every operation:
//   dbFailed       -1    a statement raised an exception (a count, search, reader, write);
//                        for a karte store also: the examinee number has no live examinee
//   dbNoRow        -2    a lookup found no row; for notes and treatments (search, add,
//                        replace): the member number has no live member; for
//                        ReplaceMedicalRecord with an examinee: no live karte has the number;
//                        for ReplacePatient and ReplaceStaff: no live row has the number
//                        (with the row's Code given: that row is gone, deleted or holds
//                        another number); for DelPatient, DelStaff and DelMedicalRecord
//                        given the row's Code: the same; for the replaces of notes,
//                        treatments, check-ups and diet rows: the row is gone; nothing is
//                        written
//   dbNumberInUse  -100  the number to be added belongs to a live row (AddPatient,
//                        AddStaff, AddMedicalRecord); nothing is written
// Notes, treatments and check-ups (search, add, replace), diet rows (add, replace):
//   dbNoKarte      -3    the karte number has no live karte (for a diet row: its check-up
//                        is gone or its karte is not live); for an add given the karte's
//                        Code: that karte is deleted or no longer carries the number (for a
//                        diet row: the check-up is not on that live karte); for a replace
//                        also: the karte the row is on has been deleted (for a diet row: the
//                        karte of the check-up it is on); nothing is written
// AddMedicalRecord, one code per step:
//   dbKarteNotInserted      -2  the header insert failed; nothing is written
//   dbKarteNotReadBack      -3  the new header could not be looked up by its number
//   dbExcursusNotInserted   -4  the questionnaire insert failed (or the commit)
// ReplaceMedicalRecord, one code per step. With the karte's Code in iCode (above 0) it
// rewrites that karte, and only while it is live and carries the number: dbNoRow otherwise
// (also without an examinee). With no Code the karte is the live one of the number:
//   dbNoKarteToDetach       -12 no examinee given, and no live karte has the number
//   dbKarteNotDetached      -13 no examinee given, and the header update failed
//   dbKarteNotUpdated       -3  the header update failed
//   dbNoExcursus            -4  the karte has no questionnaire row (or its lookup failed)
//   dbExcursusNotUpdated    -5  the questionnaire update failed (or the commit)
// AddPatient, AddStaff, the karte stores and the adds and replaces of check-ups, notes,
// treatments and diet rows run in one write transaction from their checks to their commit, and
// a replace succeeds only when it changed the row it names: a step that fails
// writes nothing, and one that cannot take the write lock (another program held it through
// the busy timeout) gives dbFailed.
// A date the file cannot keep (NaN, infinite, outside the years 1 to 9999) fails the step
// that binds it: dbFailed, for a karte store its insert or update step; nothing is written.
// AddCheckup (success: the new row's code):
//   dbCheckupNotReadBack    -4  the new row could not be read back; it is not kept
inline constexpr int dbFailed = -1;
inline constexpr int dbNoRow = -2;
inline constexpr int dbNumberInUse = -100;
inline constexpr int dbNoKarte = -3;
inline constexpr int dbKarteNotInserted = -2;
inline constexpr int dbKarteNotReadBack = -3;
inline constexpr int dbExcursusNotInserted = -4;
inline constexpr int dbNoKarteToDetach = -12;
inline constexpr int dbKarteNotDetached = -13;
inline constexpr int dbKarteNotUpdated = -3;
inline constexpr int dbNoExcursus = -4;
inline constexpr int dbExcursusNotUpdated = -5;
inline constexpr int dbCheckupNotReadBack = -4;

// A store given the Code of the record the window shows acts on that record only, and a
// replace given the row as the window read it (`asRead`) stores only while the row is still
// so: a record another program deleted or changed since is refused with the code of its
// operation (for a replace: dbNoRow) and nothing is written. The window's box then adds
// RefusalNote().
//
// What the window adds to the box of a store the data store refused, where it knows more than
// the code (another program deleted or changed the record since the window read it): a line
// break and the reason in plain words; else the empty text. It speaks of the last operation.
QString RefusalNote();

// The database folder, as the program names it, when a store cannot be written there (the
// folder or the file is read-only to this user); the empty text when it can. Reads go on, and
// the stores succeed again, without a restart, once the database can be written.
QString UnwritableDatabase();

// While one lives, the data store's reads see the database in one state (another program's
// store waits until it goes): a window that reads a karte and its rows holds one, and lets it
// go before it shows anything. Nothing is written meanwhile.
class TReadingTogether
{
public:
    TReadingTogether();
    ~TReadingTogether();
    TReadingTogether(const TReadingTogether&) = delete;
    TReadingTogether& operator=(const TReadingTogether&) = delete;
};

// One examinee, with the name of the school.
struct stPatientRec
{
    int iCode = 0;       // the row's Code where the caller knows it (the row it listed or added); 0 for none
    QString asPatientNo; // decimal text; empty for a karte without examinee
    QString asName0;
    QString asName1;
    QString asNameKana0;
    QString asNameKana1;
    TDateTime tBirth;
    int iSex = 0; // 0 male, 1 female, -1 not given (any in a filter)
    int iSchoolCode = 0;
    QString asSchoolName; // through the join, not stored with the examinee
    QString asPortrait;   // bare file name of the photo
};

// One member of the check-up staff.
struct stStaffRecord
{
    int iCode = 0;     // the row's Code where the caller knows it (the row it listed or added); 0 for none
    QString asStaffNo; // decimal text
    int iJobCode = 0;  // -1 any in a filter
    int iSex = 0;      // -1 any in a filter
    QString asNameKanji0;
    QString asNameKanji1;
    QString asNameKana0;
    QString asNameKana1;
    QString asNameAlphabet0;
    QString asNameAlphabet1;
};

// One karte header.
struct stMedicalRec
{
    int iCode = 0; // the karte's Code where the caller knows it (the karte it loaded or added); 0 for none
    QString asMediRecNo;
    TDateTime tDate; // the start date in a search filter
    int iNext = 0;
    int iPatientCode = 0; // -1 for a karte without registered examinee
};

// The health questionnaire of one karte.
struct stExcursusRec
{
    int iCode = 0;
    int iKarteCode = 0;
    bool bAIDS = false;
    bool bTuberculosis = false;
    bool bBloodInfection = false;
    bool bHepatitis = false;
    bool bHepatitisB = false;
    bool bHepatitisC = false;
    bool bAirialInfection = false;
    bool bOtherInfection = false;
    QString asTuberculosisMemo;
    QString asBloodInfectionMemo;
    QString asAirialInfectionMemo;
    QString asOtherInfectionMemo;
    bool bQ1None = false;
    bool bQ1Anemia = false;
    bool bQ1Swelling = false;
    bool bQ1Bleeding = false;
    bool bQ1Fever = false;
    bool bQ1NoExtraction = false;
    bool bQ2None = false;
    bool bQ2Injection = false;
    bool bQ2Medicine = false;
    bool bQ2Others = false;
    QString asQ2OthersMemo;
    bool bQ3 = false;
    bool bQ43 = false;
    QString asQ43Memo;
    bool bQ42 = false;
    QString asQ42Memo;
    bool bQ41 = false;
    QString asQ41Memo;
    bool bQ40 = false;
};

// One check-up with its 52 tooth codes (right upper, left upper, right lower, left lower;
// in each the primary teeth A to E, then the permanent teeth 1 to 8).
struct stCheckupRecord
{
    int iCode = 0;
    TDateTime tDate;
    QString asKarteNo; // the table keeps the karte's Code
    int iSchoolCode = 0;
    QString asMemo;
    int iRTA = 0, iRTB = 0, iRTC = 0, iRTD = 0, iRTE = 0;
    int iRT1 = 0, iRT2 = 0, iRT3 = 0, iRT4 = 0, iRT5 = 0, iRT6 = 0, iRT7 = 0, iRT8 = 0;
    int iLTA = 0, iLTB = 0, iLTC = 0, iLTD = 0, iLTE = 0;
    int iLT1 = 0, iLT2 = 0, iLT3 = 0, iLT4 = 0, iLT5 = 0, iLT6 = 0, iLT7 = 0, iLT8 = 0;
    int iRBA = 0, iRBB = 0, iRBC = 0, iRBD = 0, iRBE = 0;
    int iRB1 = 0, iRB2 = 0, iRB3 = 0, iRB4 = 0, iRB5 = 0, iRB6 = 0, iRB7 = 0, iRB8 = 0;
    int iLBA = 0, iLBB = 0, iLBC = 0, iLBD = 0, iLBE = 0;
    int iLB1 = 0, iLB2 = 0, iLB3 = 0, iLB4 = 0, iLB5 = 0, iLB6 = 0, iLB7 = 0, iLB8 = 0;
};

// One treatment entry of a karte, with numbers in place of the table's codes.
struct stTreatmentRecord
{
    int iCode = 0;
    TDateTime tDate;
    QString asTreatment;
    QString asStaffNo;
    QString asKarteNo;
};

// One note of a karte, with numbers in place of the table's codes.
struct stNoteRecord
{
    int iCode = 0;
    TDateTime tDate;
    QString asDescription;
    QString asStaffNo;
    QString asKarteNo;
};

// One diet-inquiry row of a check-up.
struct stDietInquiryRecord
{
    int iCode = 0;
    int iFoodCode = 0;
    int iFrequencyCode = 0;
    int iCheckupCode = 0;
};

struct stJobRecord
{
    int iCode = 0;
    QString asJob;
};

struct stFoodRecord
{
    int iCode = 0;
    QString asName;
};

struct stFrequencyRecord
{
    int iCode = 0;
    QString asName;
    int iDispOrder = 0;
};

struct stSchoolRecord
{
    int iCode = 0;
    QString asName;
};

// Examinees
int GetPatientCount();
int SearchPatient(stPatientRec filter);
int GetPatients(stPatientRec* records, int max);
// With the examinee's Code (above 0) the delete and the replace act on that row only, while it
// is live and holds the number; without one, on the live row of the number (the delete: on
// every row of the number).
int DelPatient(QString patientNo, int code = 0);
int AddPatient(stPatientRec record);
int ReplacePatient(stPatientRec record, const stPatientRec* asRead = nullptr);

// Members
int GetStaffCount();
int SearchStaff(stStaffRecord filter);
int GetStaffs(stStaffRecord* records, int max);
// With the member's Code (above 0) the delete and the replace act on that row only, as for
// an examinee.
int DelStaff(QString staffNo, int code = 0);
int AddStaff(stStaffRecord record);
int ReplaceStaff(stStaffRecord record, const stStaffRecord* asRead = nullptr);

// Existence checks and the school name
bool ExistKarteNo(QString karteNo);
bool ExistStaffNo(QString staffNo);
bool ExistPatientNo(QString patientNo);
QString GetSchoolName(int schoolCode);

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

// Treatments, notes and diet rows. With the karte's Code (above 0):
// - a search by karte number gives the rows of that karte, only while it is live and carries
//   the number (dbNoKarte otherwise);
// - a new note, treatment or check-up goes onto that karte, only while it is live and carries
//   the record's karte number; without one, onto the live karte of the number;
// - a delete or replace acts only on a row of that live karte (dbNoRow for a row on another
//   karte or gone, dbNoKarte for a karte no longer live), and a replace keeps the row there.
int SearchTreatment(stTreatmentRecord filter, int karteCode = 0);
int GetTreatments(stTreatmentRecord* records, int max);
int DelTreatment(stTreatmentRecord record, int karteCode = 0);
int AddTreatment(stTreatmentRecord record, int karteCode = 0);
int ReplaceTreatment(stTreatmentRecord record, int karteCode = 0, const stTreatmentRecord* asRead = nullptr);
int GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first);
int SearchNote(stNoteRecord filter, int karteCode = 0);
int GetNotes(stNoteRecord* records, int max);
int DelNote(stNoteRecord record, int karteCode = 0);
int AddNote(stNoteRecord record, int karteCode = 0);
int ReplaceNote(stNoteRecord record, int karteCode = 0, const stNoteRecord* asRead = nullptr);
int GetMedicalRecordOfStaffNote(QString staffNo, QString& first);
int SearchDietInquiry(stDietInquiryRecord filter);
int GetDietInquiries(stDietInquiryRecord* records, int max);
// With the karte's Code (above 0) a diet row is added, changed or deleted only on a check-up of
// that live karte.
int DelDietInquiry(stDietInquiryRecord record, int karteCode = 0);
int AddDietInquiry(stDietInquiryRecord record, int karteCode = 0);
int ReplaceDietInquiry(stDietInquiryRecord record, int karteCode = 0,
                       const stDietInquiryRecord* asRead = nullptr);
// The Code the table gave the row of the last committed add of a note, treatment, diet row,
// karte, examinee or member (those adds return 1, not the code).
int GetAddedCode();

// Kartes
int GetMedicalRecordCount();
int SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter);
int SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate);
int GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses, int max);
int GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses,
                                    int max);
// The karte `karteCode` with its examinee and questionnaire, as the search's reader gives
// them, only while it is live and carries `karteNo`: 1; dbNoRow when not; dbFailed.
int GetMedicalRecord(int karteCode, QString karteNo, stMedicalRec& karte, stPatientRec& patient,
                     stExcursusRec& excursus);
int GetMedicalRecordOfPatient(QString patientNo, QString& first);
// With the karte's Code (above 0) only that karte is flagged, while it is live and carries the
// number; without one, every karte of the number.
int DelMedicalRecord(QString karteNo, int karteCode = 0);
// With the examinee's Code in the header's iPatientCode (above 0) the karte is stored onto that
// examinee, only while it is live and holds `patientNo` (dbFailed otherwise); without one,
// onto the live examinee of the number. A replace given the karte's Code and the header and
// questionnaire as the window read them stores only while the karte is still so.
int AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo);
int ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo,
                         const stMedicalRec* asRead = nullptr, const stExcursusRec* excursusAsRead = nullptr);

// Check-ups, with the karte's Code as for notes.
int SearchCheckup(stCheckupRecord filter, int karteCode = 0);
int GetCheckups(stCheckupRecord* records, int max);
int DelCheckup(stCheckupRecord record, int karteCode = 0);
int AddCheckup(stCheckupRecord record, int karteCode = 0);
int ReplaceCheckup(stCheckupRecord record, int karteCode = 0, const stCheckupRecord* asRead = nullptr);
