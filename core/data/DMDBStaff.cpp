// The data module's member operations.
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "platform/rtl/IntText.h"

using namespace dmdb;

namespace {

// The columns of a member as the reader gives them, looked up once per walk.
class StaffColumns
{
public:
    explicit StaffColumns(TQuery* query)
        : c(query, {"StaffNo", "JobCode", "Sex", "NameKanji0", "NameKanji1", "NameKana0", "NameKana1",
                    "NameAlphabet0", "NameAlphabet1", "Code"})
    {
    }
    void Read(stStaffRecord& r) const
    {
        r.asStaffNo = IntToStr(c[0]->AsInteger());
        r.iJobCode = c[1]->AsInteger();
        r.iSex = c[2]->AsInteger();
        r.asNameKanji0 = c[3]->AsString();
        r.asNameKanji1 = c[4]->AsString();
        r.asNameKana0 = c[5]->AsString();
        r.asNameKana1 = c[6]->AsString();
        r.asNameAlphabet0 = c[7]->AsString();
        r.asNameAlphabet1 = c[8]->AsString();
        // The window's replace and delete act on the row it listed.
        r.iCode = c[9]->AsInteger();
    }

private:
    Columns c;
};

} // namespace

int TDBDM::GetStaffCount()
{
    const Operation operation("GetStaffCount");
    return CountRows(Query2, {"SELECT", "Code", "FROM", "Staff2Table", "WHERE", "DeleteFlag = False;"});
}

int TDBDM::SearchStaff(stStaffRecord filter)
{
    return Guarded("SearchStaff", dbFailed, [&] {
        Select(Query1,
               {"SELECT", "  Code,", "  JobCode,", "  StaffNo,", "  Sex,", "  NameKanji0,", "  NameKanji1,",
                "  Namekana0,", "  NameKana1,", "  NameAlphabet0,", "  NameAlphabet1,", "  DeleteFlag",
                "FROM", "  Staff2Table", "WHERE", "(", "  DeleteFlag = False"});
        if (filter.iSex != -1)
            AddLines(Query1, {"AND", "  Sex=:Sex"});
        if (filter.iJobCode != -1)
            AddLines(Query1, {"AND", "  JobCode=:JobCode"});
        AddLines(Query1, {")"});
        const Criterion criteria[] = {
            {filter.asStaffNo, "OR", "  StaffNo=:StaffNo", "StaffNo", Criterion::Number},
            {filter.asNameKanji0, "OR", "  NameKanji0 LIKE :NameKanji0Like", "NameKanji0Like"},
            {filter.asNameKanji1, "OR", "  NameKanji1 LIKE :NameKanji1Like", "NameKanji1Like"},
            {filter.asNameKana0, "OR", "NameKana0 LIKE :NameKana0Like", "NameKana0Like"},
            {filter.asNameKana1, "OR", "NameKana1 LIKE :NameKana1Like", "NameKana1Like"},
            {filter.asNameAlphabet0, "OR", "NameAlphabet0 LIKE :NameAlphabet0Like", "NameAlphabet0Like"},
            {filter.asNameAlphabet1, "OR", "NameAlphabet1 LIKE :NameAlphabet1Like", "NameAlphabet1Like"},
        };
        AddAlternatives(Query1, {"AND", "("}, criteria, ")");
        AddLines(Query1, {"ORDER BY", "  StaffNo;"});
        if (filter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(filter.iSex);
        if (filter.iJobCode != -1)
            Query1->ParamByName("JobCode")->SetAsInteger(filter.iJobCode);
        BindCriteria(Query1, criteria);
        return OpenCount(Query1);
    });
}

int TDBDM::GetStaffs(stStaffRecord* records, int max)
{
    return Guarded("GetStaffs", dbFailed, [&] {
        const StaffColumns columns(Query1);
        return WalkRows(Query1, max, [&](int i) { columns.Read(records[i]); });
    });
}

int TDBDM::DelStaff(int staffNo, int code)
{
    return Guarded("DelStaff", dbFailed, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE Staff2Table SET", "  DeleteFlag = :DeleteFlag", "WHERE"});
        // Deliberately the row the window listed, when it names it, as for an examinee.
        // The statement names the number ":STaffNo", bound as StaffNo, as it always did.
        const RowKey key(Query2, code, "  StaffNo = :STaffNo", {" StaffNo = :STaffNo;"}, RowKey::Done);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("StaffNo")->SetAsInteger(staffNo);
        return key.Run();
    });
}

