#include "core/data/DMDB.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/IntText.h"
#include "platform/widgets/MessageForms.h"

#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <vector>

TDBDM* DBDM = nullptr;

namespace {

// Until the configuration points them elsewhere.
const QString PlaceholderDatabase = "I:\\user\\kvr_paradox\\data\\database";
const QString PlaceholderNetFileDir = "I:\\USER\\KVR_PARADOX\\DATA";

void AddLines(TQuery* query, std::initializer_list<const char*> lines)
{
    for (const char* line : lines)
        query->SQL->Add(QString::fromLatin1(line));
}

// Walks the query from its first row, handing each row's index to `read`, until its
// end or `max` rows; returns how many were read.
template <class Read> int WalkRows(TQuery* query, int max, Read read)
{
    int i = 0;
    query->First();
    while (!query->Eof()) {
        read(i);
        query->Next();
        if (++i >= max)
            break;
    }
    return i;
}

// A statement that gives rows starts on a closed query.
void Restart(TQuery* query)
{
    if (query->Active())
        query->Close();
    query->SQL->Clear();
}

// Free texts are bound, never pasted into the statement: the operator's "%" and "_"
// still act as wildcards, a quote is just a character.
void BindContains(TQuery* query, const char* name, const QString& text)
{
    if (!text.isEmpty())
        query->ParamByName(name)->SetAsString("%" + text + "%");
}

// Criteria joined by OR: the separator goes before every line but the first.
class Alternatives
{
public:
    explicit Alternatives(TQuery* query) : query(query) {}
    void Add(const char* separator, const char* line)
    {
        if (added)
            query->SQL->Add(QString::fromLatin1(separator));
        query->SQL->Add(QString::fromLatin1(line));
        added = true;
    }

private:
    TQuery* query;
    bool added = false;
};

// Columns of one reader, looked up by name once per walk.
class Columns
{
public:
    Columns(TQuery* query, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            fields.push_back(query->FieldByName(QString::fromLatin1(name)));
    }
    TField* operator[](int index) const { return fields[index]; }

private:
    std::vector<TField*> fields;
};

// The questionnaire's answers. Column order is the order of the statements;
// field order the order of the record.
struct Answer
{
    const char* column;
    bool stExcursusRec::*flag;
    QString stExcursusRec::*memo;
};
#define FLAG(name)                                                                                           \
    {                                                                                                        \
#name, &stExcursusRec::b##name, nullptr                                                              \
    }
#define MEMO(name)                                                                                           \
    {                                                                                                        \
#name, nullptr, &stExcursusRec::as##name                                                             \
    }
const Answer AnswersInColumnOrder[] = {
    FLAG(AIDS),
    FLAG(Hepatitis),
    FLAG(HepatitisB),
    FLAG(HepatitisC),
    FLAG(Tuberculosis),
    MEMO(TuberculosisMemo),
    FLAG(AirialInfection),
    MEMO(AirialInfectionMemo),
    FLAG(BloodInfection),
    MEMO(BloodInfectionMemo),
    FLAG(OtherInfection),
    MEMO(OtherInfectionMemo),
    FLAG(Q1None),
    FLAG(Q1Anemia),
    FLAG(Q1Swelling),
    FLAG(Q1Bleeding),
    FLAG(Q1Fever),
    FLAG(Q1NoExtraction),
    FLAG(Q2None),
    FLAG(Q2Injection),
    FLAG(Q2Medicine),
    FLAG(Q2Others),
    MEMO(Q2OthersMemo),
    FLAG(Q3),
    FLAG(Q43),
    MEMO(Q43Memo),
    FLAG(Q42),
    MEMO(Q42Memo),
    FLAG(Q41),
    MEMO(Q41Memo),
    FLAG(Q40),
};
const Answer AnswersInFieldOrder[] = {
    FLAG(AIDS),
    FLAG(Tuberculosis),
    FLAG(BloodInfection),
    FLAG(Hepatitis),
    FLAG(HepatitisB),
    FLAG(HepatitisC),
    FLAG(AirialInfection),
    FLAG(OtherInfection),
    MEMO(TuberculosisMemo),
    MEMO(BloodInfectionMemo),
    MEMO(AirialInfectionMemo),
    MEMO(OtherInfectionMemo),
    FLAG(Q1None),
    FLAG(Q1Anemia),
    FLAG(Q1Swelling),
    FLAG(Q1Bleeding),
    FLAG(Q1Fever),
    FLAG(Q1NoExtraction),
    FLAG(Q2None),
    FLAG(Q2Injection),
    FLAG(Q2Medicine),
    FLAG(Q2Others),
    MEMO(Q2OthersMemo),
    FLAG(Q3),
    FLAG(Q43),
    MEMO(Q43Memo),
    FLAG(Q42),
    MEMO(Q42Memo),
    FLAG(Q41),
    MEMO(Q41Memo),
    FLAG(Q40),
};
#undef FLAG
#undef MEMO

// The 52 teeth in the order of the record and of the table.
struct Tooth
{
    const char* column;
    int stCheckupRecord::*field;
};
#define T(name)                                                                                              \
    {                                                                                                        \
#name, &stCheckupRecord::i##name                                                                     \
    }
#define QUADRANT(q)                                                                                          \
    T(q##A), T(q##B), T(q##C), T(q##D), T(q##E), T(q##1), T(q##2), T(q##3), T(q##4), T(q##5), T(q##6),       \
        T(q##7), T(q##8)
const Tooth Teeth[52] = {QUADRANT(RT), QUADRANT(LT), QUADRANT(RB), QUADRANT(LB)};
#undef QUADRANT
#undef T

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

// "  Table.Column" filled to its place, "AS" and the alias.
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

// The questionnaire columns of a karte search, looked up once per walk.
class ExcursusColumns
{
public:
    explicit ExcursusColumns(TQuery* query)
        : code(query->FieldByName("PSCode")), karteCode(query->FieldByName("PSKarteCode"))
    {
        for (const Answer& answer : AnswersInFieldOrder)
            answers.push_back(query->FieldByName("PS" + QString::fromLatin1(answer.column)));
    }
    void Read(stExcursusRec& excursus) const
    {
        excursus.iCode = code->AsInteger();
        excursus.iKarteCode = karteCode->AsInteger();
        for (size_t i = 0; i < answers.size(); ++i) {
            const Answer& answer = AnswersInFieldOrder[i];
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

// The statements of one karte store form one unit: unless committed, the session
// undoes them when this goes.
class KarteStoreTransaction
{
public:
    explicit KarteStoreTransaction(TQuery* query) : session(query->Session)
    {
        session->StartTransaction(query->DatabaseName);
    }
    ~KarteStoreTransaction()
    {
        if (open) {
            try {
                session->Rollback();
            } catch (...) {
                // The failure that brought us here is what the caller reports.
            }
        }
    }
    void Commit()
    {
        open = false;
        session->Commit();
    }

private:
    TSession* session;
    bool open = true;
};

// A long walk of lookups reads under one shared lock instead of taking and dropping
// the file lock for every statement. Nothing is written under it; when a transaction
// is already open, or one cannot be started, the walk goes on without.
class ReadingTransaction
{
public:
    explicit ReadingTransaction(TQuery* query) : session(query->Session)
    {
        if (!session || session->InTransaction())
            return;
        try {
            session->StartTransaction(query->DatabaseName);
            open = true;
        } catch (...) {
        }
    }
    ~ReadingTransaction()
    {
        if (!open)
            return;
        try {
            session->Commit();
        } catch (...) {
            try {
                session->Rollback();
            } catch (...) {
            }
        }
    }
    ReadingTransaction(const ReadingTransaction&) = delete;
    ReadingTransaction& operator=(const ReadingTransaction&) = delete;

private:
    TSession* session;
    bool open = false;
};

} // namespace

TDBDM::TDBDM(QObject* parent) : QObject(parent)
{
    DBDM = this;
    Session_kvr = new TSession;
    Session_kvr->SessionName = "session_kvr";
    Session_kvr->KeepConnections = false;
    Session_kvr->NetFileDir = PlaceholderNetFileDir;

    JobTable = new TTable(this);
    JobTable->SessionName = "session_kvr";
    JobTable->Session = Session_kvr;
    JobTable->TableName = "JobTable.db";
    JobTable->DatabaseName = PlaceholderDatabase;
    JobDataSource = new TDataSource(this);
    JobDataSource->SetDataSet(JobTable);

    TQuery** queries[] = {&Query1, &Query2, &Query3};
    TDataSource** sources[] = {&DataSource1, &DataSource2, &DataSource3};
    for (int i = 0; i < 3; ++i) {
        TQuery* query = new TQuery(this);
        query->SessionName = "session_kvr";
        query->Session = Session_kvr;
        query->DatabaseName = PlaceholderDatabase;
        *queries[i] = query;
        TDataSource* source = new TDataSource(this);
        source->SetDataSet(query);
        *sources[i] = source;
    }
}

TDBDM::~TDBDM()
{
    // The datasets go before the session they use.
    delete DataSource1;
    delete DataSource2;
    delete DataSource3;
    delete JobDataSource;
    delete Query1;
    delete Query2;
    delete Query3;
    delete JobTable;
    delete Session_kvr;
    if (DBDM == this)
        DBDM = nullptr;
}

void TDBDM::OpenDatabase(TIniFile* IniFile)
{
    Session_kvr->NetFileDir = IniFile->ReadString("Paradox", "NetFileDir", "C:\\KVR");
    JobTable->DatabaseName = IniFile->ReadString("Paradox", "DatabaseName", "C:\\kvr\\database");
    Query1->DatabaseName = IniFile->ReadString("Paradox", "DatabaseName", "C:\\kvr\\database");
    Query2->DatabaseName = IniFile->ReadString("Paradox", "DatabaseName", "C:\\kvr\\database");
    Query3->DatabaseName = IniFile->ReadString("Paradox", "DatabaseName", "C:\\kvr\\database");
    Session_kvr->SetActive(true);
    JobTable->Open();
}

// ---------------------------------------------------------------------------------------------
// Examinees

int TDBDM::GetPatientCount()
{
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  Code", "FROM", "  Patient2Table", "WHERE", "  DeleteFlag = False;"});
        Query2->Open();
        return Query2->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchPatient(stPatientRec filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT",
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
        if (!filter.asPatientNo.isEmpty() || !filter.asName0.isEmpty() || !filter.asName1.isEmpty() ||
            !filter.asNameKana0.isEmpty() || !filter.asNameKana1.isEmpty() ||
            !filter.asSchoolName.isEmpty()) {
            AddLines(Query1, {"  AND", "  ("});
            Alternatives criteria(Query1);
            if (!filter.asPatientNo.isEmpty())
                criteria.Add("  OR", "    PatientNo = :PatientNo");
            if (!filter.asName0.isEmpty())
                criteria.Add("  OR", "    Name0 LIKE :Name0Like");
            if (!filter.asName1.isEmpty())
                criteria.Add("  OR", "    Name1 LIKE :Name1Like");
            if (!filter.asNameKana0.isEmpty())
                criteria.Add("  OR", "    NameKana0 LIKE :NameKana0Like");
            if (!filter.asNameKana1.isEmpty())
                criteria.Add("  OR", "    NameKana1 LIKE :NameKana1Like");
            if (!filter.asSchoolName.isEmpty())
                criteria.Add("  OR", "    SchoolTable.Name LIKE :SchoolNameLike");
            AddLines(Query1, {"  )"});
        }
        AddLines(Query1, {"ORDER BY", "  PatientNo;"});
        if (!filter.asPatientNo.isEmpty())
            Query1->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(filter.asPatientNo, 0));
        if (filter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(filter.iSex);
        BindContains(Query1, "Name0Like", filter.asName0);
        BindContains(Query1, "Name1Like", filter.asName1);
        BindContains(Query1, "NameKana0Like", filter.asNameKana0);
        BindContains(Query1, "NameKana1Like", filter.asNameKana1);
        BindContains(Query1, "SchoolNameLike", filter.asSchoolName);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetPatients(stPatientRec* records, int max)
{
    auto read = [this](stPatientRec& r, bool withSchoolName) {
        r.asPatientNo = IntToStr(Query1->FieldByName("PatientNo")->AsInteger());
        r.asName0 = Query1->FieldByName("Name0")->AsString();
        r.asName1 = Query1->FieldByName("Name1")->AsString();
        r.asNameKana0 = Query1->FieldByName("NameKana0")->AsString();
        r.asNameKana1 = Query1->FieldByName("NameKana1")->AsString();
        r.tBirth = Query1->FieldByName("Birth")->AsDateTime();
        r.iSex = Query1->FieldByName("Sex")->AsInteger();
        r.iSchoolCode = Query1->FieldByName("SchoolCode")->AsInteger();
        r.asSchoolName = withSchoolName ? Query1->FieldByName("SchoolName")->AsString() : QString();
        r.asPortrait = Query1->FieldByName("Portrait")->AsString();
    };
    try {
        return WalkRows(Query1, max, [&](int i) {
            try {
                read(records[i], true);
            } catch (...) {
                read(records[i], false);
            }
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelPatient(int iArgPatientNo)
{
    try {
        widgets::ShowMessage("iArgPatientNo=" + IntToStr(iArgPatientNo) + "\n" + "(" + "TDBDM::DelPatient" +
                             ")");
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE Patient2Table SET", "  DeleteFlag=:DeleteFlag", "WHERE",
                          "  PatientNo=:PatientNo;"});
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("PatientNo")->SetAsInteger(iArgPatientNo);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddPatient(stPatientRec record)
{
    const int existing = GetPatientCode(record.asPatientNo);
    if (existing >= 0)
        return -100;
    // Without the uniqueness check the number could be given twice.
    if (existing == -1)
        return -1;
    try {
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
        Query2->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(record.asPatientNo, 0));
        Query2->ParamByName("Birth")->SetAsDate(record.tBirth);
        Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
        Query2->ParamByName("Name0")->SetAsString(record.asName0);
        Query2->ParamByName("Name1")->SetAsString(record.asName1);
        Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
        Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
        Query2->ParamByName("SchoolCode")->SetAsInteger(record.iSchoolCode);
        Query2->ParamByName("Portrait")->SetAsString(record.asPortrait);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplacePatient(stPatientRec record)
{
    try {
        Query2->SQL->Clear();
        // Only the live row: a flagged examinee whose number was given again keeps its data.
        AddLines(Query2,
                 {"UPDATE Patient2Table SET", "Birth=:Birth,", "Sex=:Sex,", "Name0=:Name0,", "Name1=:Name1,",
                  "NameKana0=:NameKana0,", "NameKana1=:NameKana1,", "SchoolCode=:SchoolCode,",
                  "Portrait=:Portrait", "WHERE", "PatientNo=:PatientNo", "AND DeleteFlag = False;"});
        Query2->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(record.asPatientNo, 0));
        Query2->ParamByName("Birth")->SetAsDate(record.tBirth);
        Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
        Query2->ParamByName("Name0")->SetAsString(record.asName0);
        Query2->ParamByName("Name1")->SetAsString(record.asName1);
        Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
        Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
        Query2->ParamByName("SchoolCode")->SetAsInteger(record.iSchoolCode);
        Query2->ParamByName("Portrait")->SetAsString(record.asPortrait);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Members

int TDBDM::GetStaffCount()
{
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "Code", "FROM", "Staff2Table", "WHERE", "DeleteFlag = False;"});
        Query2->Open();
        return Query2->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchStaff(stStaffRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1,
                 {"SELECT", "  Code,", "  JobCode,", "  StaffNo,", "  Sex,", "  NameKanji0,", "  NameKanji1,",
                  "  Namekana0,", "  NameKana1,", "  NameAlphabet0,", "  NameAlphabet1,", "  DeleteFlag",
                  "FROM", "  Staff2Table", "WHERE", "(", "  DeleteFlag = False"});
        if (filter.iSex != -1)
            AddLines(Query1, {"AND", "  Sex=:Sex"});
        if (filter.iJobCode != -1)
            AddLines(Query1, {"AND", "  JobCode=:JobCode"});
        AddLines(Query1, {")"});
        if (!filter.asStaffNo.isEmpty() || !filter.asNameKanji0.isEmpty() || !filter.asNameKanji1.isEmpty() ||
            !filter.asNameKana0.isEmpty() || !filter.asNameKana1.isEmpty() ||
            !filter.asNameAlphabet0.isEmpty() || !filter.asNameAlphabet1.isEmpty()) {
            AddLines(Query1, {"AND", "("});
            Alternatives criteria(Query1);
            if (!filter.asStaffNo.isEmpty())
                criteria.Add("OR", "  StaffNo=:StaffNo");
            if (!filter.asNameKanji0.isEmpty())
                criteria.Add("OR", "  NameKanji0 LIKE :NameKanji0Like");
            if (!filter.asNameKanji1.isEmpty())
                criteria.Add("OR", "  NameKanji1 LIKE :NameKanji1Like");
            if (!filter.asNameKana0.isEmpty())
                criteria.Add("OR", "NameKana0 LIKE :NameKana0Like");
            if (!filter.asNameKana1.isEmpty())
                criteria.Add("OR", "NameKana1 LIKE :NameKana1Like");
            if (!filter.asNameAlphabet0.isEmpty())
                criteria.Add("OR", "NameAlphabet0 LIKE :NameAlphabet0Like");
            if (!filter.asNameAlphabet1.isEmpty())
                criteria.Add("OR", "NameAlphabet1 LIKE :NameAlphabet1Like");
            AddLines(Query1, {")"});
        }
        AddLines(Query1, {"ORDER BY", "  StaffNo;"});
        if (!filter.asStaffNo.isEmpty())
            Query1->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(filter.asStaffNo, 0));
        if (filter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(filter.iSex);
        if (filter.iJobCode != -1)
            Query1->ParamByName("JobCode")->SetAsInteger(filter.iJobCode);
        BindContains(Query1, "NameKanji0Like", filter.asNameKanji0);
        BindContains(Query1, "NameKanji1Like", filter.asNameKanji1);
        BindContains(Query1, "NameKana0Like", filter.asNameKana0);
        BindContains(Query1, "NameKana1Like", filter.asNameKana1);
        BindContains(Query1, "NameAlphabet0Like", filter.asNameAlphabet0);
        BindContains(Query1, "NameAlphabet1Like", filter.asNameAlphabet1);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetStaffs(stStaffRecord* records, int max)
{
    try {
        int i = 0;
        Query1->First();
        while (!Query1->Eof()) {
            stStaffRecord& r = records[i];
            r.asStaffNo = IntToStr(Query1->FieldByName("StaffNo")->AsInteger());
            r.iJobCode = Query1->FieldByName("JobCode")->AsInteger();
            r.iSex = Query1->FieldByName("Sex")->AsInteger();
            r.asNameKanji0 = Query1->FieldByName("NameKanji0")->AsString();
            r.asNameKanji1 = Query1->FieldByName("NameKanji1")->AsString();
            r.asNameKana0 = Query1->FieldByName("NameKana0")->AsString();
            r.asNameKana1 = Query1->FieldByName("NameKana1")->AsString();
            r.asNameAlphabet0 = Query1->FieldByName("NameAlphabet0")->AsString();
            r.asNameAlphabet1 = Query1->FieldByName("NameAlphabet1")->AsString();
            Query1->Next();
            if (++i >= max)
                break;
        }
        return i;
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelStaff(int staffNo)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2,
                 {"UPDATE Staff2Table SET", "  DeleteFlag = :DeleteFlag", "WHERE", " StaffNo = :STaffNo;"});
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("StaffNo")->SetAsInteger(staffNo);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddStaff(stStaffRecord record)
{
    const int existing = GetStaffCode(record.asStaffNo);
    if (existing >= 0)
        return -100;
    // Without the uniqueness check the number could be given twice.
    if (existing == -1)
        return -1;
    try {
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
        Query2->ParamByName("JobCode")->SetAsInteger(record.iJobCode);
        Query2->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(record.asStaffNo, 0));
        Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
        Query2->ParamByName("NameKanji0")->SetAsString(record.asNameKanji0);
        Query2->ParamByName("NameKanji1")->SetAsString(record.asNameKanji1);
        Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
        Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
        Query2->ParamByName("NameAlphabet0")->SetAsString(record.asNameAlphabet0);
        Query2->ParamByName("NameAlphabet1")->SetAsString(record.asNameAlphabet1);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplaceStaff(stStaffRecord record)
{
    try {
        Query2->SQL->Clear();
        // Only the live row: a flagged member whose number was given again keeps its data.
        AddLines(Query2, {"UPDATE Staff2Table SET", "  JobCode = :JobCode,", "  Sex = :Sex,",
                          "  NameKanji0 = :NameKanji0,", "  NameKanji1 = :NameKanji1,",
                          "  NameKana0 = :NameKana0,", "  NameKana1 = :NameKana1,",
                          "  NameAlphabet0 = :NameAlphabet0,", "  NameAlphabet1 = :NameAlphabet1", "WHERE",
                          "  StaffNo = :StaffNo", "  AND DeleteFlag = False;"});
        Query2->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(record.asStaffNo, 0));
        Query2->ParamByName("JobCode")->SetAsInteger(record.iJobCode);
        Query2->ParamByName("Sex")->SetAsSmallInt(record.iSex);
        Query2->ParamByName("NameKanji0")->SetAsString(record.asNameKanji0);
        Query2->ParamByName("NameKanji1")->SetAsString(record.asNameKanji1);
        Query2->ParamByName("NameKana0")->SetAsString(record.asNameKana0);
        Query2->ParamByName("NameKana1")->SetAsString(record.asNameKana1);
        Query2->ParamByName("NameAlphabet0")->SetAsString(record.asNameAlphabet0);
        Query2->ParamByName("NameAlphabet1")->SetAsString(record.asNameAlphabet1);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Code lookups and existence checks

int TDBDM::GetExcursusCode(int karteCode)
{
    try {
        Restart(Query3);
        AddLines(Query3,
                 {"SELECT", "  Code, KarteCode", "FROM", "  PSTable", "WHERE", "  KarteCode = :KarteCode;"});
        Query3->ParamByName("KarteCode")->SetAsInteger(karteCode);
        Query3->Open();
        if (Query3->RecordCount() == 0)
            return -2;
        return Query3->FieldByName("Code")->AsInteger();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetPatientCode(QString patientNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  Code, PatientNo, DeleteFlag", "FROM", "  Patient2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  PatientNo=:PatientNo;"});
        Query3->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(patientNo, 0));
        Query3->Open();
        if (Query3->RecordCount() == 0)
            return -2;
        return Query3->FieldByName("Code")->AsInteger();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetStaffCode(QString staffNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  Code, StaffNo, DeleteFlag", "FROM", "  Staff2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  StaffNo=:StaffNo;"});
        Query3->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(staffNo, 0));
        Query3->Open();
        if (Query3->RecordCount() == 0)
            return -2;
        return Query3->FieldByName("Code")->AsInteger();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetStaffNo(int staffCode)
{
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  Code, StaffNo, DeleteFlag", "FROM", "  Staff2Table", "WHERE",
                          "  DeleteFlag = False", "AND", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(staffCode);
        Query2->Open();
        if (Query2->RecordCount() == 0)
            return -2;
        return Query2->FieldByName("StaffNo")->AsInteger();
    } catch (...) {
        return -1;
    }
}

bool TDBDM::ExistKarteNo(QString karteNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  KarteNo", "FROM", "  KarteTable", "WHERE",
                          "  KarteNo=:KarteNo AND DeleteFlag=false;"});
        Query3->ParamByName("KarteNo")->SetAsString(karteNo);
        Query3->Open();
        return Query3->RecordCount() != 0;
    } catch (...) {
        return false;
    }
}

bool TDBDM::ExistStaffNo(QString staffNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  StaffNo", "FROM", "  Staff2Table", "WHERE",
                          "  StaffNo=:StaffNo AND DeleteFlag=false;"});
        Query3->ParamByName("StaffNo")->SetAsInteger(StrToIntDef(staffNo, 0));
        Query3->Open();
        return Query3->RecordCount() > 0;
    } catch (...) {
        return false;
    }
}

bool TDBDM::ExistPatientNo(QString patientNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  PatientNo", "FROM", "  Patient2Table", "WHERE",
                          "  PatientNo=:PatientNo AND DeleteFlag=false;"});
        Query3->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(patientNo, 0));
        Query3->Open();
        return Query3->RecordCount() != 0;
    } catch (...) {
        return false;
    }
}

void TDBDM::GetSchoolName(int schoolCode, QString& name)
{
    name = QString();
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  Code, Name", "FROM", "  SchoolTable", "WHERE", "  Code=:Code;"});
        Query3->ParamByName("Code")->SetAsInteger(schoolCode);
        Query3->Open();
        if (Query3->RecordCount() != 0)
            name = Query3->FieldByName("Name")->AsString();
    } catch (...) {
        name = QString();
    }
}

// ---------------------------------------------------------------------------------------------
// Reference lists

int TDBDM::SearchSchool(stSchoolRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  Name", "FROM", "  SchoolTable"});
        if (!filter.asName.isEmpty())
            AddLines(Query1, {"WHERE", "  Name LIKE :NameLike"});
        AddLines(Query1, {"ORDER BY", "  Name;"});
        BindContains(Query1, "NameLike", filter.asName);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetSchools(stSchoolRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            records[i].iCode = Query1->FieldByName("Code")->AsInteger();
            records[i].asName = Query1->FieldByName("Name")->AsString();
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetJobCount()
{
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "Code", "FROM", "JobTable;"});
        Query2->Open();
        return Query2->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchJob(stJobRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  Job", "FROM", "  JobTable"});
        if (!filter.asJob.isEmpty())
            AddLines(Query1, {"WHERE", "  Job LIKE :JobLike"});
        AddLines(Query1, {"ORDER BY", "  Job;"});
        BindContains(Query1, "JobLike", filter.asJob);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetJobs(stJobRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            records[i].iCode = Query1->FieldByName("Code")->AsInteger();
            records[i].asJob = Query1->FieldByName("Job")->AsString();
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchFood(stFoodRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  Name", "FROM", "  FoodTable"});
        if (!filter.asName.isEmpty())
            AddLines(Query1, {"WHERE", "  Name LIKE :NameLike"});
        AddLines(Query1, {"ORDER BY", "  Name;"});
        BindContains(Query1, "NameLike", filter.asName);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetFoods(stFoodRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            records[i].iCode = Query1->FieldByName("Code")->AsInteger();
            records[i].asName = Query1->FieldByName("Name")->AsString();
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchFrequency(stFrequencyRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  Name,", "  DispOrder", "FROM", "  FrequencyTable"});
        if (!filter.asName.isEmpty())
            AddLines(Query1, {"WHERE", "  Name LIKE :NameLike"});
        AddLines(Query1, {"ORDER BY", "  DispOrder;"});
        BindContains(Query1, "NameLike", filter.asName);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetFrequencies(stFrequencyRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            records[i].iCode = Query1->FieldByName("Code")->AsInteger();
            records[i].asName = Query1->FieldByName("Name")->AsString();
            records[i].iDispOrder = Query1->FieldByName("DispOrder")->AsInteger();
        });
    } catch (...) {
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Treatments

int TDBDM::SearchTreatment(stTreatmentRecord filter)
{
    try {
        if (Query1->Active())
            Query1->Close();
        int staffCode = 0;
        int karteCode = 0;
        if (const int rc = ResolveStaffAndKarte(filter.asStaffNo, filter.asKarteNo, staffCode, karteCode);
            rc < 0)
            return rc;
        Query1->SQL->Clear();
        AddLines(Query1, {"SELECT", "  Code,", "  RDate,", "  Treatment,", "  StaffCode,", "  KarteCode",
                          "FROM", "  TreatmentTable"});
        if (!filter.asTreatment.isEmpty() || !filter.asStaffNo.isEmpty() || !filter.asKarteNo.isEmpty()) {
            AddLines(Query1, {"WHERE"});
            Alternatives criteria(Query1);
            if (!filter.asTreatment.isEmpty())
                criteria.Add("OR", "Treatment LIKE :TreatmentLike");
            if (!filter.asStaffNo.isEmpty())
                criteria.Add("OR", "  StaffCode=:StaffCode");
            if (!filter.asKarteNo.isEmpty())
                criteria.Add("OR", "  KarteCode=:KarteCode");
        }
        AddLines(Query1, {"ORDER BY", "  RDate;"});
        if (!filter.asStaffNo.isEmpty())
            Query1->ParamByName("StaffCode")->SetAsInteger(staffCode);
        if (!filter.asKarteNo.isEmpty())
            Query1->ParamByName("KarteCode")->SetAsInteger(karteCode);
        BindContains(Query1, "TreatmentLike", filter.asTreatment);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetTreatments(stTreatmentRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            stTreatmentRecord& r = records[i];
            r.iCode = Query1->FieldByName("Code")->AsInteger();
            r.tDate = Query1->FieldByName("RDate")->AsDateTime();
            r.asTreatment = Query1->FieldByName("Treatment")->AsString();
            r.asStaffNo = IntToStr(GetStaffNo(Query1->FieldByName("StaffCode")->AsInteger()));
            r.asKarteNo = GetKarteNo(Query1->FieldByName("KarteCode")->AsInteger());
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelTreatment(int code)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"DELETE FROM TreatmentTable", "WHERE Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

// The codes of a note or treatment search's member and karte criteria (0 where a criterion
// is empty): -2 when the member has no live row, -3 when the karte has none, else 0.
int TDBDM::ResolveStaffAndKarte(const QString& staffNo, const QString& karteNo, int& staffCode,
                                int& karteCode)
{
    if (!staffNo.isEmpty()) {
        staffCode = GetStaffCode(staffNo);
        if (staffCode < 0)
            return -2;
    }
    if (!karteNo.isEmpty()) {
        karteCode = GetKarteCode(karteNo);
        if (karteCode < 0)
            return -3;
    }
    return 0;
}

// Binds the codes of a note's or treatment's member and karte, looked up on Query3:
// -2 when the member has no live row, -3 when the karte has none, else 0.
int TDBDM::BindStaffAndKarte(TQuery* query, const QString& staffNo, const QString& karteNo)
{
    const int staffCode = GetStaffCode(staffNo);
    if (staffCode < 0)
        return -2;
    query->ParamByName("StaffCode")->SetAsInteger(staffCode);
    const int karteCode = GetKarteCode(karteNo);
    if (karteCode < 0)
        return -3;
    query->ParamByName("KarteCode")->SetAsInteger(karteCode);
    return 0;
}

int TDBDM::AddTreatment(stTreatmentRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"INSERT INTO TreatmentTable", "(", "  RDate,", "  Treatment,", "  StaffCode,",
                          "  KarteCode", ")", "VALUES", "(", "  :RDate,", "  :Treatment,", "  :StaffCode,",
                          "  :KarteCode", ");"});
        Query2->ParamByName("RDate")->SetAsDate(record.tDate);
        Query2->ParamByName("Treatment")->SetAsString(record.asTreatment);
        if (const int rc = BindStaffAndKarte(Query2, record.asStaffNo, record.asKarteNo); rc < 0)
            return rc;
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplaceTreatment(stTreatmentRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE TreatmentTable SET", "  RDate=:RDate,", "  Treatment=:Treatment,",
                          "  StaffCode=:StaffCode,", "  KarteCode=:KarteCode", "WHERE", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(record.iCode);
        Query2->ParamByName("RDate")->SetAsDate(record.tDate);
        Query2->ParamByName("Treatment")->SetAsString(record.asTreatment);
        if (const int rc = BindStaffAndKarte(Query2, record.asStaffNo, record.asKarteNo); rc < 0)
            return rc;
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetMedicalRecordOfStaffTreatment(QString staffNo, QString& first)
{
    first = QString();
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  DISTINCT KT.Code, KT.KarteNo, KT.RDate, KT.PatientCode", "FROM",
                          "  TreatmentTable AS TT,", "  Staff2Table AS ST,", "  KarteTable AS KT", "WHERE",
                          "  TT.StaffCode = ST.Code", "AND", "  ST.StaffNo  = :MemberNo", "AND",
                          "  TT.KarteCode = KT.Code", "AND", "  KT.DeleteFlag = false", ";"});
        Query2->ParamByName("MemberNo")->SetAsInteger(StrToInt(staffNo));
        Query2->Open();
        const int count = Query2->RecordCount();
        first = Query2->FieldByName("KarteNo")->AsString() + ", " + Query2->FieldByName("RDate")->AsString();
        return count;
    } catch (...) {
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Notes

int TDBDM::SearchNote(stNoteRecord filter)
{
    try {
        if (Query1->Active())
            Query1->Close();
        int staffCode = 0;
        int karteCode = 0;
        if (const int rc = ResolveStaffAndKarte(filter.asStaffNo, filter.asKarteNo, staffCode, karteCode);
            rc < 0)
            return rc;
        Query1->SQL->Clear();
        AddLines(Query1, {"SELECT", "  Code,", "  RDate,", "  Description,", "  StaffCode,", "  KarteCode",
                          "FROM", "  NoteTable"});
        if (!filter.asDescription.isEmpty() || !filter.asStaffNo.isEmpty() || !filter.asKarteNo.isEmpty()) {
            AddLines(Query1, {"WHERE"});
            Alternatives criteria(Query1);
            if (!filter.asDescription.isEmpty())
                criteria.Add("OR", "  Description LIKE :DescriptionLike");
            if (!filter.asStaffNo.isEmpty())
                criteria.Add("OR", "  StaffCode=:StaffCode");
            if (!filter.asKarteNo.isEmpty())
                criteria.Add("OR", "  KarteCode=:KarteCode");
        }
        AddLines(Query1, {"ORDER BY", "  RDate;"});
        if (!filter.asStaffNo.isEmpty())
            Query1->ParamByName("StaffCode")->SetAsInteger(staffCode);
        if (!filter.asKarteNo.isEmpty())
            Query1->ParamByName("KarteCode")->SetAsInteger(karteCode);
        BindContains(Query1, "DescriptionLike", filter.asDescription);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetNotes(stNoteRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            stNoteRecord& r = records[i];
            r.iCode = Query1->FieldByName("Code")->AsInteger();
            r.tDate = Query1->FieldByName("RDate")->AsDateTime();
            r.asDescription = Query1->FieldByName("Description")->AsString();
            r.asStaffNo = IntToStr(GetStaffNo(Query1->FieldByName("StaffCode")->AsInteger()));
            r.asKarteNo = GetKarteNo(Query1->FieldByName("KarteCode")->AsInteger());
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelNote(int code)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"DELETE FROM NoteTable", "WHERE Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddNote(stNoteRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"INSERT INTO NoteTable", "(", "RDate,", "Description,", "StaffCode,", "KarteCode",
                          ")", "VALUES", "(", ":RDate,", ":Description,", ":StaffCode,", ":KarteCode", ");"});
        Query2->ParamByName("RDate")->SetAsDate(record.tDate);
        Query2->ParamByName("Description")->SetAsString(record.asDescription);
        if (const int rc = BindStaffAndKarte(Query2, record.asStaffNo, record.asKarteNo); rc < 0)
            return rc;
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplaceNote(stNoteRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE NoteTable SET", "  RDate=:RDate,", "  Description=:Description,",
                          "  StaffCode=:StaffCode,", "  KarteCode=:KarteCode", "WHERE", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(record.iCode);
        Query2->ParamByName("RDate")->SetAsDate(record.tDate);
        Query2->ParamByName("Description")->SetAsString(record.asDescription);
        if (const int rc = BindStaffAndKarte(Query2, record.asStaffNo, record.asKarteNo); rc < 0)
            return rc;
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetMedicalRecordOfStaffNote(QString staffNo, QString& first)
{
    first = QString();
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  DISTINCT KT.Code, KT.KarteNo, KT.RDate, KT.PatientCode", "FROM",
                          "  NoteTable AS NT,", "  Staff2Table AS ST,", "  KarteTable AS KT", "WHERE",
                          "  NT.StaffCode = ST.Code", "AND", "  ST.StaffNo = :MemberNo", "AND",
                          "  NT.KarteCode = KT.Code", "AND", "  KT.DeleteFlag = false", ";"});
        Query2->ParamByName("MemberNo")->SetAsInteger(StrToInt(staffNo));
        Query2->Open();
        const int count = Query2->RecordCount();
        first = Query2->FieldByName("KarteNo")->AsString() + ", " + Query2->FieldByName("RDate")->AsString();
        return count;
    } catch (...) {
        return -1;
    }
}

// ---------------------------------------------------------------------------------------------
// Diet rows

int TDBDM::SearchDietInquiry(stDietInquiryRecord filter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  FoodCode,", "  FrequencyCode,", "  CheckupCode", "FROM",
                          "  DietInquiryTable", "WHERE", "  CheckupCode=:CheckupCode;"});
        Query1->ParamByName("CheckupCode")->SetAsInteger(filter.iCheckupCode);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetDietInquiries(stDietInquiryRecord* records, int max)
{
    try {
        return WalkRows(Query1, max, [&](int i) {
            records[i].iCode = Query1->FieldByName("Code")->AsInteger();
            records[i].iFoodCode = Query1->FieldByName("FoodCode")->AsInteger();
            records[i].iFrequencyCode = Query1->FieldByName("FrequencyCode")->AsInteger();
            records[i].iCheckupCode = Query1->FieldByName("CheckupCode")->AsInteger();
        });
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelDietInquiry(int code)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"DELETE FROM DietInquiryTable", "WHERE Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddDietInquiry(stDietInquiryRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2,
                 {"INSERT INTO DietInquiryTable", "(", "  FoodCode,", "  FrequencyCode,", "  CheckupCode",
                  ")", "VALUES", "(", "  :FoodCode,", "  :FrequencyCode,", "  :CheckupCode", ");"});
        Query2->ParamByName("FoodCode")->SetAsInteger(record.iFoodCode);
        Query2->ParamByName("FrequencyCode")->SetAsInteger(record.iFrequencyCode);
        Query2->ParamByName("CheckupCode")->SetAsInteger(record.iCheckupCode);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplaceDietInquiry(stDietInquiryRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2,
                 {"UPDATE DietInquiryTable SET", "  FoodCode=:FoodCode,", "  FrequencyCode=:FrequencyCode,",
                  "  CheckupCode=:CheckupCode", "WHERE", "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(record.iCode);
        Query2->ParamByName("FoodCode")->SetAsInteger(record.iFoodCode);
        Query2->ParamByName("FrequencyCode")->SetAsInteger(record.iFrequencyCode);
        Query2->ParamByName("CheckupCode")->SetAsInteger(record.iCheckupCode);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetAddedCode()
{
    // Every insert runs on this one connection, so its last row is the caller's add.
    return int(Query2->LastInsertId());
}

// ---------------------------------------------------------------------------------------------
// Karte search and read

int TDBDM::GetMedicalRecordCount()
{
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  Code", "FROM", "  KarteTable", "WHERE", "  DeleteFlag = False;"});
        Query2->Open();
        return Query2->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchMedicalRecord(stMedicalRec filter, TDateTime endDate, stPatientRec patientFilter)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  DeleteFlag,",
                          "  PatientCode,"});
        Query1->SQL->Add(AliasLine("Patient2Table.PatientNo", "PPatientNo"));
        Query1->SQL->Add(AliasLine("Patient2Table.Birth", "PBirth"));
        Query1->SQL->Add(AliasLine("Patient2Table.Sex", "PSex"));
        Query1->SQL->Add(AliasLine("Patient2Table.Name0", "PName0"));
        Query1->SQL->Add(AliasLine("Patient2Table.Name1", "PName1"));
        Query1->SQL->Add(AliasLine("Patient2Table.Namekana0", "PNamekana0"));
        Query1->SQL->Add(AliasLine("Patient2Table.NameKana1", "PNameKana1"));
        Query1->SQL->Add(AliasLine("Patient2Table.SchoolCode", "PSchoolCode"));
        Query1->SQL->Add(AliasLine("SchoolTable.Name", "SchoolName"));
        Query1->SQL->Add(AliasLine("Patient2Table.Portrait", "PPortrait"));
        Query1->SQL->Add(AliasLine("Patient2Table.DeleteFlag", "PDeleteFlag"));
        AddExcursusAliasLines(Query1);
        AddLines(Query1, {"FROM",
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
        if (patientFilter.iSex != -1)
            AddLines(Query1, {"  AND", "    Patient2Table.Sex = :Sex"});
        AddLines(Query1, {"  AND", "    RDate >= :StartDate", "  AND", "    RDate <= :EndDate", ")"});
        if (!filter.asMediRecNo.isEmpty() || !patientFilter.asPatientNo.isEmpty() ||
            !patientFilter.asName0.isEmpty() || !patientFilter.asName1.isEmpty() ||
            !patientFilter.asNameKana0.isEmpty() || !patientFilter.asNameKana1.isEmpty() ||
            !patientFilter.asSchoolName.isEmpty()) {
            AddLines(Query1, {"AND", "("});
            Alternatives criteria(Query1);
            if (!patientFilter.asPatientNo.isEmpty())
                criteria.Add("  OR", "    Patient2Table.PatientNo = :PatientNo");
            if (!filter.asMediRecNo.isEmpty())
                criteria.Add("  OR", "    KarteNo LIKE :KarteNoLike");
            if (!patientFilter.asName0.isEmpty())
                criteria.Add("  OR", "    Patient2Table.Name0 LIKE :Name0Like");
            if (!patientFilter.asName1.isEmpty())
                criteria.Add("  OR", "    Patient2Table.Name1 LIKE :Name1Like");
            if (!patientFilter.asNameKana0.isEmpty())
                criteria.Add("  OR", "    Patient2Table.NameKana0 LIKE :NameKana0Like");
            if (!patientFilter.asNameKana1.isEmpty())
                criteria.Add("OR", "Patient2Table.NameKana1 LIKE :NameKana1Like");
            if (!patientFilter.asSchoolName.isEmpty())
                criteria.Add("  OR", "    SchoolTable.Name LIKE :SchoolNameLike");
            AddLines(Query1, {")"});
        }
        AddLines(Query1, {"ORDER BY", "  KarteNo;"});
        if (!patientFilter.asPatientNo.isEmpty())
            Query1->ParamByName("PatientNo")->SetAsInteger(StrToIntDef(patientFilter.asPatientNo, 0));
        if (patientFilter.iSex != -1)
            Query1->ParamByName("Sex")->SetAsSmallInt(patientFilter.iSex);
        Query1->ParamByName("StartDate")->SetAsDate(filter.tDate);
        Query1->ParamByName("EndDate")->SetAsDate(endDate);
        BindContains(Query1, "KarteNoLike", filter.asMediRecNo);
        BindContains(Query1, "Name0Like", patientFilter.asName0);
        BindContains(Query1, "Name1Like", patientFilter.asName1);
        BindContains(Query1, "NameKana0Like", patientFilter.asNameKana0);
        BindContains(Query1, "NameKana1Like", patientFilter.asNameKana1);
        BindContains(Query1, "SchoolNameLike", patientFilter.asSchoolName);
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::SearchMedicalRecordWithoutPatient(stMedicalRec filter, TDateTime endDate)
{
    try {
        Restart(Query1);
        AddLines(Query1, {"SELECT", "  Code,", "  KarteNo,", "  RDate,", "  Next,", "  PatientCode,",
                          "  DeleteFlag,"});
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
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetMedicalRecords(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses,
                             int max)
{
    int i = 0;
    try {
        Query1->First();
        if (Query1->Eof())
            return 0;
        const Columns c(Query1, {"KarteNo", "RDate", "Next", "PatientCode", "PPatientNo", "PName0", "PName1",
                                 "PNameKana0", "PNameKana1", "PBirth", "PSex", "PSchoolCode", "SchoolName",
                                 "PPortrait"});
        const ExcursusColumns answers(Query1);
        while (!Query1->Eof()) {
            stMedicalRec& r = records[i];
            stPatientRec& p = patients[i];
            r.asMediRecNo = c[0]->AsString();
            r.tDate = c[1]->AsDateTime();
            r.iNext = c[2]->AsInteger();
            r.iPatientCode = c[3]->AsInteger();
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
            answers.Read(excursuses[i]);
            Query1->Next();
            if (++i >= max)
                break;
        }
        return i;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetMedicalRecordsWithoutPatient(stMedicalRec* records, stPatientRec* patients,
                                           stExcursusRec* excursuses, int max)
{
    int i = 0;
    try {
        Query1->First();
        if (Query1->Eof())
            return 0;
        const Columns c(Query1, {"KarteNo", "RDate", "Next"});
        const ExcursusColumns answers(Query1);
        while (!Query1->Eof()) {
            stMedicalRec& r = records[i];
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
            Query1->Next();
            if (++i >= max)
                break;
        }
        return i;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetMedicalRecordOfPatient(QString patientNo, QString& first)
{
    first = QString();
    try {
        Restart(Query2);
        AddLines(Query2, {"SELECT", "  Code, KarteNo, RDate, PatientCode", "FROM",
                          "  KarteTable AS KT, Patient2Table AS PT", "WHERE", "  KT.DeleteFlag = false",
                          "AND", "  KT.PatientCode = PT.Code", "AND", "  PT.PatientNo = :PatientNo", ";"});
        Query2->ParamByName("PatientNo")->SetAsInteger(StrToInt(patientNo));
        Query2->Open();
        const int count = Query2->RecordCount();
        first = Query2->FieldByName("KarteNo")->AsString() + ", " + Query2->FieldByName("RDate")->AsString();
        return count;
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetKarteCode(QString karteNo)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  Code, KarteNo, DeleteFlag", "FROM", "  KarteTable", "WHERE",
                          "  DeleteFlag = False", "AND", "  KarteNo=:KarteNo;"});
        Query3->ParamByName("KarteNo")->SetAsString(karteNo);
        Query3->Open();
        if (Query3->RecordCount() == 0)
            return -2;
        return Query3->FieldByName("Code")->AsInteger();
    } catch (...) {
        return -1;
    }
}

QString TDBDM::GetKarteNo(int karteCode)
{
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "Code, KarteNo", "FROM", "KarteTable", "WHERE", "Code=:Code;"});
        Query3->ParamByName("Code")->SetAsInteger(karteCode);
        Query3->Open();
        if (Query3->RecordCount() == 0)
            return "-2";
        return Query3->FieldByName("KarteNo")->AsString();
    } catch (...) {
        return "-1";
    }
}

// ---------------------------------------------------------------------------------------------
// Karte store and delete

int TDBDM::DelMedicalRecord(QString karteNo)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE KarteTable SET", "DeleteFlag=:DeleteFlag", "WHERE", "KarteNo=:KarteNo;"});
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(true);
        Query2->ParamByName("KarteNo")->SetAsString(karteNo);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo)
{
    const int existing = GetKarteCode(record.asMediRecNo);
    if (existing >= 0)
        return -100;
    // Without the uniqueness check the number could be given twice.
    if (existing == -1)
        return -1;
    int patientCode = -1;
    if (!patientNo.isEmpty()) {
        patientCode = GetPatientCode(patientNo);
        if (patientCode < 0)
            return -1;
    }
    // Header and questionnaire go in together or not at all: a live karte without its
    // questionnaire row would never be found, yet would hold its number.
    std::unique_ptr<KarteStoreTransaction> transaction;
    try {
        transaction = std::make_unique<KarteStoreTransaction>(Query2);
        Query2->SQL->Clear();
        AddLines(Query2, {"INSERT INTO KarteTable", "(", "KarteNo,", "RDate,", "Next,", "PatientCode,",
                          "DeleteFlag", ")", "VALUES", "(", ":KarteNo,", ":RDate,", ":Next,", ":PatientCode,",
                          ":DeleteFlag", ");"});
        Query2->ParamByName("KarteNo")->SetAsString(record.asMediRecNo);
        Query2->ParamByName("RDate")->SetAsDate(record.tDate);
        Query2->ParamByName("Next")->SetAsInteger(record.iNext);
        Query2->ParamByName("PatientCode")->SetAsInteger(patientCode);
        Query2->ParamByName("DeleteFlag")->SetAsBoolean(false);
        Query2->ExecSQL();
    } catch (...) {
        return -2;
    }
    const int karteCode = GetKarteCode(record.asMediRecNo);
    if (karteCode < 0)
        return -3;
    excursus.iKarteCode = karteCode;
    if (AddExcursus(excursus) < 0)
        return -4;
    try {
        transaction->Commit();
    } catch (...) {
        return -4;
    }
    return 1;
}

int TDBDM::ReplaceMedicalRecord(stMedicalRec record, stExcursusRec excursus, QString patientNo)
{
    // Header and questionnaire are rewritten together or not at all.
    std::unique_ptr<KarteStoreTransaction> transaction;
    int karteCode;
    if (patientNo.isEmpty()) {
        karteCode = GetKarteCode(record.asMediRecNo);
        if (karteCode < 0)
            return -12;
        try {
            transaction = std::make_unique<KarteStoreTransaction>(Query2);
            Query2->SQL->Clear();
            AddLines(Query2, {"UPDATE KarteTable SET", "  KarteNo=:KarteNo,", "  RDate=:RDate,",
                              "  Next=:Next,", "  PatientCode=-1", "WHERE", "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(karteCode);
            Query2->ParamByName("KarteNo")->SetAsString(record.asMediRecNo);
            Query2->ParamByName("RDate")->SetAsDate(record.tDate);
            Query2->ParamByName("Next")->SetAsInteger(record.iNext);
            Query2->ExecSQL();
        } catch (...) {
            return -13;
        }
    } else {
        const int patientCode = GetPatientCode(patientNo);
        if (patientCode < 0)
            return -1;
        karteCode = GetKarteCode(record.asMediRecNo);
        if (karteCode < 0)
            return -2;
        try {
            transaction = std::make_unique<KarteStoreTransaction>(Query2);
            Query2->SQL->Clear();
            AddLines(Query2, {"UPDATE KarteTable SET", "  KarteNo=:KarteNo,", "  RDate=:RDate,",
                              "  Next=:Next,", "  PatientCode=:PatientCode", "WHERE", "  Code=:Code;"});
            Query2->ParamByName("Code")->SetAsInteger(karteCode);
            Query2->ParamByName("KarteNo")->SetAsString(record.asMediRecNo);
            Query2->ParamByName("RDate")->SetAsDate(record.tDate);
            Query2->ParamByName("Next")->SetAsInteger(record.iNext);
            Query2->ParamByName("PatientCode")->SetAsInteger(patientCode);
            Query2->ExecSQL();
        } catch (...) {
            return -3;
        }
    }
    excursus.iKarteCode = karteCode;
    const int excursusCode = GetExcursusCode(karteCode);
    if (excursusCode < 0)
        return -4;
    excursus.iCode = excursusCode;
    if (ReplaceExcursus(excursus) < 0)
        return -5;
    try {
        transaction->Commit();
    } catch (...) {
        return -5;
    }
    return 1;
}

int TDBDM::AddExcursus(stExcursusRec excursus)
{
    try {
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
        SetExcursusParams(excursus);
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::ReplaceExcursus(stExcursusRec excursus)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE PSTable SET", "KarteCode=:KarteCode,"});
        const int count = int(std::size(AnswersInColumnOrder));
        for (int i = 0; i < count; ++i) {
            const QString column = QString::fromLatin1(AnswersInColumnOrder[i].column);
            Query2->SQL->Add(column + "=:" + column + (i == count - 1 ? "" : ","));
        }
        AddLines(Query2, {"WHERE", "Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(excursus.iCode);
        SetExcursusParams(excursus);
        return 1;
    } catch (...) {
        return -1;
    }
}

void TDBDM::SetExcursusParams(stExcursusRec excursus)
{
    Query2->ParamByName("KarteCode")->SetAsInteger(excursus.iKarteCode);
    for (const Answer& answer : AnswersInColumnOrder) {
        TParam* param = Query2->ParamByName(QString::fromLatin1(answer.column));
        if (answer.flag)
            param->SetAsBoolean(excursus.*answer.flag);
        else
            param->SetAsString(excursus.*answer.memo);
    }
    Query2->ExecSQL();
}

// ---------------------------------------------------------------------------------------------
// Check-ups

int TDBDM::SearchCheckup(stCheckupRecord filter)
{
    try {
        if (Query1->Active())
            Query1->Close();
        int karteCode = 0;
        if (!filter.asKarteNo.isEmpty()) {
            karteCode = GetKarteCode(filter.asKarteNo);
            if (karteCode < 0)
                return -3;
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
        Query1->Open();
        return Query1->RecordCount();
    } catch (...) {
        return -1;
    }
}

int TDBDM::GetCheckups(stCheckupRecord* records, int max)
{
    int i = 0;
    try {
        Query1->First();
        if (Query1->Eof())
            return 0;
        TField* code = Query1->FieldByName("Code");
        TField* date = Query1->FieldByName("CDate");
        TField* teeth[52];
        for (int t = 0; t < 52; ++t)
            teeth[t] = Query1->FieldByName(QString::fromLatin1(Teeth[t].column));
        TField* karteCode = Query1->FieldByName("KarteCode");
        TField* schoolCode = Query1->FieldByName("SchoolCode");
        TField* memo = Query1->FieldByName("Memo");
        ReadingTransaction reading(Query3);
        // Several check-ups share a karte, whose number does not change during the walk.
        std::map<int, QString> karteNumbers;
        while (!Query1->Eof()) {
            stCheckupRecord& r = records[i];
            r.iCode = code->AsInteger();
            r.tDate = date->AsDateTime();
            for (int t = 0; t < 52; ++t)
                r.*Teeth[t].field = teeth[t]->AsInteger();
            const int karte = karteCode->AsInteger();
            auto known = karteNumbers.find(karte);
            if (known == karteNumbers.end())
                known = karteNumbers.emplace(karte, GetKarteNo(karte)).first;
            r.asKarteNo = known->second;
            r.iSchoolCode = schoolCode->AsInteger();
            r.asMemo = memo->AsString();
            Query1->Next();
            if (++i >= max)
                break;
        }
        return i;
    } catch (...) {
        return -1;
    }
}

int TDBDM::DelCheckup(int code)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"DELETE FROM CheckupTable", "WHERE Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(code);
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::AddCheckup(stCheckupRecord record)
{
    long long insertedCode = 0;
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"INSERT INTO CheckupTable", "(", "  CDate,"});
        AddToothLines(Query2, Bare);
        AddLines(Query2, {"  KarteCode,", "  SchoolCode,", "  Memo", ")", "VALUES", "(", "  :CDate,"});
        AddToothLines(Query2, AsParameter);
        AddLines(Query2, {"  :KarteCode,", "  :SchoolCode,", "  :Memo", ");"});
        if (SetCheckupParams(record) < 0)
            return -3;
        Query2->ExecSQL();
        insertedCode = Query2->LastInsertId();
    } catch (...) {
        return -1;
    }
    try {
        Restart(Query3);
        AddLines(Query3, {"SELECT", "  Code", "FROM", "  CheckupTable", "WHERE", "  CDate = :CDate", "AND",
                          "  KarteCode = :KarteCode;"});
        Query3->ParamByName("CDate")->SetAsDate(record.tDate);
        Query3->ParamByName("KarteCode")->SetAsInteger(iWrkKarteCode);
        Query3->Open();
        // Another check-up of the karte may bear the same date: the new one is the row
        // just inserted, not the first the read-back finds.
        for (Query3->First(); !Query3->Eof(); Query3->Next())
            if (Query3->FieldByName("Code")->AsInteger() == insertedCode)
                return int(insertedCode);
        return -4;
    } catch (...) {
        return -4;
    }
}

int TDBDM::ReplaceCheckup(stCheckupRecord record)
{
    try {
        Query2->SQL->Clear();
        AddLines(Query2, {"UPDATE CheckupTable", "SET", "  CDate=:CDate,"});
        AddToothLines(Query2, AsAssignment);
        AddLines(Query2, {"  KarteCode=:KarteCode,", "  SchoolCode=:SchoolCode,", "  Memo=:Memo", "WHERE",
                          "  Code=:Code;"});
        Query2->ParamByName("Code")->SetAsInteger(record.iCode);
        if (SetCheckupParams(record) < 0)
            return -3;
        Query2->ExecSQL();
        return 1;
    } catch (...) {
        return -1;
    }
}

int TDBDM::SetCheckupParams(stCheckupRecord record)
{
    Query2->ParamByName("CDate")->SetAsDate(record.tDate);
    for (const Tooth& tooth : Teeth)
        Query2->ParamByName(QString::fromLatin1(tooth.column))->SetAsInteger(record.*tooth.field);
    Query2->ParamByName("SchoolCode")->SetAsInteger(record.iSchoolCode);
    Query2->ParamByName("Memo")->SetAsString(record.asMemo);
    iWrkKarteCode = GetKarteCode(record.asKarteNo);
    if (iWrkKarteCode < 0)
        return -3;
    Query2->ParamByName("KarteCode")->SetAsInteger(iWrkKarteCode);
    return 0;
}
