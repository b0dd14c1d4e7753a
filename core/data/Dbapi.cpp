#include "core/data/Dbapi.h"

#include "core/data/DMDB.h"
#include "core/data/StoreFailure.h"
#include "platform/rtl/IntText.h"

QString RefusalNote()
{
    switch (dmdb::LastRefusal()) {
    case dmdb::Refusal::Stale:
        return "\n\nこのデータは，ほかのプログラムで削除または変更されています。\n"
               "開き直してから，もう一度操作してください。";
    case dmdb::Refusal::ReadOnly:
        return "\n\nデータベースが読み取り専用のため，書き込めません。\n"
               "データベースのフォルダーとファイルに書き込めるようにしてから，もう一度操作してください。";
    case dmdb::Refusal::DiskFull:
        return "\n\nディスクがいっぱいのため，データベースに書き込めません。\n"
               "ディスクの空きを作ってから，もう一度操作してください。";
    case dmdb::Refusal::Locked:
        return "\n\nほかのプログラムがデータベースを使っているため，書き込めませんでした。\n"
               "しばらく待ってから，もう一度操作してください。";
    case dmdb::Refusal::None:
        break;
    }
    return QString();
}

QString UnwritableDatabase()
{
    return DBDM->UnwritableDatabase();
}

TReadingTogether::TReadingTogether()
{
    DBDM->StartReadingTogether();
}

TReadingTogether::~TReadingTogether()
{
    DBDM->EndReadingTogether();
}

int GetPatientCount()
{
    return DBDM->GetPatientCount();
}
int SearchPatient(stPatientRec filter)
{
    return DBDM->SearchPatient(filter);
}
int GetPatients(stPatientRec* records, int max)
{
    return DBDM->GetPatients(records, max);
}
int DelPatient(QString patientNo, int code)
{
    return DBDM->DelPatient(StrToIntDef(patientNo, 0), code);
}
int AddPatient(stPatientRec record)
{
    return DBDM->AddPatient(record);
}
int ReplacePatient(stPatientRec record, const stPatientRec* asRead)
{
    return DBDM->ReplacePatient(record, asRead);
}

int GetStaffCount()
{
    return DBDM->GetStaffCount();
}
int SearchStaff(stStaffRecord filter)
{
    return DBDM->SearchStaff(filter);
}
int GetStaffs(stStaffRecord* records, int max)
{
    return DBDM->GetStaffs(records, max);
}
int DelStaff(QString staffNo, int code)
{
    return DBDM->DelStaff(StrToIntDef(staffNo, 0), code);
}
int AddStaff(stStaffRecord record)
{
    return DBDM->AddStaff(record);
}
int ReplaceStaff(stStaffRecord record, const stStaffRecord* asRead)
{
    return DBDM->ReplaceStaff(record, asRead);
}

bool ExistKarteNo(QString karteNo)
{
    return DBDM->ExistKarteNo(karteNo);
}
bool ExistStaffNo(QString staffNo)
{
    return DBDM->ExistStaffNo(staffNo);
}
bool ExistPatientNo(QString patientNo)
{
    return DBDM->ExistPatientNo(patientNo);
}
QString GetSchoolName(int schoolCode)
{
    QString name;
    DBDM->GetSchoolName(schoolCode, name);
    return name;
}

int SearchSchool(stSchoolRecord filter)
{
    return DBDM->SearchSchool(filter);
}
int GetSchools(stSchoolRecord* records, int max)
{
    return DBDM->GetSchools(records, max);
}
int GetJobCount()
{
    return DBDM->GetJobCount();
}
int SearchJob(stJobRecord filter)
{
    return DBDM->SearchJob(filter);
}
int GetJobs(stJobRecord* records, int max)
{
    return DBDM->GetJobs(records, max);
}
int SearchFood(stFoodRecord filter)
{
    return DBDM->SearchFood(filter);
}
int GetFoods(stFoodRecord* records, int max)
{
    return DBDM->GetFoods(records, max);
}
int SearchFrequency(stFrequencyRecord filter)
{
    return DBDM->SearchFrequency(filter);
}
int GetFrequencies(stFrequencyRecord* records, int max)
{
    return DBDM->GetFrequencies(records, max);
}

