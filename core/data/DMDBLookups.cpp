// The data module's lookups between numbers and codes, existence checks, the school
// name, and the reference lists (schools, occupations, foods, frequencies).
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "platform/rtl/IntText.h"

using namespace dmdb;

// ---------------------------------------------------------------------------------------------
// Code and number lookups

int TDBDM::GetExcursusCode(int karteCode)
{
    const Operation operation("GetExcursusCode");
    return LookUpInteger(
        Query3, {"SELECT", "  Code, KarteCode", "FROM", "  PSTable", "WHERE", "  KarteCode = :KarteCode;"},
        "KarteCode", karteCode, "Code");
}

int TDBDM::GetPatientCode(QString patientNo)
{
    const Operation operation("GetPatientCode");
    return LookUpInteger(Query3,
                         {"SELECT", "  Code, PatientNo, DeleteFlag", "FROM", "  Patient2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  PatientNo=:PatientNo;"},
                         "PatientNo", StrToIntDef(patientNo, 0), "Code");
}

int TDBDM::GetStaffCode(QString staffNo)
{
    const Operation operation("GetStaffCode");
    return LookUpInteger(Query3,
                         {"SELECT", "  Code, StaffNo, DeleteFlag", "FROM", "  Staff2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  StaffNo=:StaffNo;"},
                         "StaffNo", StrToIntDef(staffNo, 0), "Code");
}

int TDBDM::GetStaffNo(int staffCode)
{
    const Operation operation("GetStaffNo");
    return LookUpInteger(Query2,
                         {"SELECT", "  Code, StaffNo, DeleteFlag", "FROM", "  Staff2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  Code=:Code;"},
                         "Code", staffCode, "StaffNo");
}

int TDBDM::GetKarteCode(QString karteNo)
{
    const Operation operation("GetKarteCode");
    return LookUpInteger(Query3,
                         {"SELECT", "  Code, KarteNo, DeleteFlag", "FROM", "  KarteTable", "WHERE",
                          "  DeleteFlag = False", "AND", "  KarteNo=:KarteNo;"},
                         "KarteNo", karteNo, "Code");
}

int TDBDM::CheckLiveKarteNumber(int karteCode, const QString& karteNo)
{
    return Guarded("CheckLiveKarteNumber", dbFailed, [&] {
        Select(Query3, {"SELECT", "  Code", "FROM", "  KarteTable", "WHERE", "  Code=:Code", "AND",
                        "  KarteNo=:KarteNo", "AND", "  DeleteFlag = False;"});
        Query3->ParamByName("Code")->SetAsInteger(karteCode);
        Query3->ParamByName("KarteNo")->SetAsString(karteNo);
        return OpenFirst(Query3) ? 0 : dbNoRow;
    });
}

int TDBDM::KarteOfRow(const QString& karteNo, int karteCode)
{
    if (karteCode <= 0) {
        const int live = GetKarteCode(karteNo);
        return live == dbNoRow ? dbNoKarte : live;
    }
    const int rc = CheckLiveKarteNumber(karteCode, karteNo);
    // The karte the window shows is deleted, or carries another number now.
    if (rc == dbNoRow)
        return Stale(dbNoKarte);
    return rc < 0 ? rc : karteCode;
}

int TDBDM::ExamineeOfKarte(const QString& patientNo, int patientCode)
{
    if (patientCode <= 0)
        return GetPatientCode(patientNo);
    return Guarded("ExamineeOfKarte", dbFailed, [&] {
        Select(Query3, {"SELECT", "  Code", "FROM", "  Patient2Table", "WHERE", "  Code=:Code", "AND",
                        "  PatientNo=:PatientNo", "AND", "  DeleteFlag = False;"});
        Query3->ParamByName("Code")->SetAsInteger(patientCode);
        Query3->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(patientNo, 0));
        // The examinee the window shows is deleted, or holds another number now.
        return OpenFirst(Query3) ? patientCode : Stale(dbNoRow);
    });
}

QString TDBDM::GetKarteNo(int karteCode)
{
    return Guarded("GetKarteNo", IntToStr(dbFailed), [&] {
        Select(Query3, {"SELECT", "Code, KarteNo", "FROM", "KarteTable", "WHERE", "Code=:Code;"});
        Query3->ParamByName("Code")->SetAsInteger(karteCode);
        if (!OpenFirst(Query3))
            return IntToStr(dbNoRow);
        return Query3->FieldByName("KarteNo")->AsString();
    });
}

// ---------------------------------------------------------------------------------------------
// Existence checks and the school name

bool TDBDM::ExistKarteNo(QString karteNo)
{
    const Operation operation("ExistKarteNo");
    return HasRows(
        Query3,
        {"SELECT", "  KarteNo", "FROM", "  KarteTable", "WHERE", "  KarteNo=:KarteNo AND DeleteFlag=false;"},
        "KarteNo", karteNo);
}

