// The data module's kartes: the karte searches and their readers, the examinee's karte
// list, and the store and delete of a karte with its questionnaire.
#include "core/data/Answers.h"
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "platform/rtl/IntText.h"

#include <iterator>

using namespace dmdb;

namespace {

QString AliasLine(const QString& column, const QString& alias, bool last = false)
{
    return "  " + column.leftJustified(27, ' ') + " AS " + alias + (last ? "" : ",");
}

void AddExcursusAliasLines(TQuery* query)
{
    query->SQL->Add(AliasLine("PSTable.Code", "PSCode"));
    query->SQL->Add(AliasLine("PSTable.KarteCode", "PSKarteCode"));
    const int count = int(std::size(AnswersInColumnOrder));
    for (int i = 0; i < count; ++i) {
        const QString column = QString::fromLatin1(AnswersInColumnOrder[i].column);
        query->SQL->Add(AliasLine("PSTable." + column, "PS" + column, i == count - 1));
    }
}

// The questionnaire columns, named with `prefix` (a karte search's "PS"), looked up once per
// walk.
class ExcursusColumns
{
public:
    explicit ExcursusColumns(TQuery* query, const QString& prefix = "PS")
        : code(query->FieldByName(prefix + "Code")), karteCode(query->FieldByName(prefix + "KarteCode"))
    {
        for (const Answer& answer : AnswersInColumnOrder)
            answers.push_back(query->FieldByName(prefix + QString::fromLatin1(answer.column)));
    }
    void Read(stExcursusRec& excursus) const
    {
        excursus.iCode = code->AsInteger();
        excursus.iKarteCode = karteCode->AsInteger();
        for (size_t i = 0; i < answers.size(); ++i) {
            const Answer& answer = AnswersInColumnOrder[i];
            if (answer.flag)
                excursus.*answer.flag = answers[i]->AsBoolean();
            else
                excursus.*answer.memo = answers[i]->AsString();
        }
    }

private:
    TField* code;
    TField* karteCode;
    std::vector<TField*> answers;
};

// A karte search's columns of the karte, its examinee and its questionnaire, looked up once
// per walk.
class KarteColumns
{
public:
    explicit KarteColumns(TQuery* query)
        : c(query, {"KarteNo", "RDate", "Next", "PatientCode", "PPatientNo", "PName0", "PName1", "PNameKana0",
                    "PNameKana1", "PBirth", "PSex", "PSchoolCode", "SchoolName", "PPortrait", "Code"}),
          answers(query)
    {
    }
    void Read(stMedicalRec& r, stPatientRec& p, stExcursusRec& e) const
    {
        r.iCode = c[14]->AsInteger();
        r.asMediRecNo = c[0]->AsString();
        r.tDate = c[1]->AsDateTime();
        r.iNext = c[2]->AsInteger();
        r.iPatientCode = c[3]->AsInteger();
        // The karte editor attaches a karte to the examinee it read.
        p.iCode = r.iPatientCode > 0 ? r.iPatientCode : 0;
        p.asPatientNo = IntToStr(c[4]->AsInteger());
        p.asName0 = c[5]->AsString();
        p.asName1 = c[6]->AsString();
        p.asNameKana0 = c[7]->AsString();
        p.asNameKana1 = c[8]->AsString();
        p.tBirth = c[9]->AsDateTime();
        p.iSex = c[10]->AsInteger();
        if (r.iPatientCode == -1) {
            p.asPatientNo = QString();
            p.iSex = -1;
        }
        p.iSchoolCode = c[11]->AsInteger();
        p.asSchoolName = c[12]->AsString();
        p.asPortrait = c[13]->AsString();
        answers.Read(e);
    }

private:
    Columns c;
    ExcursusColumns answers;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Karte search and read

namespace {

// The karte search's statement up to its criteria: the live kartes with their examinee, school
// and questionnaire.
void SelectKartes(TQuery* query)
{
    Select(query,
           {"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  DeleteFlag,", "  PatientCode,"});
    query->SQL->Add(AliasLine("Patient2Table.PatientNo", "PPatientNo"));
    query->SQL->Add(AliasLine("Patient2Table.Birth", "PBirth"));
    query->SQL->Add(AliasLine("Patient2Table.Sex", "PSex"));
    query->SQL->Add(AliasLine("Patient2Table.Name0", "PName0"));
    query->SQL->Add(AliasLine("Patient2Table.Name1", "PName1"));
    query->SQL->Add(AliasLine("Patient2Table.Namekana0", "PNamekana0"));
    query->SQL->Add(AliasLine("Patient2Table.NameKana1", "PNameKana1"));
    query->SQL->Add(AliasLine("Patient2Table.SchoolCode", "PSchoolCode"));
    query->SQL->Add(AliasLine("SchoolTable.Name", "SchoolName"));
    query->SQL->Add(AliasLine("Patient2Table.Portrait", "PPortrait"));
    query->SQL->Add(AliasLine("Patient2Table.DeleteFlag", "PDeleteFlag"));
    AddExcursusAliasLines(query);
    AddLines(query, {"FROM",
                     "  (",
                     "    (",
                     "    KarteTable ",
                     "    LEFT OUTER JOIN",
                     "      Patient2Table",
                     "    ON",
                     "      PatientCode = Patient2Table.Code",
                     "    )",
                     "    LEFT OUTER JOIN",
                     "      SchoolTable",
                     "    ON",
                     "      Patient2Table.SchoolCode = SchoolTable.Code",
                     "  )",
                     "  ,",
                     "  PSTable",
                     "WHERE",
                     "(",
                     "    DeleteFlag = False",
                     "  AND",
                     "    Code = PSTable.KarteCode"});
}

} // namespace

int TDBDM::GetMedicalRecordCount()
{
    const Operation operation("GetMedicalRecordCount");
    return CountRows(Query2, {"SELECT", "  Code", "FROM", "  KarteTable", "WHERE", "  DeleteFlag = False;"});
}

int TDBDM::SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter)
{
    return Guarded("SearchMedicalRecord", dbFailed, [&] {
        SelectKartes(Query1);
        if (patientFilter.iSex != -1)
            AddLines(Query1, {"  AND", "    Patient2Table.Sex = :Sex"});
        AddLines(Query1, {"  AND", "    RDate >= :StartDate", "  AND", "    RDate <= :EndDate", ")"});
        const Criterion criteria[] = {
            {patientFilter.asPatientNo, "  OR", "    Patient2Table.PatientNo = :PatientNo", "PatientNo",
             Criterion::Number},
            {filter.asMediRecNo, "  OR", "    KarteNo LIKE :KarteNoLike", "KarteNoLike"},
            {patientFilter.asName0, "  OR", "    Patient2Table.Name0 LIKE :Name0Like", "Name0Like"},
            {patientFilter.asName1, "  OR", "    Patient2Table.Name1 LIKE :Name1Like", "Name1Like"},
            {patientFilter.asNameKana0, "  OR", "    Patient2Table.NameKana0 LIKE :NameKana0Like",
             "NameKana0Like"},
            {patientFilter.asNameKana1, "OR", "Patient2Table.NameKana1 LIKE :NameKana1Like", "NameKana1Like"},
            {patientFilter.asSchoolName, "  OR", "    SchoolTable.Name LIKE :SchoolNameLike",
             "SchoolNameLike"},
        };
        AddAlternatives(Query1, {"AND", "("}, criteria, ")");
        AddLines(Query1, {"ORDER BY", "  KarteNo;"});
        if (patientFilter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(patientFilter.iSex);
        Query1->ParamByName("StartDate")->SetAsDate(filter.tDate);
        Query1->ParamByName("EndDate")->SetAsDate(endDate);
        BindCriteria(Query1, criteria);
        return OpenCount(Query1);
    });
}

int TDBDM::SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate)
{
    return Guarded("SearchMedicalRecordWithoutPatient", dbFailed, [&] {
        Select(Query1,
               {"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  PatientCode,", "  DeleteFlag,"});
        AddExcursusAliasLines(Query1);
        AddLines(Query1, {"FROM", "  KarteTable,", "  PSTable", "WHERE", "(", "    DeleteFlag = False",
                          "  AND", "    PatientCode = -1", "  AND", "    Code = PSTable.KarteCode", "  AND",
                          "    RDate >= :StartDate", "  AND", "    RDate <= :EndDate", ")"});
        if (!filter.asMediRecNo.isEmpty())
            AddLines(Query1, {"AND", "(", "    KarteNo LIKE :KarteNoLike", ")"});
        AddLines(Query1, {"ORDER BY", "  KarteNo;"});
        Query1->ParamByName("StartDate")->SetAsDate(filter.tDate);
        Query1->ParamByName("EndDate")->SetAsDate(endDate);
        BindContains(Query1, "KarteNoLike", filter.asMediRecNo);
        return OpenCount(Query1);
    });
}

int TDBDM::GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses,
                             int max)
{
    return Guarded("GetMedicalRecords", dbFailed, [&] {
        Query1->First();
        if (Query1->Eof())
            return 0;
        const KarteColumns columns(Query1);
        return WalkRows(Query1, max, [&](int i) { columns.Read(records[i], patients[i], excursuses[i]); });
    });
}