int SearchTreatment(stTreatmentRecord filter, int karteCode)
{
    return DBDM->SearchTreatment(filter, karteCode);
}
int GetTreatments(stTreatmentRecord* records, int max)
{
    return DBDM->GetTreatments(records, max);
}
int DelTreatment(stTreatmentRecord record, int karteCode)
{
    return DBDM->DelTreatment(record.iCode, karteCode);
}
int AddTreatment(stTreatmentRecord record, int karteCode)
{
    return DBDM->AddTreatment(record, karteCode);
}
int ReplaceTreatment(stTreatmentRecord record, int karteCode, const stTreatmentRecord* asRead)
{
    return DBDM->ReplaceTreatment(record, karteCode, asRead);
}
int GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first)
{
    return DBDM->GetMedicalRecordOfStaffTreatment(staffNo, first);
}
int SearchNote(stNoteRecord filter, int karteCode)
{
    return DBDM->SearchNote(filter, karteCode);
}
int GetNotes(stNoteRecord* records, int max)
{
    return DBDM->GetNotes(records, max);
}
int DelNote(stNoteRecord record, int karteCode)
{
    return DBDM->DelNote(record.iCode, karteCode);
}
int AddNote(stNoteRecord record, int karteCode)
{
    return DBDM->AddNote(record, karteCode);
}
int ReplaceNote(stNoteRecord record, int karteCode, const stNoteRecord* asRead)
{
    return DBDM->ReplaceNote(record, karteCode, asRead);
}
int GetMedicalRecordOfStaffNote(QString staffNo, QString& first)
{
    return DBDM->GetMedicalRecordOfStaffNote(staffNo, first);
}
int SearchDietInquiry(stDietInquiryRecord filter)
{
    return DBDM->SearchDietInquiry(filter);
}
int GetDietInquiries(stDietInquiryRecord* records, int max)
{
    return DBDM->GetDietInquiries(records, max);
}
int DelDietInquiry(stDietInquiryRecord record, int karteCode)
{
    return DBDM->DelDietInquiry(record.iCode, karteCode);
}
int AddDietInquiry(stDietInquiryRecord record, int karteCode)
{
    return DBDM->AddDietInquiry(record, karteCode);
}
int ReplaceDietInquiry(stDietInquiryRecord record, int karteCode, const stDietInquiryRecord* asRead)
{
    return DBDM->ReplaceDietInquiry(record, karteCode, asRead);
}
int GetAddedCode()
{
    return DBDM->GetAddedCode();
}

int GetMedicalRecordCount()
{
    return DBDM->GetMedicalRecordCount();
}
int SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter)
{
    return DBDM->SearchMedicalRecord(filter, endDate, patientFilter);
}
int SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate)
{
    return DBDM->SearchMedicalRecordWithoutPatient(filter, endDate);
}
int GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses, int max)
{
    return DBDM->GetMedicalRecords(records, patients, excursuses, max);
}
int GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses,
                                    int max)
{
    return DBDM->GetMedicalRecordsWithoutPatient(records, patients, excursuses, max);
}
int GetMedicalRecord(int karteCode, QString karteNo, stMedicalRec& karte, stPatientRec& patient,
                     stExcursusRec& excursus)
{
    return DBDM->GetMedicalRecord(karteCode, karteNo, karte, patient, excursus);
}
int GetMedicalRecordOfPatient(QString patientNo, QString& first)
{
    return DBDM->GetMedicalRecordOfPatient(patientNo, first);
}
int DelMedicalRecord(QString karteNo, int karteCode)
{
    return DBDM->DelMedicalRecord(karteNo, karteCode);
}
int AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo)
{
    return DBDM->AddMedicalRecord(record, excursus, patientNo);
}
int ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo,
                         const stMedicalRec* asRead, const stExcursusRec* excursusAsRead)
{
    return DBDM->ReplaceMedicalRecord(record, excursus, patientNo, asRead, excursusAsRead);
}

int SearchCheckup(stCheckupRecord filter, int karteCode)
{
    return DBDM->SearchCheckup(filter, karteCode);
}
int GetCheckups(stCheckupRecord* records, int max)
{
    return DBDM->GetCheckups(records, max);
}
int DelCheckup(stCheckupRecord record, int karteCode)
{
    return DBDM->DelCheckup(record.iCode, karteCode);
}
int AddCheckup(stCheckupRecord record, int karteCode)
{
    return DBDM->AddCheckup(record, karteCode);
}
int ReplaceCheckup(stCheckupRecord record, int karteCode, const stCheckupRecord* asRead)
{
    return DBDM->ReplaceCheckup(record, karteCode, asRead);
}
