// The data module's rows of a karte and a check-up: treatments and notes (a dated text
// by a member on a karte, one statement shape for both) and diet rows.
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "platform/rtl/IntText.h"

using namespace dmdb;

// ---------------------------------------------------------------------------------------------
// Treatments and notes

// The codes of a note or treatment search's member and karte criteria (0 where a criterion
// is empty): dbNoRow when the member has no live row, dbNoKarte when the karte has none (with
// `karteCode`: that karte is not live under the number), else 0.
int TDBDM::ResolveStaffAndKarte(const QString& staffNo, const QString& karteNo, int karteCode, int& staffCode,
                                int& karte)
{
    if (!staffNo.isEmpty()) {
        staffCode = GetStaffCode(staffNo);
        // A lookup that failed is a failure, not a member who is not there.
        if (staffCode < 0)
            return staffCode == dbFailed ? dbFailed : dbNoRow;
    }
    if (!karteNo.isEmpty()) {
        karte = KarteOfRow(karteNo, karteCode);
        if (karte < 0)
            return karte;
    }
    return 0;
}

int TDBDM::SearchEntries(std::initializer_list<const char*> select, const char* like, const char* likeParam,
                         const QString& text, const QString& staffNo, const QString& karteNo, int karteCode)
{
    return Caught(dbFailed, [&] {
        if (Query1->Active())
            Query1->Close();
        int staffCode = 0;
        int karte = 0;
        if (const int rc = ResolveStaffAndKarte(staffNo, karteNo, karteCode, staffCode, karte); rc < 0)
            return rc;
        Query1->SQL->Clear();
        AddLines(Query1, select);
        if (!text.isEmpty() || !staffNo.isEmpty() || !karteNo.isEmpty()) {
            AddLines(Query1, {"WHERE"});
            Alternatives criteria(Query1);
            if (!text.isEmpty())
                criteria.Add("OR", like);
            if (!staffNo.isEmpty())
                criteria.Add("OR", "  StaffCode=:StaffCode");
            if (!karteNo.isEmpty())
                criteria.Add("OR", "  KarteCode=:KarteCode");
        }
        AddLines(Query1, {"ORDER BY", "  RDate;"});
        if (!staffNo.isEmpty())
            Query1->ParamByName("StaffCode")->SetAsInteger(staffCode);
        if (!karteNo.isEmpty())
            Query1->ParamByName("KarteCode")->SetAsInteger(karte);
        BindContains(Query1, likeParam, text);
        return OpenCount(Query1);
    });
}

template <class Entry>
int TDBDM::ReadEntries(Entry* records, int max, const char* textColumn, QString Entry::*text)
{
    return Caught(dbFailed, [&] {
        const Columns c(Query1, {"Code", "RDate", textColumn, "StaffCode", "KarteCode"});
        // Two lookups a row, under one shared lock rather than one each; the rows of a karte
        // or a member repeat their numbers, which are looked up once.
        ReadingTransaction reading(Query3);
        WalkMemo<QString> staffNumbers;
        WalkMemo<QString> karteNumbers;
        return WalkRows(Query1, max, [&](int i) {
            Entry& r = records[i];
            r.iCode = c[0]->AsInteger();
            r.tDate = c[1]->AsDateTime();
            r.*text = c[2]->AsString();
            r.asStaffNo =
                staffNumbers(c[3]->AsInteger(), [this](int staff) { return IntToStr(GetStaffNo(staff)); });
            r.asKarteNo = karteNumbers(c[4]->AsInteger(), [this](int karte) { return GetKarteNo(karte); });
        });
    });
}

// Binds the codes of a note's or treatment's member and karte, looked up on Query3:
// dbNoRow when the member has no live row, dbNoKarte when there is no such karte, else 0.
int TDBDM::BindStaffAndKarte(TQuery* query, const QString& staffNo, const QString& karteNo, int karteCode)
{
    const int staffCode = GetStaffCode(staffNo);
    if (staffCode < 0)
        return staffCode == dbFailed ? dbFailed : dbNoRow;
    query->ParamByName("StaffCode")->SetAsInteger(staffCode);
    const int karte = KarteOfRow(karteNo, karteCode);
    if (karte < 0)
        return karte;
    query->ParamByName("KarteCode")->SetAsInteger(karte);
    return 0;
}