int TDBDM::GetMedicalRecord(int karteCode, QString karteNo, stMedicalRec& karte, stPatientRec& patient,
                            stExcursusRec& excursus)
{
    return Guarded("GetMedicalRecord", dbFailed, [&] {
        SelectKartes(Query1);
        AddLines(Query1, {"  AND", "    KarteTable.Code = :Code", "  AND", "    KarteNo = :KarteNo", ");"});
        Query1->ParamByName("Code")->SetAsInteger(karteCode);
        Query1->ParamByName("KarteNo")->SetAsString(karteNo);
        // The karte the window listed is deleted, or carries another number now.
        if (OpenCount(Query1) == 0)
            return Stale(dbNoRow);
        KarteColumns(Query1).Read(karte, patient, excursus);
        return 1;
    });
}

int TDBDM::GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients,
                                           stExcursusRec* excursuses, int max)
{
    return Guarded("GetMedicalRecordsWithoutPatient", dbFailed, [&] {
        Query1->First();
        if (Query1->Eof())
            return 0;
        const Columns c(Query1, {"KarteNo", "RDate", "Next", "Code"});
        const ExcursusColumns answers(Query1);
        return WalkRows(Query1, max, [&](int i) {
            stMedicalRec& r = records[i];
            r.iCode = c[3]->AsInteger();
            r.asMediRecNo = c[0]->AsString();
            r.tDate = c[1]->AsDateTime();
            r.iNext = c[2]->AsInteger();
            r.iPatientCode = -1;
            stPatientRec blank;
            blank.tBirth = 0;
            blank.iSex = -1;
            blank.iSchoolCode = -1;
            patients[i] = blank;
            answers.Read(excursuses[i]);
        });
    });
}

