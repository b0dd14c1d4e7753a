#pragma once
// Clicks a day of a month calendar as the operator does, with the mouse on its grid.
class QCalendarWidget;

// Clicks day `day` of the month the calendar shows; fails the test when it is not shown.
void ClickDay(QCalendarWidget* calendar, int day);
