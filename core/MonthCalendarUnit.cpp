#include "core/MonthCalendarUnit.h"

#include "core/Edition.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"

#include <QLocale>

TMonthCalendarForm* MonthCalendarForm = nullptr;

TMonthCalendarForm::TMonthCalendarForm(QWidget* parent) : widgets::Form(parent)
{
    // The design makes the edit before the calendar: a window that takes the focus before
    // the show handler's focus lands gives it to the edit, so the calendar never holds
    // the focus it would accept the date on leaving.
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont editFont = SpecifiedDateMaskEdit->font();
    editFont.setPixelSize(16);
    SpecifiedDateMaskEdit->setFont(editFont);
    // The calendar as a Japanese desktop shows it: weekdays in one character each (the
    // English names do not fit its columns), the week from Sunday.
    MonthCalendar1->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TMonthCalendarForm::FormShow);
    Connect(MonthCalendar1, &widgets::MonthCalendar::Click, this, &TMonthCalendarForm::MonthCalendar1Click);
    Connect(MonthCalendar1, &widgets::MonthCalendar::Exit, this, &TMonthCalendarForm::OkButtonClick);
    Connect(OkButton, &QPushButton::clicked, this, &TMonthCalendarForm::OkButtonClick);
    Connect(CancelButton, &QPushButton::clicked, this, &TMonthCalendarForm::CancelButtonClick);
    Edition().DatePickerMade(*this);
}

void TMonthCalendarForm::FormShow()
{
    bDateSpecified = 0;
    ShowDateInEdit();
    SpecifiedDateMaskEdit->setFocus();
    SpecifiedDateMaskEdit->SetSelStart(0);
    SpecifiedDateMaskEdit->SetSelLength(1);
}

void TMonthCalendarForm::MonthCalendar1Click()
{
    ShowDateInEdit();
}

void TMonthCalendarForm::ShowDateInEdit()
{
    SpecifiedDateMaskEdit->SetText(Edition().DateFieldText(DateToStr(MonthCalendar1->Date())));
}

void TMonthCalendarForm::OkButtonClick()
{
    const QString text = SpecifiedDateMaskEdit->Text();
    TDateTime date;
    if (!TryStrToDateTime(text, date)) {
        widgets::ShowError("不正な日付です。\n  \"" + text + "\"");
        return;
    }
    MonthCalendar1->SetDate(date);
    bDateSpecified = 1;
    Close();
}

void TMonthCalendarForm::CancelButtonClick()
{
    Close();
}

std::optional<QString> PickDate(int left, int top)
{
    MonthCalendarForm->SetLeft(left);
    MonthCalendarForm->SetTop(top);
    MonthCalendarForm->ShowModal();
    if (MonthCalendarForm->bDateSpecified != 1)
        return std::nullopt;
    return DateToStr(MonthCalendarForm->MonthCalendar1->Date());
}

std::optional<QString> PickDate(int left, int top, const QString& preset)
{
    // Converted before anything moves, so a field that holds no date leaves the picker as it was.
    if (!preset.isEmpty())
        MonthCalendarForm->MonthCalendar1->SetDate(StrToDateTime(preset));
    return PickDate(left, top);
}
