#pragma once
// A date picker: the date only, in the short date format, with a drop-down calendar.
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Colors.h"

#include <QDateEdit>

namespace widgets {

class DateTimePicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateTimePicker(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime value);
    TColor Color() const { return color; }
    void SetColor(TColor value);

signals:
    void Exit();

private:
    TColor color = clWindow;
};

// Conversions between the program's dates and Qt's.
QDate ToQDate(TDateTime value);
TDateTime FromQDate(const QDate& date);
// The short date format in Qt's notation ("yyyy/MM/dd").
QString QtShortDateFormat();

} // namespace widgets