int TDBDM::BindEntryAndRun(TDateTime date, const char* textParam, const QString& text, const QString& staffNo,
                           const QString& karteNo, int karteCode)
{
    Query2->ParamByName("RDate")->SetAsDate(date);
    Query2->ParamByName(QLatin1StringView(textParam))->SetAsString(text);
    if (const int rc = BindStaffAndKarte(Query2, staffNo, karteNo, karteCode); rc < 0)
        return rc;
    Query2->ExecSQL();
    return 1;
}

int TDBDM::AddEntry(std::initializer_list<const char*> insert, TDateTime date, const char* textParam,
                    const QString& text, const QString& staffNo, const QString& karteNo, int karteCode)
{
    // Deliberately one write transaction from the lookups to the insert: a karte (or member)
    // that another program deletes in between must not get the row.
    return Adding(dbFailed, [&](int& inserted) {
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, insert);
            const int rc = BindEntryAndRun(date, textParam, text, staffNo, karteNo, karteCode);
            if (rc > 0)
                inserted = int(Query2->LastInsertId());
            return rc;
        });
    });
}

template <class Entry>
int TDBDM::ReplaceEntry(std::initializer_list<const char*> update, const char* table, const char* textColumn,
                        QString Entry::*text, const Entry& record, int karteCode, const Entry* asRead)
{
    // Deliberately one write transaction from the checks to the update, and the row's own
    // karte checked: a row another program deleted is not "replaced" without a word, and one
    // whose karte was deleted (its number perhaps given to a new karte) is neither written
    // where no window shows it nor moved onto the new karte. A row another program changed
    // since the window read it keeps that program's values.
    return InWriteTransaction(Query2, dbFailed, [&] {
        if (const int rc = CheckRowOnLiveKarte(table, record.iCode, karteCode); rc < 0)
            return rc;
        if (const int rc = CheckAsRead(
                asRead, [&](Entry& now) { return ReadEntryRow(table, textColumn, text, record.iCode, now); });
            rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, update);
            Query2->ParamByName("Code")->SetAsInteger(record.iCode);
            const int rc = BindEntryAndRun(record.tDate, textColumn, record.*text, record.asStaffNo,
                                           record.asKarteNo, karteCode);
            return rc < 0 ? rc : ChangedOneRow(Query2);
        });
    });
}

template <class Entry>
int TDBDM::ReadEntryRow(const char* table, const char* textColumn, QString Entry::*text, int code, Entry& row)
{
    return Guarded("ReadEntryRow", dbFailed, [&] {
        Restart(Query2);
        Query2->SQL->Add("SELECT Code, RDate, " + QString::fromLatin1(textColumn) + ", StaffCode, KarteCode");
        Query2->SQL->Add("FROM " + QString::fromLatin1(table));
        Query2->SQL->Add("WHERE Code=:Code;");
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        row.iCode = code;
        row.tDate = Query2->FieldByName("RDate")->AsDateTime();
        row.*text = Query2->FieldByName(QLatin1StringView(textColumn))->AsString();
        const int staff = Query2->FieldByName("StaffCode")->AsInteger();
        const int karte = Query2->FieldByName("KarteCode")->AsInteger();
        // As the reader gives them; the member's lookup runs on this query.
        row.asStaffNo = IntToStr(GetStaffNo(staff));
        row.asKarteNo = GetKarteNo(karte);
        return 1;
    });
}

int TDBDM::GetRowOwner(const char* table, const char* column, int code)
{
    return Guarded("GetRowOwner", dbFailed, [&] {
        Restart(Query3);
        Query3->SQL->Add("SELECT");
        Query3->SQL->Add("  " + QString::fromLatin1(column));
        Query3->SQL->Add("FROM");
        Query3->SQL->Add("  " + QString::fromLatin1(table));
        Query3->SQL->Add("WHERE");
        Query3->SQL->Add("  Code=:Code;");
        Query3->ParamByName("Code")->SetAsInteger(code);
        return OpenFirstInteger(Query3, column);
    });
}

namespace {

// A lookup that finds a live karte (or its check-up): 0; dbNoKarte when it finds none.
int LiveKarteCheck(int lookup)
{
    return lookup == dbFailed ? dbFailed : lookup < 0 ? Stale(dbNoKarte) : 0;
}

} // namespace

int TDBDM::CheckLiveKarte(int karteCode)
{
    const Operation operation("CheckLiveKarte");
    return LiveKarteCheck(LookUpInteger(
        Query3,
        {"SELECT", "  Code", "FROM", "  KarteTable", "WHERE", "  Code=:Code", "AND", "  DeleteFlag = False;"},
        "Code", karteCode, "Code"));
}

