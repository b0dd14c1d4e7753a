// The data store at the program's limits (the rows of DataStoreRows.h). Times each search
// with its reader as the windows call them, and one check-up add. Goals: each under
// 100 ms, the 10000 check-ups under 300 ms.
#include "bench/DataStoreRows.h"
#include "core/data/Dbapi.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace bench;

// Prints the median time of `step`, which returns the rows it read, against its goal.
void Time(const char* title, double goalMs, int expectedRows, const std::function<int()>& step)
{
    int rows = 0;
    const double median = MedianMs([&] { rows = step(); });
    std::printf("%-48s %8.2f ms  (goal < %3.0f ms)  rows %5d%s%s\n", title, median, goalMs, rows,
                median < goalMs ? "" : "  OVER GOAL", rows == expectedRows ? "" : "  WRONG ROW COUNT");
}

} // namespace

int main()
{
    FilledDatabase database;

    std::vector<stPatientRec> patients(4000);
    Time("SearchPatient + GetPatients (4000)", 100, 4000, [&] {
        stPatientRec filter;
        filter.iSex = 1; // 10000 found, 4000 read as the search window does
        SearchPatient(filter);
        return GetPatients(patients.data(), 4000);
    });

    std::vector<stMedicalRec> kartes(Kartes);
    std::vector<stExcursusRec> answers(Kartes);
    Time("SearchMedicalRecord + GetMedicalRecords (4000)", 100, Kartes, [&] {
        stMedicalRec filter;
        filter.tDate = EncodeDate(1900, 1, 1);
        stPatientRec patient;
        patient.iSex = -1;
        SearchMedicalRecord(filter, EncodeDate(3000, 12, 31), patient);
        return GetMedicalRecords(kartes.data(), patients.data(), answers.data(), Kartes);
    });

    std::vector<stCheckupRecord> checkups(Checkups);
    Time("SearchCheckup + GetCheckups (10000)", 300, Checkups, [&] {
        SearchCheckup(stCheckupRecord());
        return GetCheckups(checkups.data(), Checkups);
    });

    std::vector<stNoteRecord> notes(Entries);
    Time("SearchNote + GetNotes (400)", 100, Entries, [&] {
        stNoteRecord filter;
        filter.asKarteNo = KarteNo(1);
        SearchNote(filter);
        return GetNotes(notes.data(), Entries);
    });

    stCheckupRecord added = checkups[0];
    added.asKarteNo = KarteNo(2);
    Time("AddCheckup", 100, 1, [&] { return AddCheckup(added) > 0 ? 1 : 0; });
    return 0;
}