int TDBDM::GetMedicalRecordOfPatient(QString patientNo, QString& first)
{
    const Operation operation("GetMedicalRecordOfPatient");
    first = QString();
    return Caught(dbFailed, [&] {
        Select(Query2, {"SELECT", "  Code, KarteNo, RDate, PatientCode", "FROM",
                        "  KarteTable AS KT, Patient2Table AS PT", "WHERE", "  KT.DeleteFlag = false", "AND",
                        "  KT.PatientCode = PT.Code", "AND", "  PT.PatientNo = :PatientNo", ";"});
        Query2->ParamByName("PatientNo")->SetAsInteger(StrToInt(patientNo));
        return OpenKarteList(Query2, first);
    });
}

// ---------------------------------------------------------------------------------------------
// Karte store and delete

int TDBDM::DelMedicalRecord(QString karteNo, int karteCode)
{
    return Guarded("DelMedicalRecord", dbFailed, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE KarteTable SET", "DeleteFlag=:DeleteFlag", "WHERE"});
        // Deliberately the karte the window shows, when it names it, not every karte of the
        // number: when another program has deleted it and given its number to a new karte, the
        // new karte, another child's, stays.
        const RowKey key(Query2, karteCode, "KarteNo=:KarteNo", {"KarteNo=:KarteNo;"}, RowKey::Done);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("KarteNo")->SetAsString(karteNo);
        return key.Run();
    });
}