int TDBDM::CheckRowOnLiveKarte(const char* table, int code, int karteCode)
{
    const int owner = GetRowOwner(table, "KarteCode", code);
    if (owner == dbNoRow)
        return Stale(dbNoRow);
    if (owner < 0)
        return owner;
    // On another karte than the window shows: not the row the window read.
    if (karteCode > 0 && owner != karteCode)
        return Stale(dbNoRow);
    return CheckLiveKarte(owner);
}

int TDBDM::CheckDietRowOnLiveKarte(int code, int karteCode)
{
    const int checkup = GetRowOwner("DietInquiryTable", "CheckupCode", code);
    if (checkup == dbNoRow)
        return Stale(dbNoRow);
    if (checkup < 0)
        return checkup;
    return CheckRowOnLiveKarte("CheckupTable", checkup, karteCode);
}

int TDBDM::DeleteByCode(const char* table, int code)
{
    return Caught(dbFailed, [&] {
        Query2->SQL->Clear();
        Query2->SQL->Add("DELETE FROM " + QString::fromLatin1(table));
        Query2->SQL->Add("WHERE Code=:Code;");
        Query2->ParamByName("Code")->SetAsInteger(code);
        Query2->ExecSQL();
        return 1;
    });
}

template <class OnKarte>
int TDBDM::DeleteRowOfKarte(const char* table, int code, int karteCode, OnKarte onKarte)
{
    if (karteCode <= 0)
        return DeleteByCode(table, code);
    // Deliberately checked in one write transaction with the delete: a row of a karte another
    // program deleted (its number perhaps given to another child's karte) is not removed
    // without a word.
    return InWriteTransaction(Query2, dbFailed, [&] {
        if (const int rc = onKarte(); rc < 0)
            return rc;
        return DeleteByCode(table, code) < 0 ? dbFailed : ChangedOneRow(Query2);
    });
}

int TDBDM::DeleteRowOfKarte(const char* table, int code, int karteCode)
{
    return DeleteRowOfKarte(table, code, karteCode,
                            [&] { return CheckRowOnLiveKarte(table, code, karteCode); });
}

int TDBDM::ListKartesOfStaff(std::initializer_list<const char*> select, QString staffNo, QString& first)
{
    first = QString();
    return Caught(dbFailed, [&] {
        Select(Query2, select);
        Query2->ParamByName("MemberNo")->SetAsInteger(StrToInt(staffNo));
        return OpenKarteList(Query2, first);
    });
}

int TDBDM::SearchTreatment(stTreatmentRecord filter, int karteCode)
{
    const Operation operation("SearchTreatment");
    return SearchEntries({"SELECT", "  Code,", "  RDate,", "  Treatment,", "  StaffCode,", "  KarteCode",
                          "FROM", "  TreatmentTable"},
                         "Treatment LIKE :TreatmentLike", "TreatmentLike", filter.asTreatment,
                         filter.asStaffNo, filter.asKarteNo, karteCode);
}

int TDBDM::GetTreatments(stTreatmentRecord* records, int max)
{
    const Operation operation("GetTreatments");
    return ReadEntries(records, max, "Treatment", &stTreatmentRecord::asTreatment);
}

int TDBDM::DelTreatment(int code, int karteCode)
{
    const Operation operation("DelTreatment");
    return DeleteRowOfKarte("TreatmentTable", code, karteCode);
}

int TDBDM::AddTreatment(stTreatmentRecord record, int karteCode)
{
    const Operation operation("AddTreatment");
    return AddEntry(
        {"INSERT INTO TreatmentTable", "(", "  RDate,", "  Treatment,", "  StaffCode,", "  KarteCode", ")",
         "VALUES", "(", "  :RDate,", "  :Treatment,", "  :StaffCode,", "  :KarteCode", ");"},
        record.tDate, "Treatment", record.asTreatment, record.asStaffNo, record.asKarteNo, karteCode);
}

int TDBDM::ReplaceTreatment(stTreatmentRecord record, int karteCode, const stTreatmentRecord* asRead)
{
    const Operation operation("ReplaceTreatment");
    return ReplaceEntry({"UPDATE TreatmentTable SET", "  RDate=:RDate,", "  Treatment=:Treatment,",
                         "  StaffCode=:StaffCode,", "  KarteCode=:KarteCode", "WHERE", "  Code=:Code;"},
                        "TreatmentTable", "Treatment", &stTreatmentRecord::asTreatment, record, karteCode,
                        asRead);
}

