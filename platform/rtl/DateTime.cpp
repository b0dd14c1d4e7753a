#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>
#include <cmath>

// Constant-initialised (the compiler checks it), so readable by any static initialiser.
constinit TFormatSettings FormatSettings;

namespace {

constexpr double kMsPerDay = 86400000.0;

// Days since 1970-01-01 of a proleptic Gregorian date (any year).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// Known when the program is compiled: a date encoded by another unit's static initialiser,
// which may run before this unit's, must not find the offset 0 and land 70 years early.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);
static_assert(kEpochOffset == -25569);

// Milliseconds since midnight of the value's time of day (the fraction's magnitude,
// as the library takes it for values before the epoch too).
long long TimeMs(TDateTime value)
{
    double frac = std::fabs(value.Val - std::trunc(value.Val));
    long long ms = std::llround(frac * kMsPerDay);
    return ms >= 86400000 ? 86399999 : ms;
}

TDateTime NowFromSystem()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return EncodeDate(d.year(), d.month(), d.day()).Val +
           EncodeTime(t.hour(), t.minute(), t.second(), t.msec()).Val;
}

bool AllDigits(const QString& s)
{
    if (s.isEmpty() || s.size() > 9)
        return false;
    for (QChar c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool ParseDate(const QString& text, TDateTime& value)
{
    const QStringList parts = text.split(FormatSettings.DateSeparator);
    if (parts.size() != 3)
        return false;
    for (const QString& p : parts)
        if (!AllDigits(p))
            return false;

    // Field order as the short date format has it.
    const QString fmt = QString(FormatSettings.ShortDateFormat).toLower();
    struct Field
    {
        int pos;
        char kind;
    };
    Field order[3] = {
        {int(fmt.indexOf('y')), 'y'}, {int(fmt.indexOf('m')), 'm'}, {int(fmt.indexOf('d')), 'd'}};
    for (auto& f : order)
        if (f.pos < 0)
            f.pos = 100 + f.kind; // a format without the field: keep y m d
    std::sort(std::begin(order), std::end(order),
              [](const Field& a, const Field& b) { return a.pos < b.pos; });

    int year = 0, month = 0, day = 0;
    bool shortYear = false;
    for (int i = 0; i < 3; ++i) {
        const int n = parts[i].toInt();
        switch (order[i].kind) {
        case 'y':
            year = n;
            shortYear = parts[i].size() <= 2;
            break;
        case 'm':
            month = n;
            break;
        default:
            day = n;
            break;
        }
    }
    if (shortYear) {
        // Two-digit years fall into the fifty years either side of this one.
        int thisYear, m, d;
        DecodeDate(Now(), thisYear, m, d);
        const int threshold = thisYear - 50;
        year += threshold / 100 * 100;
        if (year < threshold)
            year += 100;
    }
    if (!IsValidDate(year, month, day))
        return false;
    value = EncodeDate(year, month, day);
    return true;
}

bool ParseTime(const QString& text, double& fraction)
{
    const QStringList parts = text.split(FormatSettings.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int v[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        if (!AllDigits(parts[i]) || parts[i].size() > 2)
            return false;
        v[i] = parts[i].toInt();
    }
    if (v[0] > 23 || v[1] > 59 || v[2] > 59)
        return false;
    fraction = EncodeTime(v[0], v[1], v[2], 0).Val;
    return true;
}

TDateTime (*g_nowSource)() = NowFromSystem;

} // namespace

void SetNowSource(TDateTime (*source)())
{
    g_nowSource = source ? source : NowFromSystem;
}

TDateTime Now()
{
    return g_nowSource();
}

TDateTime Date()
{
    return std::trunc(Now().Val);
}

bool IsValidDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw EConvertError(
            QString("%1年%2月%3日は正しい日付ではありません。").arg(year).arg(month).arg(day));
    return static_cast<double>(DaysFromCivil(year, unsigned(month), unsigned(day)) - kEpochOffset);
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        throw EConvertError(QString("%1時%2分%3秒%4ミリ秒は正しい時刻ではありません。")
                                .arg(hour)
                                .arg(min)
                                .arg(sec)
                                .arg(msec));
    return ((hour * 60.0 + min) * 60.0 * 1000.0 + sec * 1000.0 + msec) / kMsPerDay;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    CivilFromDays(static_cast<long long>(std::trunc(value.Val)) + kEpochOffset, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec)
{
    long long ms = TimeMs(value);
    msec = int(ms % 1000);
    ms /= 1000;
    sec = int(ms % 60);
    ms /= 60;
    min = int(ms % 60);
    hour = int(ms / 60);
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    int y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    QString out;
    const QString f = format;
    // The field token before this one: "m" right after an hour is the minute, as in "hh:mm".
    QChar lastField;
    for (int i = 0; i < f.size();) {
        const QChar c = f[i].toLower();
        int run = 1;
        while (i + run < f.size() && f[i + run].toLower() == c)
            ++run;
        auto num = [&](int v, int width) { out += QString::number(v).rightJustified(width, '0'); };
        if (c == 'y') {
            if (run >= 3)
                num(y, 4);
            else
                num(y % 100, 2);
        } else if (c == 'm') {
            num(lastField == u'h' ? mi : mo, run >= 2 ? 2 : 1);
        } else if (c == 'd') {
            num(d, run >= 2 ? 2 : 1);
        } else if (c == 'h') {
            num(h, run >= 2 ? 2 : 1);
        } else if (c == 'n') {
            num(mi, run >= 2 ? 2 : 1);
        } else if (c == 's') {
            num(s, run >= 2 ? 2 : 1);
        } else if (c == '/') {
            out += QString(run, FormatSettings.DateSeparator);
        } else if (c == ':') {
            out += QString(run, FormatSettings.TimeSeparator);
        } else {
            out += f.mid(i, run);
        }
        if (QStringLiteral("ymdhns").contains(c))
            lastField = c;
        i += run;
    }
    return out;
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings.ShortDateFormat, value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings.LongTimeFormat, value);
}

QString DateTimeToStr(TDateTime value)
{
    QString text = DateToStr(value);
    if (value.Val != std::trunc(value.Val))
        text += ' ' + TimeToStr(value);
    return text;
}

bool TryStrToDate(const QString& text, TDateTime& value)
{
    return ParseDate(text, value);
}

bool TryStrToDateTime(const QString& text, TDateTime& value)
{
    const int blank = text.indexOf(' ');
    if (blank < 0)
        return ParseDate(text, value);
    int timeStart = blank;
    while (timeStart < text.size() && text[timeStart] == ' ')
        ++timeStart;
    TDateTime date;
    double fraction = 0;
    if (!ParseDate(text.left(blank), date) || !ParseTime(text.mid(timeStart), fraction))
        return false;
    value = date.Val + fraction;
    return true;
}

TDateTime StrToDate(const QString& text)
{
    TDateTime value;
    if (!TryStrToDate(text, value))
        throw EConvertError(QString("'%1'は正しい日付ではありません。").arg(text));
    return value;
}

TDateTime StrToDateTime(const QString& text)
{
    TDateTime value;
    if (!TryStrToDateTime(text, value))
        throw EConvertError(QString("'%1'は正しい日付・時刻ではありません。").arg(text));
    return value;
}
