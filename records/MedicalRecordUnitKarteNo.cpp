// The karte-number rules of the karte editor: the form the program proposes, the
// proposal of a free number and the counters after a store.
#include "records/MedicalRecordUnit.h"

#include <algorithm>
#include <limits>

namespace {

// The counters are four-digit blocks; the configuration file holds them as ints.
constexpr int BlockMax = 9999;
constexpr int CounterMax = std::numeric_limits<int>::max();

bool IsLetter(QChar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

// The value of the run of digits that ends just before `end`, and where the run starts.
int DigitRunBefore(const QString& text, qsizetype end, qsizetype& start)
{
    start = end;
    while (start > 0 && IsDigit(text[start - 1]))
        --start;
    // Deliberately held at what a counter can hold: a typed number may have up to 20
    // digits (past a block's range it carries all the same).
    qint64 value = 0;
    for (qsizetype i = start; i < end; ++i)
        value = std::min<qint64>(CounterMax, value * 10 + (text[i].unicode() - '0'));
    return int(value);
}

} // namespace

bool IsKarteNoForm(const QString& karteNo)
{
    if (karteNo.size() != 12)
        return false;
    for (int i = 0; i < 12; ++i) {
        const QChar c = karteNo[i];
        const bool ok = i < 2 ? IsLetter(c) : (i == 2 || i == 7) ? c == '-' : IsDigit(c);
        if (!ok)
            return false;
    }
    return true;
}

QString KarteNoCandidate(const QString& prefix, int middle, int last)
{
    // A counter longer than four digits is not cut.
    return QString("%1-%2-%3").arg(prefix).arg(middle, 4, 10, QChar('0')).arg(last, 4, 10, QChar('0'));
}

TKarteNoProposal ProposeKarteNo(const QString& prefix, int middle, int last,
                                const std::function<bool(const QString&)>& inUse)
{
    // Deliberately a block below 0, which the program never writes but an overflow may
    // have left, counts from its default, 1; and no block is counted past its limit.
    if (middle < 0)
        middle = 1;
    if (last < 0)
        last = 1;
    TKarteNoProposal proposal;
    for (;;) {
        proposal.number = KarteNoCandidate(prefix, middle, last);
        if (!inUse(proposal.number)) {
            proposal.found = true;
            return proposal;
        }
        if (last < BlockMax) {
            ++last;
            continue;
        }
        if (middle >= BlockMax)
            return proposal;
        ++middle;
        last = 0;
    }
}

TKarteNoCounters NextKarteNoCounters(const QString& stored)
{
    TKarteNoCounters counters;
    qsizetype start = 0;
    counters.last = DigitRunBefore(stored, stored.size(), start);
    qsizetype end = start;
    while (end > 0 && !IsDigit(stored[end - 1]))
        --end;
    counters.middle = DigitRunBefore(stored, end, start);
    qsizetype prefixEnd = 0;
    while (prefixEnd < stored.size() && stored[prefixEnd] != '-' && !IsDigit(stored[prefixEnd]))
        ++prefixEnd;
    counters.prefix = stored.left(prefixEnd);

    // Counted without passing a block's range, so a block held at the limit cannot wrap.
    if (counters.last < BlockMax) {
        ++counters.last;
    } else {
        counters.last = 0;
        counters.middle = counters.middle < BlockMax ? counters.middle + 1 : 0;
    }
    return counters;
}

QString MissingHeaderFields(const QString& karteNo, const QString& date)
{
    QString message;
    if (karteNo.isEmpty())
        message += "[カルテ番号] が指定されていません。";
    if (date.isEmpty()) {
        if (!message.isEmpty())
            message += "\n";
        message += "[作成日] が指定されていません。";
    }
    return message;
}
