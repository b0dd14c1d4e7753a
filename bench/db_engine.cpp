// The engine at the program's data limits: opening a query over 20000 examinees and
// reading every row, and single-row lookups by examinee number, as the data module
// runs them. Goals: the open under 50 ms, a lookup under 50 µs.
#include "bench/DataStoreRows.h"
#include "core/data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/db/Session.h"
#include "platform/rtl/Paths.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using bench::Examinees;

struct Database
{
    Database()
    {
        qputenv("KVR_DRIVES", drives.path().toUtf8());
        CreateEmptyDatabase(HostPath("C:\\kvr\\database"));
        TQuery q;
        q.Session = &session;
        q.DatabaseName = "C:\\kvr\\database";
        session.StartTransaction(q.DatabaseName);
        q.SQL->Add(bench::ExamineeInsert);
        for (int i = 1; i <= Examinees; ++i) {
            bench::BindExaminee(q, i);
            q.ExecSQL();
        }
        session.Commit();
    }
    QTemporaryDir drives;
    TSession session;
};

Database& Db()
{
    static Database db;
    return db;
}

void Setup(TQuery& q)
{
    q.Session = &Db().session;
    q.DatabaseName = "C:\\kvr\\database";
}

void OpenAndReadExaminees(benchmark::State& state)
{
    TQuery q;
    Setup(q);
    for (auto _ : state) {
        q.Close();
        q.SQL->Clear();
        for (const char* line :
             {"SELECT", "  Code,", "  PatientNo,", "  Birth,", "  Sex,", "  Name0,", "  Name1,",
              "  NameKana0,", "  NameKana1,", "  SchoolCode,", "  Portrait,", "  DeleteFlag", "FROM",
              "  Patient2Table", "WHERE", "  DeleteFlag = False", "ORDER BY", "  PatientNo;"})
            q.SQL->Add(line);
        q.Open();
        long long sum = 0;
        for (q.First(); !q.Eof(); q.Next()) {
            sum += q.FieldByName("PatientNo")->AsInteger();
            sum += q.FieldByName("Name0")->AsString().size();
            sum += q.FieldByName("NameKana0")->AsString().size();
            sum += int(q.FieldByName("Birth")->AsDateTime());
            sum += q.FieldByName("Sex")->AsInteger();
            sum += q.FieldByName("DeleteFlag")->AsBoolean();
        }
        if (q.RecordCount() != Examinees)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rows"] = q.RecordCount();
}
BENCHMARK(OpenAndReadExaminees)->Unit(benchmark::kMillisecond);

// One examinee looked up by number after another, as the data module runs it.
void LookUpEachNumber(benchmark::State& state)
{
    TQuery q;
    Setup(q);
    int no = 0;
    for (auto _ : state) {
        no = no % Examinees + 1;
        q.Close();
        q.SQL->Clear();
        for (const char* line : {"SELECT", "  Code", "FROM", "  Patient2Table", "WHERE",
                                 "  DeleteFlag = False", "AND", "  PatientNo=:PatientNo;"})
            q.SQL->Add(line);
        q.ParamByName("PatientNo")->SetAsInteger(no);
        q.Open();
        if (q.RecordCount() != 1)
            state.SkipWithError("lookup found no row");
        benchmark::DoNotOptimize(q.FieldByName("Code")->AsInteger());
    }
}

void LookupByNumber(benchmark::State& state)
{
    LookUpEachNumber(state);
}
BENCHMARK(LookupByNumber)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// The same lookups under one read lock, as a reader's walk runs them: what is left is the
// engine's own cost per statement.
void LookupByNumberInAWalk(benchmark::State& state)
{
    Db().session.StartTransaction("C:\\kvr\\database");
    LookUpEachNumber(state);
    Db().session.Commit();
}
BENCHMARK(LookupByNumberInAWalk)->Iterations(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
