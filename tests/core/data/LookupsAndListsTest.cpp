// Existence checks, the school name and the four reference lists.
#include "tests/core/data/DataStoreFixture.h"

#include <QStringList>

namespace {

using LookupsAndLists = DataStoreTest;

TEST_F(LookupsAndLists, ExistenceChecksSeeLiveRowsOnly)
{
    ASSERT_EQ(AddPatient(Patient("7", "Live")), 1);
    ASSERT_EQ(AddPatient(Patient("8", "Flagged")), 1);
    ASSERT_EQ(AddStaff(Staff("7", "Live")), 1);
    ASSERT_EQ(AddStaff(Staff("8", "Flagged")), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KV-0001-0001", Day(2020, 1, 1)), stExcursusRec(), ""), 1);
    ASSERT_EQ(AddMedicalRecord(Karte("KV-0001-0002", Day(2020, 1, 1)), stExcursusRec(), ""), 1);
    Exec("UPDATE Patient2Table SET DeleteFlag = 1 WHERE PatientNo = 8");
    ASSERT_EQ(DelStaff("8"), 1);
    ASSERT_EQ(DelMedicalRecord("KV-0001-0002"), 1);

    EXPECT_TRUE(ExistPatientNo("7"));
    EXPECT_FALSE(ExistPatientNo("8"));
    EXPECT_FALSE(ExistPatientNo("")); // looked up as 0
    EXPECT_TRUE(ExistStaffNo("7"));
    EXPECT_FALSE(ExistStaffNo("8"));
    EXPECT_TRUE(ExistKarteNo("KV-0001-0001"));
    EXPECT_FALSE(ExistKarteNo("KV-0001-0002"));

    ASSERT_EQ(AddPatient(Patient("0", "Zero")), 1);
    EXPECT_TRUE(ExistPatientNo(""));
    EXPECT_TRUE(ExistPatientNo("not a number"));

    Break(module->Query3);
    EXPECT_FALSE(ExistPatientNo("7"));
    EXPECT_FALSE(ExistStaffNo("7"));
    EXPECT_FALSE(ExistKarteNo("KV-0001-0001"));
}

TEST_F(LookupsAndLists, SchoolNameOfACode)
{
    Exec("INSERT INTO SchoolTable (Name) VALUES ('East School')");
    EXPECT_EQ(GetSchoolName(1), "East School");
    EXPECT_EQ(GetSchoolName(-1), "");
    Break(module->Query3);
    EXPECT_EQ(GetSchoolName(1), "");
}

// Names in the order of the list, read through the family's own reader.
QStringList Listed(const QString& table, const QString& filter)
{
    const auto collect = [&](auto record, auto search, auto get, auto name) {
        name(record) = filter;
        const int count = search(record);
        if (count < 0)
            return QStringList{QString::number(count)};
        std::vector<decltype(record)> rows(count + 1);
        const int read = get(rows.data(), int(rows.size()));
        QStringList result;
        for (int i = 0; i < read; ++i)
            result << name(rows[i]);
        return result;
    };
    if (table == "SchoolTable")
        return collect(stSchoolRecord(), SearchSchool, GetSchools,
                       [](stSchoolRecord& r) -> QString& { return r.asName; });
    if (table == "JobTable")
        return collect(stJobRecord(), SearchJob, GetJobs, [](stJobRecord& r) -> QString& { return r.asJob; });
    if (table == "FoodTable")
        return collect(stFoodRecord(), SearchFood, GetFoods,
                       [](stFoodRecord& r) -> QString& { return r.asName; });
    return collect(stFrequencyRecord(), SearchFrequency, GetFrequencies,
                   [](stFrequencyRecord& r) -> QString& { return r.asName; });
}

TEST_F(LookupsAndLists, ListsComeInNameOrderAndFilterByContainedText)
{
    for (const QString table : {"SchoolTable", "JobTable", "FoodTable"}) {
        const QString column = table == "JobTable" ? "Job" : "Name";
        for (const char* name : {"Cherry", "apple", "Banana", "O'Hara", "Berry"})
            Exec(QString("INSERT INTO %1 (%2) VALUES ('%3')")
                     .arg(table, column, QString(name).replace("'", "''")));
        EXPECT_EQ(Listed(table, ""), QStringList({"Banana", "Berry", "Cherry", "O'Hara", "apple"})) << table;
        EXPECT_EQ(Listed(table, "rr"), QStringList({"Berry", "Cherry"})) << table;
        EXPECT_EQ(Listed(table, "B_n"), QStringList({"Banana"})) << table;
        EXPECT_EQ(Listed(table, "O'H"), QStringList({"O'Hara"})) << table;
        EXPECT_EQ(Listed(table, "zzz"), QStringList()) << table;
    }
    Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('daily', 2)");
    Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('never', 3)");
    Exec("INSERT INTO FrequencyTable (Name, DispOrder) VALUES ('always', 1)");
    EXPECT_EQ(Listed("FrequencyTable", ""), QStringList({"always", "daily", "never"}));
    EXPECT_EQ(Listed("FrequencyTable", "ever"), QStringList({"never"}));
    stFrequencyRecord row;
    ASSERT_EQ(SearchFrequency(stFrequencyRecord()), 3);
    ASSERT_EQ(GetFrequencies(&row, 1), 1);
    EXPECT_EQ(row.iDispOrder, 1);
    EXPECT_EQ(row.iCode, 3);
}

TEST_F(LookupsAndLists, ReaderCutsAtMaxAndCountsOccupations)
{
    EXPECT_EQ(GetJobCount(), 0);
    for (int i = 0; i < 45; ++i)
        Exec(QString("INSERT INTO JobTable (Job) VALUES ('job %1')").arg(i, 2, 10, QChar('0')));
    EXPECT_EQ(GetJobCount(), 45);
    ASSERT_EQ(SearchJob(stJobRecord()), 45);
    std::vector<stJobRecord> rows(41);
    rows[40].asJob = "untouched";
    EXPECT_EQ(GetJobs(rows.data(), 40), 40);
    EXPECT_EQ(rows[39].asJob, "job 39");
    EXPECT_EQ(rows[40].asJob, "untouched");

    stJobRecord none;
    none.asJob = "no such job";
    ASSERT_EQ(SearchJob(none), 0);
    rows[0].asJob = "untouched";
    EXPECT_EQ(GetJobs(rows.data(), 40), 0);
    EXPECT_EQ(rows[0].asJob, "untouched");

    Break(module->Query1);
    Break(module->Query2);
    EXPECT_EQ(SearchSchool(stSchoolRecord()), dbFailed);
    EXPECT_EQ(SearchJob(stJobRecord()), dbFailed);
    EXPECT_EQ(SearchFood(stFoodRecord()), dbFailed);
    EXPECT_EQ(SearchFrequency(stFrequencyRecord()), dbFailed);
    EXPECT_EQ(GetJobCount(), dbFailed);
}

} // namespace
