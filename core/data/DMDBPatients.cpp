// The data module's examinee operations.
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/MessageForms.h"

using namespace dmdb;

namespace {

// The columns of an examinee as the reader gives them, looked up once per walk.
class PatientColumns
{
public:
    explicit PatientColumns(TQuery* query)
        : c(query, {"PatientNo", "Name0", "Name1", "NameKana0", "NameKana1", "Birth", "Sex", "SchoolCode",
                    "Portrait", "Code"}),
          // Without the school's name when the result has none.
          schoolName(query->FindField("SchoolName"))
    {
    }
    void Read(stPatientRec& r) const
    {
        r.asPatientNo = IntToStr(c[0]->AsInteger());
        r.asName0 = c[1]->AsString();
        r.asName1 = c[2]->AsString();
        r.asNameKana0 = c[3]->AsString();
        r.asNameKana1 = c[4]->AsString();
        r.tBirth = c[5]->AsDateTime();
        r.iSex = c[6]->AsInteger();
        r.iSchoolCode = c[7]->AsInteger();
        r.asSchoolName = schoolName ? schoolName->AsString() : QString();
        r.asPortrait = c[8]->AsString();
        // The window's replace and delete act on the row it listed.
        r.iCode = c[9]->AsInteger();
    }

private:
    Columns c;
    const TField* schoolName;
};

} // namespace

int TDBDM::GetPatientCount()
{
    const Operation operation("GetPatientCount");
    return CountRows(Query2,
                     {"SELECT", "  Code", "FROM", "  Patient2Table", "WHERE", "  DeleteFlag = False;"});
}

int TDBDM::SearchPatient(stPatientRec filter)
{
    return Guarded("SearchPatient", dbFailed, [&] {
        Select(Query1, {"SELECT",
                        "  Code,",
                        "  PatientNo,",
                        "  Birth,",
                        "  Sex,",
                        "  Name0,",
                        "  Name1,",
                        "  Namekana0,",
                        "  NameKana1,",
                        "  SchoolCode,",
                        "  SchoolTable.Name AS SchoolName,",
                        "  Portrait,",
                        "  DeleteFlag",
                        "FROM",
                        "  (",
                        "    Patient2Table",
                        "  LEFT OUTER JOIN",
                        "    SchoolTable",
                        "  ON",
                        "    SchoolCode = SchoolTable.Code",
                        "  )",
                        "WHERE",
                        "  (",
                        "    DeleteFlag = False"});
        if (filter.iSex != -1)
            AddLines(Query1, {"  AND", "    Sex = :Sex"});
        AddLines(Query1, {"  )"});
        const Criterion criteria[] = {
            {filter.asPatientNo, "  OR", "    PatientNo = :PatientNo", "PatientNo", Criterion::Number},
            {filter.asName0, "  OR", "    Name0 LIKE :Name0Like", "Name0Like"},
            {filter.asName1, "  OR", "    Name1 LIKE :Name1Like", "Name1Like"},
            {filter.asNameKana0, "  OR", "    NameKana0 LIKE :NameKana0Like", "NameKana0Like"},
            {filter.asNameKana1, "  OR", "    NameKana1 LIKE :NameKana1Like", "NameKana1Like"},
            {filter.asSchoolName, "  OR", "    SchoolTable.Name LIKE :SchoolNameLike", "SchoolNameLike"},
        };
        AddAlternatives(Query1, {"  AND", "  ("}, criteria, "  )");
        AddLines(Query1, {"ORDER BY", "  PatientNo;"});
        if (filter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(filter.iSex);
        BindCriteria(Query1, criteria);
        return OpenCount(Query1);
    });
}

int TDBDM::GetPatients(stPatientRec* records, int max)
{
    return Guarded("GetPatients", dbFailed, [&] {
        const PatientColumns columns(Query1);
        return WalkRows(Query1, max, [&](int i) { columns.Read(records[i]); });
    });
}

int TDBDM::DelPatient(int iArgPatientNo, int code)
{
    return Guarded("DelPatient", dbFailed, [&] {
        widgets::ShowMessage("iArgPatientNo=" + IntToStr(iArgPatientNo) + "\n" + "(" + "TDBDM::DelPatient" +
                             ")");
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE Patient2Table SET", "  DeleteFlag=:DeleteFlag", "WHERE"});
        // Deliberately the row the window listed, when it names it, not every row of the number:
        // a person another program registered under a deleted one's number stays.
        const RowKey key(Query2, code, "  PatientNo=:PatientNo", {"  PatientNo=:PatientNo;"}, RowKey::Done);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("PatientNo")->SetAsInteger(iArgPatientNo);
        return key.Run();
    });
}

int TDBDM::AddPatient(stPatientRec record)
{
    const Operation operation("AddPatient");
    // Deliberately one write transaction from the check to the insert: of two programs adding
    // the same number at once, only one passes the check.
    return Adding(dbFailed, [&](int& inserted) {
        if (const int rc = CheckNumberFree(GetPatientCode(record.asPatientNo)); rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"INSERT INTO Patient2Table",
                              "(",
                              "  PatientNo,",
                              "  Birth,",
                              "  Sex,",
                              "  Name0,",
                              "  Name1,",
                              "  NameKana0,",
                              "  NameKana1,",
                              "  SchoolCode,",
                              "  Portrait,",
                              "  DeleteFlag",
                              ")",
                              "VALUES",
                              "(",
                              "  :PatientNo,",
                              "  :Birth,",
                              "  :Sex,",
                              "  :Name0,",
                              "  :Name1,",
                              "  :NameKana0,",
                              "  :NameKana1,",
                              "  :SchoolCode,",
                              "  :Portrait,",
                              "  :DeleteFlag",
                              ");"});
            BindPatient(record);
            Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
            Query2->ExecSQL();
            inserted = int(Query2->LastInsertId());
            return 1;
        });
    });
}

