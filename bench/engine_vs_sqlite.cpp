// The engine against SQLite itself: each read of the data-store benchmark, and its twin
// that runs the same statement (as the engine hands it to SQLite) straight through the C
// API, reading every column into the same records, with the same lookups. Both run in one
// process on one database, in alternating order; the ratio is the figure to watch
// (goal: within 1.3). Then the peak heap each side needs for one read, each on a fresh
// connection (goal: within 1.5). A text given as argument times only the reads whose
// title has it, and nothing else (for a profiler).
#include "bench/DataStoreRows.h"
#include "core/data/Dbapi.h"
#include "core/data/Teeth.h"
#include "platform/rtl/IntText.h"

#include <atomic>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <sqlite3.h>

// The heap in use and its peak, counted by wrapping the C library's allocator (SQLite and
// Qt allocate through it). Left out where a sanitizer brings its own allocator.
#if !defined(__SANITIZE_ADDRESS__)
#define KVR_COUNT_HEAP 1
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<long long> heapInUse{0};
std::atomic<long long> heapPeak{0};

void* Counted(void* block)
{
    if (block) {
        const long long now = heapInUse += (long long)malloc_usable_size(block);
        long long peak = heapPeak;
        while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
        }
    }
    return block;
}

} // namespace

extern "C" void* malloc(size_t size)
{
    return Counted(__libc_malloc(size));
}
extern "C" void* calloc(size_t count, size_t size)
{
    return Counted(__libc_calloc(count, size));
}
extern "C" void* memalign(size_t alignment, size_t size)
{
    return Counted(__libc_memalign(alignment, size));
}
extern "C" void* aligned_alloc(size_t alignment, size_t size)
{
    return Counted(__libc_memalign(alignment, size));
}
extern "C" int posix_memalign(void** block, size_t alignment, size_t size)
{
    *block = Counted(__libc_memalign(alignment, size));
    return *block ? 0 : ENOMEM;
}
extern "C" void free(void* block)
{
    if (block)
        heapInUse -= (long long)malloc_usable_size(block);
    __libc_free(block);
}
extern "C" void* realloc(void* block, size_t size)
{
    const long long before = block ? (long long)malloc_usable_size(block) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved) {
        heapInUse -= before;
        Counted(moved);
    } else if (size == 0) {
        heapInUse -= before;
    }
    return moved;
}
#endif

namespace {

using namespace bench;

// The statements of the twins: the texts the engine hands SQLite for the data module's.
enum Statement {
    PatientSearch,
    KarteSearch,
    CheckupSearch,
    NoteSearch,
    KarteCodeLookup,
    KarteNoLookup,
    StaffNoLookup,
    StatementCount
};

std::vector<QByteArray> TwinStatements(TDBDM& dm)
{
    QStringList texts;
    stPatientRec women;
    women.iSex = 1;
    SearchPatient(women);
    texts << dm.Query1->SQL->Text();
    stMedicalRec fromStart;
    fromStart.tDate = EncodeDate(1900, 1, 1);
    stPatientRec anyone;
    anyone.iSex = -1;
    SearchMedicalRecord(fromStart, EncodeDate(3000, 12, 31), anyone);
    texts << dm.Query1->SQL->Text();
    SearchCheckup(stCheckupRecord());
    texts << dm.Query1->SQL->Text();
    stNoteRecord ofKarte1;
    ofKarte1.asKarteNo = KarteNo(1);
    SearchNote(ofKarte1);
    texts << dm.Query1->SQL->Text();
    texts << "SELECT\n  Code, KarteNo, DeleteFlag\nFROM\n  KarteTable\nWHERE\n  DeleteFlag = False\nAND\n  "
             "KarteNo=:KarteNo;"
          << "SELECT\nCode, KarteNo\nFROM\nKarteTable\nWHERE\nCode=:Code;"
          << "SELECT\n  Code, StaffNo, DeleteFlag\nFROM\n  Staff2Table\nWHERE\n  DeleteFlag = False\nAND\n  "
             "Code=:Code;";
    std::vector<QByteArray> statements;
    for (const QString& text : texts)
        statements.push_back(sqlite3_sql(dm.Session_kvr->Connection(Database)->Prepare(text).get()));
    return statements;
}

// One statement of the twin.
class RawStatement
{
public:
    RawStatement(sqlite3* db, const QByteArray& sql)
    {
        sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr);
    }
    ~RawStatement() { sqlite3_finalize(stmt); }
    RawStatement(const RawStatement&) = delete;
    RawStatement& operator=(const RawStatement&) = delete;

