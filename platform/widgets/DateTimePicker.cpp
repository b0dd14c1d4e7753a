#include "platform/widgets/DateTimePicker.h"

#include <QRegularExpression>
#include <cmath>

namespace widgets {

QDate ToQDate(TDateTime value)
{
    return QDate(1899, 12, 30).addDays(qint64(std::floor(double(value))));
}

TDateTime FromQDate(const QDate& date)
{
    return TDateTime(double(QDate(1899, 12, 30).daysTo(date)));
}

QString QtShortDateFormat()
{
    QString format(FormatSettings.ShortDateFormat);
    format.replace("mm", "MM").replace(QRegularExpression("(^|[^M])m([^M]|$)"), "\\1M\\2");
    format.replace('/', FormatSettings.DateSeparator);
    return format;
}

DateTimePicker::DateTimePicker(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QtShortDateFormat());
    setCalendarPopup(true);
    setMinimumDate(QDate(100, 1, 1));
}

TDateTime DateTimePicker::Date() const
{
    return FromQDate(date());
}

void DateTimePicker::SetDate(TDateTime value)
{
    setDate(ToQDate(value));
}

void DateTimePicker::SetColor(TColor value)
{
    color = value;
    SetBackground(this, value);
}

} // namespace widgets
