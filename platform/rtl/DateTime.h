#pragma once
// Date-time values as the program keeps them: days since 1899-12-30, the
// fraction being the time of day. 0 is the empty date.
#include <QString>

class TDateTime
{
public:
    constexpr TDateTime(double value = 0.0) : Val(value) {}
    constexpr operator double() const { return Val; }

    double Val;
};

// A format text of the settings below. Its initial text is a constant, not a QString made at
// start-up: a static initialiser of another unit, which may run first, reads it already.
// It reads as that text until another is assigned.
class TFormatText
{
public:
    constexpr TFormatText(const char16_t* initial) : initial(initial) {}
    TFormatText& operator=(const QString& text)
    {
        value = text;
        assigned = true;
        return *this;
    }
    operator QString() const { return assigned ? value : QString::fromUtf16(initial); }

private:
    const char16_t* initial;
    QString value;
    bool assigned = false;
};

// The global date and time texts, as a Japanese desktop writes them.
struct TFormatSettings
{
    TFormatText ShortDateFormat = u"yyyy/MM/dd";
    TFormatText LongTimeFormat = u"h:nn:ss";
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
};
extern TFormatSettings FormatSettings;

TDateTime Now();  // local time
TDateTime Date(); // today, no time of day

bool IsValidDate(int year, int month, int day);
// Raise EConvertError for a day that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);

// Formats with the tokens yyyy yy mm m dd d hh h nn n ss s, read without regard to case;
// "mm" and "m" are the minute when the field token before them is the hour ("hh:mm"), else
// the month. "/" and ":" stand for the separators of the format settings; any other
// character is copied.
QString FormatDateTime(const QString& format, TDateTime value);

QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
// The date, then the time unless the value is exactly midnight.
QString DateTimeToStr(TDateTime value);

// Year, month, day in the order and with the separator of the format settings.
// Raise EConvertError for anything that is not exactly such a date (and, for
// StrToDateTime, an optional time "h:nn[:ss]").
TDateTime StrToDate(const QString& text);
TDateTime StrToDateTime(const QString& text);
bool TryStrToDate(const QString& text, TDateTime& value);
bool TryStrToDateTime(const QString& text, TDateTime& value);

// The clock behind Now() and Date(); tests replace it. nullptr restores the system clock.
void SetNowSource(TDateTime (*source)());