    void Bind(const char* name, int value) { sqlite3_bind_int(stmt, Index(name), value); }
    void Bind(const char* name, const char* value)
    {
        sqlite3_bind_text(stmt, Index(name), value, -1, SQLITE_TRANSIENT);
    }
    bool Step() { return sqlite3_step(stmt) == SQLITE_ROW; }
    void Reset() { sqlite3_reset(stmt); }
    int Column(const char* name) const
    {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            if (qstricmp(sqlite3_column_name(stmt, c), name) == 0)
                return c;
        std::fprintf(stderr, "no column %s\n", name);
        std::abort();
    }
    const char* Name(int c) const { return sqlite3_column_name(stmt, c); }
    int Int(int c) const { return sqlite3_column_int(stmt, c); }
    QString Text(int c) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                 sqlite3_column_bytes(stmt, c));
    }
    TDateTime Date(int c) const
    {
        const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
        if (!t || sqlite3_column_bytes(stmt, c) < 10 || t[4] != '-' || t[7] != '-')
            return TDateTime(0);
        const auto number = [t](int from, int count) {
            int v = 0;
            for (int i = from; i < from + count; ++i)
                v = t[i] >= '0' && t[i] <= '9' ? v * 10 + (t[i] - '0') : -100000;
            return v;
        };
        const int y = number(0, 4), m = number(5, 2), d = number(8, 2);
        return IsValidDate(y, m, d) ? EncodeDate(y, m, d) : TDateTime(0);
    }

private:
    int Index(const char* name) { return sqlite3_bind_parameter_index(stmt, name); }
    sqlite3_stmt* stmt = nullptr;
};

// A number looked up once per code, as the engine's readers do.
template <class Look> const QString& Memoised(std::map<int, QString>& known, int code, Look look)
{
    auto found = known.find(code);
    if (found == known.end())
        found = known.emplace(code, look(code)).first;
    return found->second;
}

// The karte number of a karte code, "-2" for none.
QString KarteNumber(RawStatement& karte, int code)
{
    karte.Reset();
    karte.Bind(":Code", code);
    return karte.Step() ? karte.Text(1) : QString("-2");
}

struct Twins
{
    const char* title;
    int rows;
    std::function<int()> engine;
    std::function<int(sqlite3*)> raw;
};

} // namespace

