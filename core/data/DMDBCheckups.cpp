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

} // namespace

int TDBDM::SearchCheckup(stCheckupRecord filter)
{
    return Guarded("SearchCheckup", dbFailed, [&] {
        if (Query1->Active())
            Query1->Close();
        int karteCode = 0;
        if (!filter.asKarteNo.isEmpty()) {
            karteCode = GetKarteCode(filter.asKarteNo);
            if (karteCode < 0)
                return dbNoKarte;
        }
        Query1->SQL->Clear();
        AddLines(Query1, {"SELECT", "  CheckupTable.Code AS Code,", "  CDate,"});
        AddToothLines(Query1, Bare);
        AddLines(Query1, {"  KarteCode,", "  SchoolCode,", "  Memo", "FROM", "  CheckupTable, KarteTable"});
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
        TField* code = Query1->FieldByName("Code");
        TField* date = Query1->FieldByName("CDate");
        TField* teeth[52];
        for (int t = 0; t < 52; ++t)
            teeth[t] = Query1->FieldByName(QLatin1StringView(Teeth[t].column));
        TField* karteCode = Query1->FieldByName("KarteCode");
        TField* schoolCode = Query1->FieldByName("SchoolCode");
        TField* memo = Query1->FieldByName("Memo");
        ReadingTransaction reading(Query3);
        // Several check-ups share a karte.
        WalkMemo<QString> karteNumbers;
        return WalkRows(Query1, max, [&](int i) {
            stCheckupRecord& r = records[i];
            r.iCode = code->AsInteger();
            r.tDate = date->AsDateTime();
            for (int t = 0; t < 52; ++t)
                r.*Teeth[t].field = teeth[t]->AsInteger();
            r.asKarteNo =
                karteNumbers(karteCode->AsInteger(), [this](int karte) { return GetKarteNo(karte); });
            r.iSchoolCode = schoolCode->AsInteger();
            r.asMemo = memo->AsString();
        });
    });
}

int TDBDM::DelCheckup(int code)
{
    const Operation operation("DelCheckup");
    return DeleteByCode("CheckupTable", code);
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
            if (SetCheckupParams(record, karteCode) < 0)
                return dbNoKarte;
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

int TDBDM::ReplaceCheckup(stCheckupRecord record)
{
    const Operation operation("ReplaceCheckup");
    // Deliberately one write transaction from the checks to the update, and the check-up's own
    // karte checked: a check-up another program deleted is not "replaced" without a word, and
    // one whose karte was deleted is neither written where no window shows it nor moved onto a
    // new karte that took the deleted one's number. A move to another live karte is still a
    // replace.
    return InWriteTransaction(Query2, dbFailed, [&] {
        if (const int rc = CheckRowOnLiveKarte("CheckupTable", record.iCode); rc < 0)
            return rc;
        return Caught(dbFailed, [&] {
            Query2->SQL->Clear();
            AddLines(Query2, {"UPDATE CheckupTable", "SET", "  CDate=:CDate,"});
            AddToothLines(Query2, AsAssignment);
            AddLines(Query2, {"  KarteCode=:KarteCode,", "  SchoolCode=:SchoolCode,", "  Memo=:Memo", "WHERE",
                              "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(record.iCode);
            if (SetCheckupParams(record) < 0)
                return dbNoKarte;
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
        return dbNoKarte;
    Query2->ParamByName("KarteCode")->SetAsInteger(iWrkKarteCode);
    return 0;
}
