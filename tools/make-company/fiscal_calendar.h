// Calendar arithmetic of fiscal periods, and dates written the way a company file keeps
// them (ISO-8601 text).
#pragma once

#include <string>

struct CalendarMonth {
    int year;
    int month;  // 1-12
};

// The calendar month of a fiscal period (1-12). A fiscal year is named after the calendar
// year in which it ends: with startMonth 7, period 1 of fiscal 1997 is July 1996.
CalendarMonth calendarMonthOf(int fiscalYear, int period, int startMonth);

int daysInMonth(int year, int month);

// "1997-07-01"
std::string isoDate(int year, int month, int day);

// "1997-07-13 08:05:09": the date plus laterDays, at the given time of day.
std::string isoDateTime(int year, int month, int day, int laterDays, int secondsIntoDay);