int main(int argc, char** argv)
{
    // A text given: only the reads whose title has it are timed, and nothing else (for a
    // profiler).
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    FilledDatabase database;
    TDBDM& dm = database.dm;
    sqlite3* db = nullptr;
    // Opened as the engine opens its connections.
    sqlite3_open_v2(database.File().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                    nullptr);
    // Translated once, outside the timings.
    const std::vector<QByteArray> sql = TwinStatements(dm);
    stPatientRec women;
    women.iSex = 1;
    stPatientRec anyone;
    anyone.iSex = -1;
    stNoteRecord ofKarte1;
    ofKarte1.asKarteNo = KarteNo(1);

    std::vector<stPatientRec> patients(Kartes);
    std::vector<stMedicalRec> kartes(Kartes);
    std::vector<stExcursusRec> answers(Kartes);
    std::vector<stCheckupRecord> checkups(Checkups);
    std::vector<stNoteRecord> notes(Entries);
    // The karte read of the rows between two dates, at most `max`: each side.
    const auto engineKartes = [&](TDateTime from, TDateTime to, int max) {
        stMedicalRec filter;
        filter.tDate = from;
        SearchMedicalRecord(filter, to, anyone);
        return GetMedicalRecords(kartes.data(), patients.data(), answers.data(), max);
    };
    const auto rawKartes = [&](sqlite3* raw, const char* from, const char* to, int max) {
        RawStatement q(raw, sql[KarteSearch]);
        q.Bind(":StartDate", from);
        q.Bind(":EndDate", to);
        const char* const texts[] = {"KarteNo",    "PName0",     "PName1",   "PNameKana0",
                                     "PNameKana1", "SchoolName", "PPortrait"};
        int textColumns[7];
        for (int t = 0; t < 7; ++t)
            textColumns[t] = q.Column(texts[t]);
        const int date = q.Column("RDate"), next = q.Column("Next"), patient = q.Column("PatientCode"),
                  no = q.Column("PPatientNo"), birth = q.Column("PBirth"), sex = q.Column("PSex"),
                  school = q.Column("PSchoolCode"), psCode = q.Column("PSCode");
        const int firstAnswer = q.Column("PSKarteCode") + 1;
        bool isMemo[31];
        for (int c = 0; c < 31; ++c)
            isMemo[c] = QByteArray(q.Name(firstAnswer + c)).endsWith("Memo");
        int i = 0;
        for (; q.Step() && i < max; ++i) {
            stMedicalRec& r = kartes[i];
            stPatientRec& p = patients[i];
            r.asMediRecNo = q.Text(textColumns[0]);
            r.tDate = q.Date(date);
            r.iNext = q.Int(next);
            r.iPatientCode = q.Int(patient);
            p.asPatientNo = IntToStr(q.Int(no));
            p.asName0 = q.Text(textColumns[1]);
            p.asName1 = q.Text(textColumns[2]);
            p.asNameKana0 = q.Text(textColumns[3]);
            p.asNameKana1 = q.Text(textColumns[4]);
            p.tBirth = q.Date(birth);
            p.iSex = q.Int(sex);
            p.iSchoolCode = q.Int(school);
            p.asSchoolName = q.Text(textColumns[5]);
            p.asPortrait = q.Text(textColumns[6]);
            stExcursusRec& a = answers[i];
            a.iCode = q.Int(psCode);
            a.iKarteCode = q.Int(firstAnswer - 1);
            // The 31 answers: flags as integers, memos as texts, in column order.
            bool* const flags[] = {&a.bAIDS,
                                   &a.bHepatitis,
                                   &a.bHepatitisB,
                                   &a.bHepatitisC,
                                   &a.bTuberculosis,
                                   &a.bAirialInfection,
                                   &a.bBloodInfection,
                                   &a.bOtherInfection,
                                   &a.bQ1None,
                                   &a.bQ1Anemia,
                                   &a.bQ1Swelling,
                                   &a.bQ1Bleeding,
                                   &a.bQ1Fever,
                                   &a.bQ1NoExtraction,
                                   &a.bQ2None,
                                   &a.bQ2Injection,
                                   &a.bQ2Medicine,
                                   &a.bQ2Others,
                                   &a.bQ3,
                                   &a.bQ43,
                                   &a.bQ42,
                                   &a.bQ41,
                                   &a.bQ40};
            QString* const memos[] = {&a.asTuberculosisMemo,
                                      &a.asAirialInfectionMemo,
                                      &a.asBloodInfectionMemo,
                                      &a.asOtherInfectionMemo,
                                      &a.asQ2OthersMemo,
                                      &a.asQ43Memo,
                                      &a.asQ42Memo,
                                      &a.asQ41Memo};
            int f = 0, m = 0;
            for (int c = firstAnswer; c < firstAnswer + 31; ++c) {
                if (isMemo[c - firstAnswer])
                    *memos[m++] = q.Text(c);
                else
                    *flags[f++] = q.Int(c) != 0;
            }
        }
        return i;
    };

    const Twins twins[] = {
        {"SearchPatient + GetPatients (4000)", 4000,
         [&] {
             SearchPatient(women);
             return GetPatients(patients.data(), 4000);
         },
         [&](sqlite3* raw) {
             RawStatement q(raw, sql[PatientSearch]);
             q.Bind(":Sex", 1);
             int found = 0;
             const int no = q.Column("PatientNo"), n0 = q.Column("Name0"), n1 = q.Column("Name1"),
                       k0 = q.Column("NameKana0"), k1 = q.Column("NameKana1"), birth = q.Column("Birth"),
                       sex = q.Column("Sex"), school = q.Column("SchoolCode"),
                       schoolName = q.Column("SchoolName"), portrait = q.Column("Portrait");
             for (; q.Step(); ++found) {
                 if (found >= 4000)
                     continue;
                 stPatientRec& r = patients[found];
                 r.asPatientNo = IntToStr(q.Int(no));
                 r.asName0 = q.Text(n0);
                 r.asName1 = q.Text(n1);
                 r.asNameKana0 = q.Text(k0);
                 r.asNameKana1 = q.Text(k1);
                 r.tBirth = q.Date(birth);
                 r.iSex = q.Int(sex);
                 r.iSchoolCode = q.Int(school);
                 r.asSchoolName = q.Text(schoolName);
                 r.asPortrait = q.Text(portrait);
             }
             return std::min(found, 4000);
         }},
        {"SearchMedicalRecord + GetMedicalRecords (4000)", Kartes,
         [&] { return engineKartes(EncodeDate(1900, 1, 1), EncodeDate(3000, 12, 31), Kartes); },
         [&](sqlite3* raw) { return rawKartes(raw, "1900-01-01", "3000-12-31", Kartes); }},
        {"SearchCheckup + GetCheckups (10000)", Checkups,
         [&] {
             SearchCheckup(stCheckupRecord());
             return GetCheckups(checkups.data(), Checkups);
         },
         [&](sqlite3* raw) {
             RawStatement q(raw, sql[CheckupSearch]);
             RawStatement karte(raw, sql[KarteNoLookup]);
             int toothColumns[52];
             for (int t = 0; t < 52; ++t)
                 toothColumns[t] = q.Column(Teeth[t].column);
             const int code = q.Column("Code"), date = q.Column("CDate"), karteCode = q.Column("KarteCode"),
                       school = q.Column("SchoolCode"), memo = q.Column("Memo");
             std::map<int, QString> karteNumbers;
             sqlite3_exec(raw, "BEGIN;", nullptr, nullptr, nullptr);
             int i = 0;
             for (; q.Step() && i < Checkups; ++i) {
                 stCheckupRecord& r = checkups[i];
                 r.iCode = q.Int(code);
                 r.tDate = q.Date(date);
                 for (int t = 0; t < 52; ++t)
                     r.*Teeth[t].field = q.Int(toothColumns[t]);
                 r.asKarteNo =
                     Memoised(karteNumbers, q.Int(karteCode), [&](int k) { return KarteNumber(karte, k); });
                 r.iSchoolCode = q.Int(school);
                 r.asMemo = q.Text(memo);
             }
             sqlite3_exec(raw, "COMMIT;", nullptr, nullptr, nullptr);
             return i;
         }},
        {"SearchNote + GetNotes (400)", Entries,
         [&] {
             SearchNote(ofKarte1);
             return GetNotes(notes.data(), Entries);
         },
         [&](sqlite3* raw) {
             RawStatement karteCode(raw, sql[KarteCodeLookup]);
             karteCode.Bind(":KarteNo", KarteNo(1).toUtf8().constData());
             karteCode.Step();
             const int k = karteCode.Int(0);
             RawStatement q(raw, sql[NoteSearch]);
             RawStatement karte(raw, sql[KarteNoLookup]);
             RawStatement staff(raw, sql[StaffNoLookup]);
             q.Bind(":KarteCode", k);
             const int code = q.Column("Code"), date = q.Column("RDate"), text = q.Column("Description"),
                       staffCode = q.Column("StaffCode"), karteColumn = q.Column("KarteCode");
             // Each member's and karte's number looked up once, as the engine does.
             std::map<int, QString> staffNumbers, karteNumbers;
             sqlite3_exec(raw, "BEGIN;", nullptr, nullptr, nullptr);
             int i = 0;
             for (; q.Step() && i < Entries; ++i) {
                 stNoteRecord& r = notes[i];
                 r.iCode = q.Int(code);
                 r.tDate = q.Date(date);
                 r.asDescription = q.Text(text);
                 r.asStaffNo = Memoised(staffNumbers, q.Int(staffCode), [&](int code) {
                     staff.Reset();
                     staff.Bind(":Code", code);
                     return IntToStr(staff.Step() ? staff.Int(1) : -2);
                 });
                 r.asKarteNo =
                     Memoised(karteNumbers, q.Int(karteColumn), [&](int k) { return KarteNumber(karte, k); });
             }
             sqlite3_exec(raw, "COMMIT;", nullptr, nullptr, nullptr);
             return i;
         }},
    };

    std::printf("%-48s %10s %10s %7s\n", "read", "engine", "sqlite", "ratio");
    for (const Twins& t : twins) {
        if (!QString::fromUtf8(t.title).contains(only))
            continue;
        int engineRows = 0, rawRows = 0;
        // A short read is timed over more runs, so that its median holds still.
        const double once = MedianMs([&] { engineRows = t.engine(); }, 1);
        const int runs = 2 * std::clamp(int(5 / std::max(once, 0.001)), 1, 25) + 1;
        // Alternating, so that neither side gets the warmer caches.
        std::vector<double> engine, raw;
        for (int round = 0; round < 5; ++round) {
            engine.push_back(MedianMs([&] { engineRows = t.engine(); }, runs));
            raw.push_back(MedianMs([&] { rawRows = t.raw(db); }, runs));
        }
        std::sort(engine.begin(), engine.end());
        std::sort(raw.begin(), raw.end());
        const double e = engine[engine.size() / 2], r = raw[raw.size() / 2];
        std::printf("%-48s %7.2f ms %7.2f ms %6.2fx%s\n", t.title, e, r, e / r,
                    engineRows == t.rows && rawRows == t.rows ? "" : "  WRONG ROW COUNT");
    }
    sqlite3_close(db);
    if (!only.isEmpty())
        return 0;

#ifdef KVR_COUNT_HEAP
    std::printf("\n%-48s %10s %10s %7s\n", "peak heap of one read (fresh connection)", "engine", "sqlite",
                "ratio");
    // Empty records before each run, so that both sides fill them from nothing.
    const auto emptyRecords = [&] {
        patients.assign(patients.size(), stPatientRec());
        kartes.assign(kartes.size(), stMedicalRec());
        answers.assign(answers.size(), stExcursusRec());
        checkups.assign(checkups.size(), stCheckupRecord());
        notes.assign(notes.size(), stNoteRecord());
    };
    const auto peakKiB = [&](const std::function<void()>& read) {
        emptyRecords();
        const long long before = heapInUse;
        heapPeak = before;
        read();
        return double(heapPeak - before) / 1024;
    };
    for (const Twins& t : twins) {
        const double e = peakKiB([&] {
            TDBDM fresh;
            fresh.OpenDatabase("C:\\KVR", Database);
            t.engine();
        });
        const double r = peakKiB([&] {
            sqlite3* raw = nullptr;
            sqlite3_open_v2(database.File().toUtf8().constData(), &raw,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
            t.raw(raw);
            sqlite3_close(raw);
        });
        std::printf("%-48s %6.0f KiB %6.0f KiB %6.2fx\n", t.title, e, r, e / r);
    }
#endif

    // The heap runs' fresh data modules have let go of the program's one: the filled one
    // serves again.
    DBDM = &dm;
    sqlite3_open_v2(database.File().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                    nullptr);
    // The karte read against its rows: 2000 (the first half of 2020), 4000 (2020), and
    // 16000 with 12000 kartes of 2021 added. Linear when the ratio stays.
    std::printf("\n%-48s %10s %10s %7s %12s\n", "karte read by rows", "engine", "sqlite", "ratio",
                "engine/row");
    const struct
    {
        int rows;
        int toYear, toMonth, toDay;
        const char* to;
    } sizes[] = {{Kartes / 2, 2020, 6, 30, "2020-06-30"},
                 {Kartes, 2020, 12, 31, "2020-12-31"},
                 {4 * Kartes, 2021, 12, 31, "2021-12-31"}};
    for (const auto& size : sizes) {
        if (size.rows > Kartes) {
            Fill(dm,
                 "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
                 "VALUES (:No, :RDate, 1, :Patient, 0);",
                 3 * Kartes, [](TQuery& q, int i) {
                     q.ParamByName("No")->SetAsString(KarteNo(Kartes + i));
                     q.ParamByName("RDate")->SetAsDate(EncodeDate(2021, 1 + i % 12, 1 + i % 28));
                     q.ParamByName("Patient")->SetAsInteger(1 + i % Examinees);
                 });
            Fill(dm,
                 "INSERT INTO PSTable (KarteCode, AIDS, Hepatitis, Q1None, Q2None, Q3, Q43, Q43Memo, "
                 "Q2OthersMemo) "
                 "VALUES (:Karte, 0, 1, 1, 0, 1, 0, '一日二回', 'なし');",
                 3 * Kartes, [](TQuery& q, int i) { q.ParamByName("Karte")->SetAsInteger(Kartes + i); });
            kartes.resize(4 * Kartes);
            patients.resize(4 * Kartes);
            answers.resize(4 * Kartes);
        }
        int engineRows = 0, rawRows = 0;
        std::vector<double> engine, raw;
        for (int round = 0; round < 5; ++round) {
            engine.push_back(MedianMs(
                [&] {
                    engineRows = engineKartes(EncodeDate(2020, 1, 1),
                                              EncodeDate(size.toYear, size.toMonth, size.toDay), size.rows);
                },
                3));
            raw.push_back(MedianMs([&] { rawRows = rawKartes(db, "2020-01-01", size.to, size.rows); }, 3));
        }
        std::sort(engine.begin(), engine.end());
        std::sort(raw.begin(), raw.end());
        const double e = engine[engine.size() / 2], r = raw[raw.size() / 2];
        std::printf("%-48s %7.2f ms %7.2f ms %6.2fx %8.2f us%s\n",
                    qPrintable(QString("%1 kartes").arg(size.rows)), e, r, e / r, 1000 * e / size.rows,
                    engineRows == size.rows && rawRows == size.rows ? "" : "  WRONG ROW COUNT");
    }
    sqlite3_close(db);
    return 0;
}
