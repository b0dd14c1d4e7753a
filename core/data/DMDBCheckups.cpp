// The data module's check-ups: search and reader, delete, add and replace.
#include "core/data/DMDB.h"
#include "core/data/DMDBStatements.h"
#include "core/data/Teeth.h"

using namespace dmdb;

namespace {

// The tooth names on 12 lines, three per quadrant (the five letters, 1 to 4, 5 to 8),
// each name written as `form` makes it, every line ending in a comma.
void AddToothLines(TQuery* query, QString (*form)(const QString&))
{
    static const int Starts[] = {0, 5, 9, 13};
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        for (int part = 0; part < 3; ++part) {
            QStringList names;
            for (int t = Starts[part]; t < Starts[part + 1]; ++t)
                names << form(QString::fromLatin1(Teeth[quadrant * 13 + t].column));
            query->SQL->Add("  " + names.join(", ") + ",");
        }
}

QString Bare(const QString& name)
{
    return name;
}
QString AsParameter(const QString& name)
{
    return ":" + name;
}
QString AsAssignment(const QString& name)
{
    return name + "=:" + name;
}

// The columns of a check-up as its reader gives them, looked up once per walk; the karte's
// number is looked up by the caller.
class CheckupColumns
{
public:
    explicit CheckupColumns(TQuery* query)
        : code(query->FieldByName("Code")), date(query->FieldByName("CDate")),
          karteCode(query->FieldByName("KarteCode")), schoolCode(query->FieldByName("SchoolCode")),
          memo(query->FieldByName("Memo"))
    {
        for (int t = 0; t < 52; ++t)
            teeth[t] = query->FieldByName(QLatin1StringView(Teeth[t].column));
    }
    // The check-up's values; the Code of its karte.
    int Read(stCheckupRecord& r) const
    {
        r.iCode = code->AsInteger();
        r.tDate = date->AsDateTime();
        for (int t = 0; t < 52; ++t)
            r.*Teeth[t].field = teeth[t]->AsInteger();
        r.iSchoolCode = schoolCode->AsInteger();
        r.asMemo = memo->AsString();
        return karteCode->AsInteger();
    }

private:
    TField* code;
    TField* date;
    TField* teeth[52];
    TField* karteCode;
    TField* schoolCode;
    TField* memo;
};

// The check-up table's columns as the search selects them, up to its FROM.
void AddCheckupSelectLines(TQuery* query)
{
    AddLines(query, {"SELECT", "  CheckupTable.Code AS Code,", "  CDate,"});
    AddToothLines(query, Bare);
    AddLines(query, {"  KarteCode,", "  SchoolCode,", "  Memo", "FROM"});
}

} // namespace

int TDBDM::SearchCheckup(stCheckupRecord filter, int karteCode)
{
    return Guarded("SearchCheckup", dbFailed, [&] {
        if (Query1->Active())
            Query1->Close();
        if (!filter.asKarteNo.isEmpty()) {
            karteCode = KarteOfRow(filter.asKarteNo, karteCode);
            if (karteCode < 0)
                return karteCode;
        }
        Query1->SQL->Clear();
        AddCheckupSelectLines(Query1);
        AddLines(Query1, {"  CheckupTable, KarteTable"});
        if (!filter.asKarteNo.isEmpty())
            AddLines(Query1, {"WHERE", "  KarteCode = :KarteCode", "AND", "  KarteCode = KarteTable.Code",
                              "AND", "  DeleteFlag = false"});
        else
            AddLines(Query1, {"WHERE", "  KarteCode = KarteTable.Code", "AND", "  DeleteFlag = false"});
        AddLines(Query1, {"ORDER BY", "  CDate;"});
        if (!filter.asKarteNo.isEmpty())
            Query1->ParamByName("KarteCode")->SetAsInteger(karteCode);
        return OpenCount(Query1);
    });
}

int TDBDM::GetCheckups(stCheckupRecord* records, int max)
{
    return Guarded("GetCheckups", dbFailed, [&] {
        Query1->First();
        if (Query1->Eof())
            return 0;
        const CheckupColumns columns(Query1);
        ReadingTransaction reading(Query3);
        // Several check-ups share a karte.
        WalkMemo<QString> karteNumbers;
        return WalkRows(Query1, max, [&](int i) {
            stCheckupRecord& r = records[i];
            const int karte = columns.Read(r);
            r.asKarteNo = karteNumbers(karte, [this](int k) { return GetKarteNo(k); });
        });
    });
}

int TDBDM::DelCheckup(int code, int karteCode)
{
    const Operation operation("DelCheckup");
    return DeleteRowOfKarte("CheckupTable", code, karteCode);
}

