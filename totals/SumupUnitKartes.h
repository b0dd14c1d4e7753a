#pragma once
// The karte lookup of the sum-up. A check-up names its karte by number; the data
// store's karte search finds the live kartes with a questionnaire whose number
// contains that number (several when numbers contain one another), in karte-number
// order. Searching once per check-up reads every karte each time, so the lookup reads
// them once, at the first search of a run, and answers each search from that read with
// the same kartes in the same order. A search with examinee criteria or other dates than
// the first, or any search after that read failed, goes to the data store as it is.
#include "core/data/Dbapi.h"

#include <vector>

class TSumupKarteLookup
{
public:
    // Forgets the kartes read: a run starts from the database as it is then.
    void Reset();

    // As SearchMedicalRecord: the number of kartes found, or below 0 on a failure.
    int Search(const stMedicalRec& filter, TDateTime endDate, const stPatientRec& patientFilter);
    // As GetMedicalRecords after that search: the first `max` kartes found.
    int Get(stMedicalRec* records, stPatientRec* patients, stExcursusRec* excursuses, int max);

private:
    enum class State { NotRead, Read, Failed };

    void ReadAll(const stMedicalRec& filter, TDateTime endDate, const stPatientRec& patientFilter);
    void FindContaining(const QString& karteNo);

    State state = State::NotRead;
    TDateTime startDate, endDate;
    // Every karte the search without a karte-number criterion finds, in its order.
    std::vector<stMedicalRec> kartes;
    std::vector<stPatientRec> patients;
    std::vector<stExcursusRec> excursuses;
    // Every (karte, offset) of the karte numbers, ordered by the number's text from
    // the offset on: the kartes whose number contains a text are one run of it.
    struct Suffix
    {
        int karte;
        int offset;
    };
    std::vector<Suffix> suffixes;
    QStringView SuffixText(const Suffix& s) const;
    // The kartes the last search found (indices), or the search went to the data store.
    std::vector<int> found;
    bool foundInStore = false;
};