int TDBDM::AddStaff(stStaffRecord record)
{
    const Operation operation("AddStaff");
    // Deliberately one write transaction from the check to the insert: of two programs adding
    // the same number at once, only one passes the check.
    return Adding(dbFailed, [&](int& inserted) {
        if (const int rc = CheckNumberFree(GetStaffCode(record.asStaffNo)); rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"INSERT INTO Staff2Table",
                              "(",
                              "  JobCode,",
                              "  StaffNo,",
                              "  Sex,",
                              "  NameKanji0,",
                              "  NameKanji1,",
                              "  NameKana0,",
                              "  NameKana1,",
                              "  NameAlphabet0,",
                              "  NameAlphabet1,",
                              "  DeleteFlag",
                              ")",
                              "VALUES",
                              "(",
                              "  :JobCode,",
                              "  :StaffNo,",
                              "  :Sex,",
                              "  :NameKanji0,",
                              "  :NameKanji1,",
                              "  :NameKana0,",
                              "  :NameKana1,",
                              "  :NameAlphabet0,",
                              "  :NameAlphabet1,",
                              "  :DeleteFlag",
                              ");"});
            BindStaff(record);
            Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
            Query2->ExecSQL();
            inserted = int(Query2->LastInsertId());
            return 1;
        });
    });
}

int TDBDM::ReplaceStaff(stStaffRecord record, const stStaffRecord* asRead)
{
    const Operation operation("ReplaceStaff");
    return ReplaceListed(record, asRead, &TDBDM::ReadStaffRow, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE Staff2Table SET", "  JobCode = :JobCode,", "  Sex = :Sex,",
                          "  NameKanji0 = :NameKanji0,", "  NameKanji1 = :NameKanji1,",
                          "  NameKana0 = :NameKana0,", "  NameKana1 = :NameKana1,",
                          "  NameAlphabet0 = :NameAlphabet0,", "  NameAlphabet1 = :NameAlphabet1", "WHERE"});
        // Deliberately only the live row, and the row the window listed, as for an examinee.
        const RowKey key(Query2, record.iCode, "  StaffNo = :StaffNo",
                         {"  StaffNo = :StaffNo", "  AND DeleteFlag = False;"}, RowKey::ChangedAny);
        BindStaff(record);
        return key.Run();
    });
}

int TDBDM::ReadStaffRow(int code, stStaffRecord& row)
{
    return Guarded("ReadStaffRow", dbFailed, [&] {
        Select(Query2,
               {"SELECT", "  Code,", "  JobCode,", "  StaffNo,", "  Sex,", "  NameKanji0,", "  NameKanji1,",
                "  Namekana0,", "  NameKana1,", "  NameAlphabet0,", "  NameAlphabet1", "FROM",
                "  Staff2Table", "WHERE", "  Code=:Code", "AND", "  DeleteFlag = False;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        StaffColumns(Query2).Read(row);
        return 1;
    });
}

void TDBDM::BindStaff(const stStaffRecord& record)
{
    Query2->ParamByName("JobCode")->SetAsInteger(record.iJobCode);
    Query2->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(record.asStaffNo, 0));
    Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
    Query2->ParamByName("NameKanji0")->SetAsString(record.asNameKanji0);
    Query2->ParamByName("NameKanji1")->SetAsString(record.asNameKanji1);
    Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
    Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
    Query2->ParamByName("NameAlphabet0")->SetAsString(record.asNameAlphabet0);
    Query2->ParamByName("NameAlphabet1")->SetAsString(record.asNameAlphabet1);
}