bool TDBDM::ExistStaffNo(QString staffNo)
{
    const Operation operation("ExistStaffNo");
    return HasRows(
        Query3,
        {"SELECT", "  StaffNo", "FROM", "  Staff2Table", "WHERE", "  StaffNo=:StaffNo AND DeleteFlag=false;"},
        "StaffNo", StrToIntDef(staffNo, 0));
}

bool TDBDM::ExistPatientNo(QString patientNo)
{
    const Operation operation("ExistPatientNo");
    return HasRows(Query3,
                   {"SELECT", "  PatientNo", "FROM", "  Patient2Table", "WHERE",
                    "  PatientNo=:PatientNo AND DeleteFlag=false;"},
                   "PatientNo", StrToIntDef(patientNo, 0));
}

void TDBDM::GetSchoolName(int schoolCode, QString& name)
{
    name = Guarded("GetSchoolName", QString(), [&] {
        Select(Query3, {"SELECT", "  Code, Name", "FROM", "  SchoolTable", "WHERE", "  Code=:Code;"});
        Query3->ParamByName("Code")->SetAsInteger(schoolCode);
        return OpenFirst(Query3) ? Query3->FieldByName("Name")->AsString() : QString();
    });
}

// ---------------------------------------------------------------------------------------------
// Reference lists

// The searches of the reference lists: `select` up to the table, the name criterion when
// `text` is not empty, then the order.
int TDBDM::SearchList(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                      const QString& text, const char* order)
{
    return Caught(dbFailed, [&] {
        Select(Query1, select);
        if (!text.isEmpty())
            AddLines(Query1, {"WHERE", like});
        AddLines(Query1, {"ORDER BY", order});
        BindContains(Query1, likeParam, text);
        return OpenCount(Query1);
    });
}

int TDBDM::SearchSchool(stSchoolRecord filter)
{
    const Operation operation("SearchSchool");
    return SearchList({"SELECT", "  Code,", "  Name", "FROM", "  SchoolTable"}, "  Name LIKE :NameLike",
                      "NameLike", filter.asName, "  Name;");
}

int TDBDM::GetSchools(stSchoolRecord* records, int max)
{
    const Operation operation("GetSchools");
    return ReadRows(Query1, max, [&](int i) {
        records[i].iCode = Query1->FieldByName("Code")->AsInteger();
        records[i].asName = Query1->FieldByName("Name")->AsString();
    });
}

int TDBDM::GetJobCount()
{
    const Operation operation("GetJobCount");
    return CountRows(Query2, {"SELECT", "Code", "FROM", "JobTable;"});
}

int TDBDM::SearchJob(stJobRecord filter)
{
    const Operation operation("SearchJob");
    return SearchList({"SELECT", "  Code,", "  Job", "FROM", "  JobTable"}, "  Job LIKE :JobLike", "JobLike",
                      filter.asJob, "  Job;");
}

int TDBDM::GetJobs(stJobRecord* records, int max)
{
    const Operation operation("GetJobs");
    return ReadRows(Query1, max, [&](int i) {
        records[i].iCode = Query1->FieldByName("Code")->AsInteger();
        records[i].asJob = Query1->FieldByName("Job")->AsString();
    });
}

int TDBDM::SearchFood(stFoodRecord filter)
{
    const Operation operation("SearchFood");
    return SearchList({"SELECT", "  Code,", "  Name", "FROM", "  FoodTable"}, "  Name LIKE :NameLike",
                      "NameLike", filter.asName, "  Name;");
}

int TDBDM::GetFoods(stFoodRecord* records, int max)
{
    const Operation operation("GetFoods");
    return ReadRows(Query1, max, [&](int i) {
        records[i].iCode = Query1->FieldByName("Code")->AsInteger();
        records[i].asName = Query1->FieldByName("Name")->AsString();
    });
}

int TDBDM::SearchFrequency(stFrequencyRecord filter)
{
    const Operation operation("SearchFrequency");
    return SearchList({"SELECT", "  Code,", "  Name,", "  DispOrder", "FROM", "  FrequencyTable"},
                      "  Name LIKE :NameLike", "NameLike", filter.asName, "  DispOrder;");
}

int TDBDM::GetFrequencies(stFrequencyRecord* records, int max)
{
    const Operation operation("GetFrequencies");
    return ReadRows(Query1, max, [&](int i) {
        records[i].iCode = Query1->FieldByName("Code")->AsInteger();
        records[i].asName = Query1->FieldByName("Name")->AsString();
        records[i].iDispOrder = Query1->FieldByName("DispOrder")->AsInteger();
    });
}