int TDBDM::ReplacePatient(stPatientRec record, const stPatientRec* asRead)
{
    const Operation operation("ReplacePatient");
    return ReplaceListed(record, asRead, &TDBDM::ReadPatientRow, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE Patient2Table SET", "Birth=:Birth,", "Sex=:Sex,", "Name0=:Name0,",
                          "Name1=:Name1,", "NameKana0=:NameKana0,", "NameKana1=:NameKana1,",
                          "SchoolCode=:SchoolCode,", "Portrait=:Portrait", "WHERE"});
        // Deliberately only the live row: a flagged examinee whose number was given again keeps
        // its data. And the row the window listed, when it names it: a person another program
        // registered under a deleted one's number is not overwritten with the deleted one's
        // names. A failure when no live examinee has the number (one deleted since it was
        // listed): the update wrote nothing, and the window must not say it was stored.
        const RowKey key(Query2, record.iCode, "  PatientNo=:PatientNo",
                         {"PatientNo=:PatientNo", "AND DeleteFlag = False;"}, RowKey::ChangedAny);
        BindPatient(record);
        return key.Run();
    });
}

int TDBDM::ReadPatientRow(int code, stPatientRec& row)
{
    return Guarded("ReadPatientRow", dbFailed, [&] {
        Select(Query2, {"SELECT", "  Code,", "  PatientNo,", "  Birth,", "  Sex,", "  Name0,", "  Name1,",
                        "  Namekana0,", "  NameKana1,", "  SchoolCode,", "  Portrait", "FROM",
                        "  Patient2Table", "WHERE", "  Code=:Code", "AND", "  DeleteFlag = False;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        PatientColumns(Query2).Read(row);
        return 1;
    });
}

void TDBDM::BindPatient(const stPatientRec& record)
{
    Query2->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(record.asPatientNo, 0));
    Query2->ParamByName("Birth")->SetAsDate(record.tBirth);
    Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
    Query2->ParamByName("Name0")->SetAsString(record.asName0);
    Query2->ParamByName("Name1")->SetAsString(record.asName1);
    Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
    Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
    Query2->ParamByName("SchoolCode")->SetAsInteger(record.iSchoolCode);
    Query2->ParamByName("Portrait")->SetAsString(record.asPortrait);
}