int TDBDM::AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo)
{
    const Operation operation("AddMedicalRecord");
    // Deliberately one write transaction, taken before the check: a failed step leaves none of
    // the earlier ones written (a live karte without its questionnaire is never found, yet holds
    // its number), and of two programs adding the same number at once only one passes the
    // check. Each step keeps its code.
    return Adding(dbExcursusNotInserted, [&](int& inserted) {
        if (const int rc = CheckNumberFree(GetKarteCode(record.asMediRecNo)); rc < 0)
            return rc;
        int patientCode = -1;
        if (!patientNo.isEmpty()) {
            // Deliberately the examinee the window chose, when it names it: not a person
            // another program registered under that number since.
            patientCode = ExamineeOfKarte(patientNo, record.iPatientCode);
            if (patientCode < 0)
                return dbFailed;
        }
        const int karteCode = Caught(dbKarteNotInserted, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"INSERT INTO KarteTable", "(", "KarteNo,", "RDate,", "Next,", "PatientCode,",
                              "DeleteFlag", ")", "VALUES", "(", ":KarteNo,", ":RDate,", ":Next,",
                              ":PatientCode,", ":DeleteFlag", ");"});
            BindKarte(record);
            Query2->ParamByName("PatientCode")->SetAsInteger(patientCode);
            Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
            Query2->ExecSQL();
            return int(Query2->LastInsertId());
        });
        if (karteCode < 0)
            return karteCode;
        // The new header's code comes from its insert; the read-back by number confirms it is
        // the live karte of that number.
        if (GetKarteCode(record.asMediRecNo) != karteCode)
            return dbKarteNotReadBack;
        excursus.iKarteCode = karteCode;
        if (AddExcursus(excursus) < 0)
            return dbExcursusNotInserted;
        inserted = karteCode;
        return 1;
    });
}

