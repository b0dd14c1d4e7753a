#pragma once
// A month calendar's own controls as the operator uses them: the mouse on its grid of
// days and on its title.
class QCalendarWidget;
class QString;

// Clicks day `day` of the month the calendar shows; fails the test when it is not shown.
void ClickDay(QCalendarWidget* calendar, int day);

// Clicks the year in the title, which opens the year box, and types `year` over it.
void TypeYear(QCalendarWidget* calendar, const QString& year);

// Clicks an arrow of the title: to the next month (`step` 1) or the month before (-1).
void ClickMonthArrow(QCalendarWidget* calendar, int step);
