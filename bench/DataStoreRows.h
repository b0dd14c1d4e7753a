#pragma once
// The rows of the data-store benchmarks, at the program's limits: 20000 examinees, 2000
// members, 4000 kartes with their questionnaires, 10000 check-ups, 400 notes and 400
// treatments on one karte.
#include "core/data/DMDB.h"
#include "core/data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/rtl/Paths.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

inline constexpr int Examinees = 20000;
inline constexpr int Members = 2000;
inline constexpr int Kartes = 4000;
inline constexpr int Checkups = 10000;
inline constexpr int Entries = 400;
inline const char* const Database = "C:\\kvr\\database";

inline QString KarteNo(int i)
{
    return QString("KV-%1-%2").arg(i / 10000, 4, 10, QChar('0')).arg(i % 10000, 4, 10, QChar('0'));
}

// Examinee i of the benchmarks' rows: the insert and its values.
inline const char* const ExamineeInsert =
    "INSERT INTO Patient2Table (PatientNo, Birth, Sex, Name0, Name1, NameKana0, NameKana1, SchoolCode, "
    "Portrait, DeleteFlag) VALUES (:No, :Birth, :Sex, :N0, :N1, :K0, :K1, :School, :Portrait, :Del);";
inline void BindExaminee(TQuery& q, int i)
{
    q.ParamByName("No")->SetAsInteger(i);
    q.ParamByName("Birth")->SetAsDate(EncodeDate(2005 + i % 10, 1 + i % 12, 1 + i % 28));
    q.ParamByName("Sex")->SetAsSmallInt(i % 2);
    q.ParamByName("N0")->SetAsString(QString("山田%1").arg(i));
    q.ParamByName("N1")->SetAsString("太郎");
    q.ParamByName("K0")->SetAsString("ヤマダ");
    q.ParamByName("K1")->SetAsString("タロウ");
    q.ParamByName("School")->SetAsInteger(1 + i % 30);
    q.ParamByName("Portrait")->SetAsString(QString("p%1.jpg").arg(i));
    q.ParamByName("Del")->SetAsBoolean(false);
}

// Runs one statement once per row, binding what `bind` sets, inside one transaction.
inline void Fill(TDBDM& dm, const QString& sql, int rows, const std::function<void(TQuery&, int)>& bind)
{
    TQuery q;
    q.Session = dm.Session_kvr;
    q.DatabaseName = Database;
    q.SQL->Add(sql);
    dm.Session_kvr->StartTransaction(Database);
    for (int i = 1; i <= rows; ++i) {
        bind(q, i);
        q.ExecSQL();
    }
    dm.Session_kvr->Commit();
}

inline void FillDatabase(TDBDM& dm)
{
    Fill(dm, "INSERT INTO SchoolTable (Name) VALUES (:Name);", 30,
         [](TQuery& q, int i) { q.ParamByName("Name")->SetAsString(QString("第%1小学校").arg(i)); });
    Fill(dm, ExamineeInsert, Examinees, BindExaminee);
    Fill(dm,
         "INSERT INTO Staff2Table (JobCode, StaffNo, Sex, NameKanji0, NameKanji1, NameKana0, NameKana1, "
         "NameAlphabet0, NameAlphabet1, DeleteFlag) VALUES (1, :No, 0, '鈴木', '一郎', 'スズキ', 'イチロウ', "
         "'SUZUKI', 'ICHIRO', 0);",
         Members, [](TQuery& q, int i) { q.ParamByName("No")->SetAsInteger(i); });
    Fill(dm,
         "INSERT INTO KarteTable (KarteNo, RDate, Next, PatientCode, DeleteFlag) "
         "VALUES (:No, :RDate, 1, :Patient, 0);",
         Kartes, [](TQuery& q, int i) {
             q.ParamByName("No")->SetAsString(KarteNo(i));
             q.ParamByName("RDate")->SetAsDate(EncodeDate(2020, 1 + i % 12, 1 + i % 28));
             q.ParamByName("Patient")->SetAsInteger(i);
         });
    Fill(dm,
         "INSERT INTO PSTable (KarteCode, AIDS, Hepatitis, Q1None, Q2None, Q3, Q43, Q43Memo, Q2OthersMemo) "
         "VALUES (:Karte, 0, 1, 1, 0, 1, 0, '一日二回', 'なし');",
         Kartes, [](TQuery& q, int i) { q.ParamByName("Karte")->SetAsInteger(i); });
    QStringList teeth;
    for (const char* quadrant : {"RT", "LT", "RB", "LB"})
        for (const char* tooth : {"A", "B", "C", "D", "E", "1", "2", "3", "4", "5", "6", "7", "8"})
            teeth << QString(quadrant) + tooth;
    Fill(dm,
         "INSERT INTO CheckupTable (CDate, KarteCode, SchoolCode, Memo, " + teeth.join(", ") +
             ") VALUES (:CDate, :Karte, 1, '定期健診', " + QString("19, ").repeated(51) + "19);",
         Checkups, [](TQuery& q, int i) {
             q.ParamByName("CDate")->SetAsDate(EncodeDate(2015 + i % 8, 1 + i % 12, 1 + i % 28));
             q.ParamByName("Karte")->SetAsInteger(1 + i % Kartes);
         });
    for (const char* table : {"NoteTable (RDate, Description", "TreatmentTable (RDate, Treatment"})
        Fill(dm,
             QString("INSERT INTO ") + table +
                 ", StaffCode, KarteCode) VALUES (:RDate, '経過観察', :Staff, 1);",
             Entries, [](TQuery& q, int i) {
                 q.ParamByName("RDate")->SetAsDate(EncodeDate(2020, 1 + i % 12, 1 + i % 28));
                 q.ParamByName("Staff")->SetAsInteger(1 + i % Members);
             });
}

// The median of `runs` timings of `step`, in milliseconds.
inline double MedianMs(const std::function<void()>& step, int runs = 7)
{
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A drives root of its own holding the program's default folders and a database filled
// with the rows above, and the data module opened on it.
class FilledDatabase
{
public:
    FilledDatabase()
    {
        qputenv("KVR_DRIVES", drives.path().toUtf8());
        CreateEmptyDatabase(HostPath(Database));
        QDir().mkpath(HostPath("C:\\KVR"));
        dm.OpenDatabase("C:\\KVR", Database);
        FillDatabase(dm);
    }
    QString File() const { return QDir(HostPath(Database)).filePath(DatabaseFileName); }

    QTemporaryDir drives;
    TDBDM dm;
};

} // namespace bench