int TDBDM::ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo,
                                const stMedicalRec* asRead, const stExcursusRec* excursusAsRead)
{
    const Operation operation("ReplaceMedicalRecord");
    // Deliberately one write transaction, taken before the lookups: header and questionnaire
    // are rewritten together or not at all. Each step keeps its code.
    return InWriteTransaction(Query2, dbExcursusNotUpdated, [&] {
        // Without an examinee number the karte is detached from its examinee; its steps have
        // codes of their own.
        const bool detach = patientNo.isEmpty();
        int patientCode = -1;
        if (!detach) {
            // Deliberately the examinee the window holds, as for an add.
            patientCode = ExamineeOfKarte(patientNo, record.iPatientCode);
            if (patientCode < 0)
                return dbFailed;
        }
        int karteCode;
        if (record.iCode > 0) {
            // Deliberately the karte the window loaded, not the live karte of the number: when
            // another program has deleted it and given its number to a new karte, the new karte,
            // another child's, is not rewritten with this one's answers. Nor is what another
            // program stored since the window read the karte.
            if (const int rc = CheckLiveKarteNumber(record.iCode, record.asMediRecNo); rc < 0)
                return rc == dbNoRow ? Stale(rc) : rc;
            karteCode = record.iCode;
            if (asRead) {
                stMedicalRec now;
                stExcursusRec answersNow;
                const int rc = ReadKarteRow(karteCode, now, answersNow);
                if (rc < 0)
                    return rc == dbNoRow ? Stale(rc) : rc;
                if (!SameRow(*asRead, now) || (excursusAsRead && !SameRow(*excursusAsRead, answersNow)))
                    return Stale(dbNoRow);
            }
        } else {
            karteCode = GetKarteCode(record.asMediRecNo);
            if (karteCode < 0)
                return detach ? dbNoKarteToDetach : dbNoRow;
        }
        const int notUpdated = detach ? dbKarteNotDetached : dbKarteNotUpdated;
        const int updated = Caught(notUpdated, [&] {
            Query2->SQL->Clear();
            AddLines(Query2,
                     {"UPDATE KarteTable SET", "  KarteNo=:KarteNo,", "  RDate=:RDate,", "  Next=:Next,",
                      detach ? "  PatientCode=-1" : "  PatientCode=:PatientCode", "WHERE", "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(karteCode);
            BindKarte(record);
            if (!detach)
                Query2->ParamByName("PatientCode")->SetAsInteger(patientCode);
            Query2->ExecSQL();
            return ChangedOneRow(Query2) < 0 ? notUpdated : 1;
        });
        if (updated < 0)
            return updated;
        excursus.iKarteCode = karteCode;
        const int excursusCode = GetExcursusCode(karteCode);
        if (excursusCode < 0)
            return dbNoExcursus;
        excursus.iCode = excursusCode;
        if (ReplaceExcursus(excursus) < 0)
            return dbExcursusNotUpdated;
        return 1;
    });
}

int TDBDM::ReadKarteRow(int code, stMedicalRec& karte, stExcursusRec& excursus)
{
    return Guarded("ReadKarteRow", dbFailed, [&] {
        Select(Query2, {"SELECT", "  Code, KarteNo, RDate, Next, PatientCode", "FROM", "  KarteTable",
                        "WHERE", "  Code=:Code", "AND", "  DeleteFlag = False;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        karte.iCode = code;
        karte.asMediRecNo = Query2->FieldByName("KarteNo")->AsString();
        karte.tDate = Query2->FieldByName("RDate")->AsDateTime();
        karte.iNext = Query2->FieldByName("Next")->AsInteger();
        karte.iPatientCode = Query2->FieldByName("PatientCode")->AsInteger();
        Restart(Query2);
        Query2->SQL->Add("SELECT *");
        AddLines(Query2, {"FROM", "  PSTable", "WHERE", "  KarteCode=:KarteCode;"});
        Query2->ParamByName("KarteCode")->SetAsInteger(code);
        // A karte without its questionnaire reads as one with no answer.
        if (OpenFirst(Query2))
            ExcursusColumns(Query2, "").Read(excursus);
        return 1;
    });
}

void TDBDM::BindKarte(const stMedicalRec& record)
{
    Query2->ParamByName("KarteNo")->SetAsString(record.asMediRecNo);
    Query2->ParamByName("RDate")->SetAsDate(record.tDate);
    Query2->ParamByName("Next")->SetAsInteger(record.iNext);
}

int TDBDM::AddExcursus(stExcursusRec excursus)
{
    return Guarded("AddExcursus", dbFailed, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"INSERT INTO PSTable", "(", "KarteCode,"});
        const int count = int(std::size(AnswersInColumnOrder));
        for (int i = 0; i < count; ++i)
            Query2->SQL->Add(QString::fromLatin1(AnswersInColumnOrder[i].column) +
                             (i == count - 1 ? "" : ","));
        AddLines(Query2, {")", "VALUES", "(", ":KarteCode,"});
        for (int i = 0; i < count; ++i)
            Query2->SQL->Add(":" + QString::fromLatin1(AnswersInColumnOrder[i].column) +
                             (i == count - 1 ? "" : ","));
        AddLines(Query2, {");"});
        BindExcursusAndRun(excursus);
        return 1;
    });
}

int TDBDM::ReplaceExcursus(stExcursusRec excursus)
{
    return Guarded("ReplaceExcursus", dbFailed, [&] {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE PSTable SET", "KarteCode=:KarteCode,"});
        const int count = int(std::size(AnswersInColumnOrder));
        for (int i = 0; i < count; ++i) {
            const QString column = QString::fromLatin1(AnswersInColumnOrder[i].column);
            Query2->SQL->Add(column + "=:" + column + (i == count - 1 ? "" : ","));
        }
        AddLines(Query2, {"WHERE", "Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(excursus.iCode);
        BindExcursusAndRun(excursus);
        return ChangedOneRow(Query2) < 0 ? dbFailed : 1;
    });
}

void TDBDM::BindExcursusAndRun(const stExcursusRec& excursus)
{
    Query2->ParamByName("KarteCode")->SetAsInteger(excursus.iKarteCode);
    for (const Answer& answer : AnswersInColumnOrder) {
        TParam* param = Query2->ParamByName(QLatin1StringView(answer.column));
        if (answer.flag)
            param->SetAsBoolean(excursus.*answer.flag);
        else
            param->SetAsString(excursus.*answer.memo);
    }
    Query2->ExecSQL();
}