int TDBDM::GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first)
{
    const Operation operation("GetMedicalRecordOfStaffTreatment");
    return ListKartesOfStaff({"SELECT", "  DISTINCT KT.Code, KT.KarteNo, KT.RDate, KT.PatientCode", "FROM",
                              "  TreatmentTable AS TT,", "  Staff2Table AS ST,", "  KarteTable AS KT",
                              "WHERE", "  TT.StaffCode = ST.Code", "AND", "  ST.StaffNo  = :MemberNo", "AND",
                              "  TT.KarteCode = KT.Code", "AND", "  KT.DeleteFlag = false", ";"},
                             staffNo, first);
}

int TDBDM::SearchNote(stNoteRecord filter, int karteCode)
{
    const Operation operation("SearchNote");
    return SearchEntries({"SELECT", "  Code,", "  RDate,", "  Description,", "  StaffCode,", "  KarteCode",
                          "FROM", "  NoteTable"},
                         "  Description LIKE :DescriptionLike", "DescriptionLike", filter.asDescription,
                         filter.asStaffNo, filter.asKarteNo, karteCode);
}

int TDBDM::GetNotes(stNoteRecord* records, int max)
{
    const Operation operation("GetNotes");
    return ReadEntries(records, max, "Description", &stNoteRecord::asDescription);
}

int TDBDM::DelNote(int code, int karteCode)
{
    const Operation operation("DelNote");
    return DeleteRowOfKarte("NoteTable", code, karteCode);
}

int TDBDM::AddNote(stNoteRecord record, int karteCode)
{
    const Operation operation("AddNote");
    return AddEntry({"INSERT INTO NoteTable", "(", "RDate,", "Description,", "StaffCode,", "KarteCode", ")",
                     "VALUES", "(", ":RDate,", ":Description,", ":StaffCode,", ":KarteCode", ");"},
                    record.tDate, "Description", record.asDescription, record.asStaffNo, record.asKarteNo,
                    karteCode);
}

int TDBDM::ReplaceNote(stNoteRecord record, int karteCode, const stNoteRecord* asRead)
{
    const Operation operation("ReplaceNote");
    return ReplaceEntry({"UPDATE NoteTable SET", "  RDate=:RDate,", "  Description=:Description,",
                         "  StaffCode=:StaffCode,", "  KarteCode=:KarteCode", "WHERE", "  Code=:Code;"},
                        "NoteTable", "Description", &stNoteRecord::asDescription, record, karteCode, asRead);
}

int TDBDM::GetMedicalRecordOfStaffNote(QString staffNo, QString& first)
{
    const Operation operation("GetMedicalRecordOfStaffNote");
    return ListKartesOfStaff({"SELECT", "  DISTINCT KT.Code, KT.KarteNo, KT.RDate, KT.PatientCode", "FROM",
                              "  NoteTable AS NT,", "  Staff2Table AS ST,", "  KarteTable AS KT", "WHERE",
                              "  NT.StaffCode = ST.Code", "AND", "  ST.StaffNo = :MemberNo", "AND",
                              "  NT.KarteCode = KT.Code", "AND", "  KT.DeleteFlag = false", ";"},
                             staffNo, first);
}

// ---------------------------------------------------------------------------------------------
// Diet rows

int TDBDM::SearchDietInquiry(stDietInquiryRecord filter)
{
    return Guarded("SearchDietInquiry", dbFailed, [&] {
        Select(Query1, {"SELECT", "  Code,", "  FoodCode,", "  FrequencyCode,", "  CheckupCode", "FROM",
                        "  DietInquiryTable", "WHERE", "  CheckupCode=:CheckupCode;"});
        Query1->ParamByName("CheckupCode")->SetAsInteger(filter.iCheckupCode);
        return OpenCount(Query1);
    });
}

int TDBDM::GetDietInquiries(stDietInquiryRecord* records, int max)
{
    const Operation operation("GetDietInquiries");
    return ReadRows(Query1, max, [&](int i) {
        records[i].iCode = Query1->FieldByName("Code")->AsInteger();
        records[i].iFoodCode = Query1->FieldByName("FoodCode")->AsInteger();
        records[i].iFrequencyCode = Query1->FieldByName("FrequencyCode")->AsInteger();
        records[i].iCheckupCode = Query1->FieldByName("CheckupCode")->AsInteger();
    });
}

