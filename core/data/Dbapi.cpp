#include "core/data/Dbapi.h"

#include "core/data/DMDB.h"
#include "platform/rtl/IntText.h"

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
int ReplacePatient(stPatientRec record)
{
    return DBDM->ReplacePatient(record);
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
int ReplaceStaff(stStaffRecord record)
{
    return DBDM->ReplaceStaff(record);
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

int SearchTreatment(stTreatmentRecord filter)
{
    return DBDM->SearchTreatment(filter);
}
int GetTreatments(stTreatmentRecord* records, int max)
{
    return DBDM->GetTreatments(records, max);
}
int DelTreatment(stTreatmentRecord record)
{
    return DBDM->DelTreatment(record.iCode);
}
int AddTreatment(stTreatmentRecord record, int karteCode)
{
    return DBDM->AddTreatment(record, karteCode);
}
int ReplaceTreatment(stTreatmentRecord record)
{
    return DBDM->ReplaceTreatment(record);
}
int GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first)
{
    return DBDM->GetMedicalRecordOfStaffTreatment(staffNo, first);
}
int SearchNote(stNoteRecord filter)
{
    return DBDM->SearchNote(filter);
}
int GetNotes(stNoteRecord* records, int max)
{
    return DBDM->GetNotes(records, max);
}
int DelNote(stNoteRecord record)
{
    return DBDM->DelNote(record.iCode);
}
int AddNote(stNoteRecord record, int karteCode)
{
    return DBDM->AddNote(record, karteCode);
}
int ReplaceNote(stNoteRecord record)
{
    return DBDM->ReplaceNote(record);
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
int DelDietInquiry(stDietInquiryRecord record)
{
    return DBDM->DelDietInquiry(record.iCode);
}
int AddDietInquiry(stDietInquiryRecord record, int karteCode)
{
    return DBDM->AddDietInquiry(record, karteCode);
}
int ReplaceDietInquiry(stDietInquiryRecord record)
{
    return DBDM->ReplaceDietInquiry(record);
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
int ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo)
{
    return DBDM->ReplaceMedicalRecord(record, excursus, patientNo);
}

int SearchCheckup(stCheckupRecord filter)
{
    return DBDM->SearchCheckup(filter);
}
int GetCheckups(stCheckupRecord* records, int max)
{
    return DBDM->GetCheckups(records, max);
}
int DelCheckup(stCheckupRecord record)
{
    return DBDM->DelCheckup(record.iCode);
}
int AddCheckup(stCheckupRecord record, int karteCode)
{
    return DBDM->AddCheckup(record, karteCode);
}
int ReplaceCheckup(stCheckupRecord record)
{
    return DBDM->ReplaceCheckup(record);
}
