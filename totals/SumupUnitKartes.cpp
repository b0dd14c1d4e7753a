#include "totals/SumupUnitKartes.h"

#include <QList>
#include <algorithm>

namespace {

bool NoExamineeCriteria(const stPatientRec& p)
{
    return p.asPatientNo.isEmpty() && p.asName0.isEmpty() && p.asName1.isEmpty() && p.asNameKana0.isEmpty() &&
           p.asNameKana1.isEmpty() && p.asSchoolName.isEmpty() && p.iSex == -1;
}

// The database's case-sensitive LIKE: "%" any run of characters, "_" one character.
bool Like(const QList<uint>& text, const QList<uint>& pattern)
{
    qsizetype t = 0, p = 0, star = -1, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] != uint('%') &&
            (pattern[p] == uint('_') || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == uint('%')) {
            star = p++;
            mark = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == uint('%'))
        ++p;
    return p == pattern.size();
}

// Text order by UTF-16 units, in which the texts that start with one text are adjacent.
bool Before(QStringView a, QStringView b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

QStringView TSumupKarteLookup::SuffixText(const Suffix& s) const
{
    return QStringView(kartes[size_t(s.karte)].asMediRecNo).mid(s.offset);
}

void TSumupKarteLookup::Reset()
{
    state = State::NotRead;
    kartes.clear();
    patients.clear();
    excursuses.clear();
    suffixes.clear();
    found.clear();
}

int TSumupKarteLookup::Search(const stMedicalRec& filter, TDateTime end, const stPatientRec& patientFilter)
{
    if (state == State::NotRead && NoExamineeCriteria(patientFilter))
        ReadAll(filter, end, patientFilter);
    foundInStore = state != State::Read || !NoExamineeCriteria(patientFilter) ||
                   filter.tDate.Val != startDate.Val || end.Val != endDate.Val;
    if (foundInStore)
        return SearchMedicalRecord(filter, end, patientFilter);
    FindContaining(filter.asMediRecNo);
    return int(found.size());
}

int TSumupKarteLookup::Get(stMedicalRec* records, stPatientRec* people, stExcursusRec* answers, int max)
{
    if (foundInStore)
        return GetMedicalRecords(records, people, answers, max);
    const int n = std::min(max, int(found.size()));
    for (int i = 0; i < n; ++i) {
        // As the reader leaves it: the header's code is the caller's own.
        const int code = records[i].iCode;
        records[i] = kartes[found[i]];
        records[i].iCode = code;
        people[i] = patients[found[i]];
        answers[i] = excursuses[found[i]];
    }
    return n;
}

void TSumupKarteLookup::ReadAll(const stMedicalRec& filter, TDateTime end, const stPatientRec& patientFilter)
{
    state = State::Failed;
    stMedicalRec all = filter;
    all.asMediRecNo.clear();
    const int n = SearchMedicalRecord(all, end, patientFilter);
    if (n < 0)
        return;
    kartes.resize(size_t(std::max(n, 1)));
    patients.resize(kartes.size());
    excursuses.resize(kartes.size());
    if (n > 0 && GetMedicalRecords(kartes.data(), patients.data(), excursuses.data(), n) != n)
        return;
    kartes.resize(size_t(n));
    patients.resize(size_t(n));
    excursuses.resize(size_t(n));

    for (int k = 0; k < n; ++k)
        for (int offset = 0; offset < kartes[size_t(k)].asMediRecNo.size(); ++offset)
            suffixes.push_back({k, offset});
    std::sort(suffixes.begin(), suffixes.end(),
              [this](const Suffix& a, const Suffix& b) { return Before(SuffixText(a), SuffixText(b)); });
    startDate = filter.tDate;
    endDate = end;
    state = State::Read;
}

void TSumupKarteLookup::FindContaining(const QString& karteNo)
{
    found.clear();
    if (karteNo.isEmpty()) {
        // No karte-number criterion: every karte.
        for (int k = 0; k < int(kartes.size()); ++k)
            found.push_back(k);
        return;
    }
    if (karteNo.contains('%') || karteNo.contains('_')) {
        // Wildcards: matched as the database matches its pattern.
        const QList<uint> pattern = ("%" + karteNo + "%").toUcs4();
        for (int k = 0; k < int(kartes.size()); ++k)
            if (Like(kartes[size_t(k)].asMediRecNo.toUcs4(), pattern))
                found.push_back(k);
        return;
    }
    const QStringView wanted(karteNo);
    auto it = std::lower_bound(suffixes.begin(), suffixes.end(), wanted,
                               [this](const Suffix& s, QStringView x) { return Before(SuffixText(s), x); });
    for (; it != suffixes.end() && SuffixText(*it).startsWith(wanted); ++it)
        found.push_back(it->karte);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
}