int TDBDM::DelDietInquiry(int code, int karteCode)
{
    const Operation operation("DelDietInquiry");
    return DeleteRowOfKarte("DietInquiryTable", code, karteCode,
                            [&] { return CheckDietRowOnLiveKarte(code, karteCode); });
}

int TDBDM::AddDietInquiry(stDietInquiryRecord record, int karteCode)
{
    const Operation operation("AddDietInquiry");
    // Deliberately checked, in one write transaction with the insert: a check-up deleted by
    // another program, or one of a karte deleted meanwhile, would get a row no window shows
    // again, and the operator would be told it was stored.
    return Adding(dbFailed, [&](int& inserted) {
        // A check-up that is gone has no live karte either; a lookup that failed says so.
        const int rc = CheckRowOnLiveKarte("CheckupTable", record.iCheckupCode, karteCode);
        if (rc < 0)
            return rc == dbFailed ? dbFailed : dbNoKarte;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2,
                     {"INSERT INTO DietInquiryTable", "(", "  FoodCode,", "  FrequencyCode,", "  CheckupCode",
                      ")", "VALUES", "(", "  :FoodCode,", "  :FrequencyCode,", "  :CheckupCode", ");"});
            BindDietInquiry(record);
            Query2->ExecSQL();
            inserted = int(Query2->LastInsertId());
            return 1;
        });
    });
}

int TDBDM::ReplaceDietInquiry(stDietInquiryRecord record, int karteCode, const stDietInquiryRecord* asRead)
{
    const Operation operation("ReplaceDietInquiry");
    // Deliberately checked, in one write transaction with the update: a row another program
    // deleted is not "replaced" without a word, no row is put on a check-up that does not
    // exist or on a deleted karte, where no window shows it, and a row another program changed
    // since the window read it keeps that program's values.
    return InWriteTransaction(Query2, dbFailed, [&] {
        const int checkupCode = GetRowOwner("DietInquiryTable", "CheckupCode", record.iCode);
        if (checkupCode == dbNoRow)
            return Stale(dbNoRow);
        if (checkupCode < 0)
            return checkupCode;
        // A row on a check-up of another karte than the editor's is not the row it read, as for
        // a note.
        if (karteCode > 0) {
            const int karte = GetRowOwner("CheckupTable", "KarteCode", checkupCode);
            if (karte == dbFailed)
                return dbFailed;
            if (karte >= 0 && karte != karteCode)
                return Stale(dbNoRow);
        }
        // Its check-up and the one it is to be on: each on a live karte (the editor's).
        for (const int checkup : {checkupCode, record.iCheckupCode})
            if (const int rc = CheckRowOnLiveKarte("CheckupTable", checkup, karteCode); rc < 0)
                return rc == dbFailed ? dbFailed : dbNoKarte;
        if (const int rc =
                CheckAsRead(asRead, [&](stDietInquiryRecord& now) { return ReadDietRow(record.iCode, now); });
            rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"UPDATE DietInquiryTable SET", "  FoodCode=:FoodCode,",
                              "  FrequencyCode=:FrequencyCode,", "  CheckupCode=:CheckupCode", "WHERE",
                              "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(record.iCode);
            BindDietInquiry(record);
            Query2->ExecSQL();
            return ChangedOneRow(Query2);
        });
    });
}

int TDBDM::ReadDietRow(int code, stDietInquiryRecord& row)
{
    return Guarded("ReadDietRow", dbFailed, [&] {
        Select(Query2, {"SELECT", "  Code,", "  FoodCode,", "  FrequencyCode,", "  CheckupCode", "FROM",
                        "  DietInquiryTable", "WHERE", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        row.iCode = code;
        row.iFoodCode = Query2->FieldByName("FoodCode")->AsInteger();
        row.iFrequencyCode = Query2->FieldByName("FrequencyCode")->AsInteger();
        row.iCheckupCode = Query2->FieldByName("CheckupCode")->AsInteger();
        return 1;
    });
}

int TDBDM::GetAddedCode()
{
    return iAddedCode;
}

void TDBDM::BindDietInquiry(const stDietInquiryRecord& record)
{
    Query2->ParamByName("FoodCode")->SetAsInteger(record.iFoodCode);
    Query2->ParamByName("FrequencyCode")->SetAsInteger(record.iFrequencyCode);
    Query2->ParamByName("CheckupCode")->SetAsInteger(record.iCheckupCode);
}