int TDBDM::ReadCheckupRow(int code, stCheckupRecord& row)
{
    return Guarded("ReadCheckupRow", dbFailed, [&] {
        Restart(Query2);
        AddCheckupSelectLines(Query2);
        AddLines(Query2, {"  CheckupTable", "WHERE", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        if (!OpenFirst(Query2))
            return dbNoRow;
        const int karte = CheckupColumns(Query2).Read(row);
        row.asKarteNo = GetKarteNo(karte);
        return 1;
    });
}

int TDBDM::AddCheckup(stCheckupRecord record, int karteCode)
{
    const Operation operation("AddCheckup");
    // Deliberately one write transaction from the karte's lookup to the read-back: a karte that
    // another program deletes in between must not get the check-up.
    return InWriteTransaction(Query2, dbFailed, [&] {
        const int insertedCode = Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"INSERT INTO CheckupTable", "(", "  CDate,"});
            AddToothLines(Query2, Bare);
            AddLines(Query2, {"  KarteCode,", "  SchoolCode,", "  Memo", ")", "VALUES", "(", "  :CDate,"});
            AddToothLines(Query2, AsParameter);
            AddLines(Query2, {"  :KarteCode,", "  :SchoolCode,", "  :Memo", ");"});
            if (const int rc = SetCheckupParams(record, karteCode); rc < 0)
                return rc;
            Query2->ExecSQL();
            return int(Query2->LastInsertId());
        });
        if (insertedCode < 0)
            return insertedCode;
        return Caught(dbCheckupNotReadBack, [&] {
            Select(Query3, {"SELECT", "  Code", "FROM", "  CheckupTable", "WHERE", "  CDate = :CDate", "AND",
                            "  KarteCode = :KarteCode;"});
            Query3->ParamByName("CDate")->SetAsDate(record.tDate);
            Query3->ParamByName("KarteCode")->SetAsInteger(iWrkKarteCode);
            Query3->Open();
            // Deliberately the row just inserted, not the first the read-back finds: another
            // check-up of the karte may bear the same date.
            for (Query3->First(); !Query3->Eof(); Query3->Next())
                if (Query3->FieldByName("Code")->AsInteger() == insertedCode)
                    return int(insertedCode);
            return dbCheckupNotReadBack;
        });
    });
}

int TDBDM::ReplaceCheckup(stCheckupRecord record, int karteCode, const stCheckupRecord* asRead)
{
    const Operation operation("ReplaceCheckup");
    // Deliberately one write transaction from the checks to the update, and the check-up's own
    // karte checked: a check-up another program deleted is not "replaced" without a word, and
    // one whose karte was deleted is neither written where no window shows it nor moved onto a
    // new karte that took the deleted one's number. A move to another live karte is still a
    // replace, but not from the karte editor (its karte's Code given). Nor does it write over
    // what another program stored since the window read the check-up.
    return InWriteTransaction(Query2, dbFailed, [&] {
        if (const int rc = CheckRowOnLiveKarte("CheckupTable", record.iCode, karteCode); rc < 0)
            return rc;
        if (const int rc =
                CheckAsRead(asRead, [&](stCheckupRecord& now) { return ReadCheckupRow(record.iCode, now); });
            rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"UPDATE CheckupTable", "SET", "  CDate=:CDate,"});
            AddToothLines(Query2, AsAssignment);
            AddLines(Query2, {"  KarteCode=:KarteCode,", "  SchoolCode=:SchoolCode,", "  Memo=:Memo", "WHERE",
                              "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(record.iCode);
            if (const int rc = SetCheckupParams(record, karteCode); rc < 0)
                return rc;
            Query2->ExecSQL();
            return ChangedOneRow(Query2);
        });
    });
}

int TDBDM::SetCheckupParams(stCheckupRecord record, int karteCode)
{
    Query2->ParamByName("CDate")->SetAsDate(record.tDate);
    for (const Tooth& tooth : Teeth)
        Query2->ParamByName(QLatin1StringView(tooth.column))->SetAsInteger(record.*tooth.field);
    Query2->ParamByName("SchoolCode")->SetAsInteger(record.iSchoolCode);
    Query2->ParamByName("Memo")->SetAsString(record.asMemo);
    iWrkKarteCode = KarteOfRow(record.asKarteNo, karteCode);
    if (iWrkKarteCode < 0)
        return iWrkKarteCode;
    Query2->ParamByName("KarteCode")->SetAsInteger(iWrkKarteCode);
    return 0;
}
