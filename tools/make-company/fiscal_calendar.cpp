// Calendar arithmetic of fiscal periods, and ISO-8601 date texts.
#include "fiscal_calendar.h"

#include <chrono>
#include <cstdio>

CalendarMonth calendarMonthOf(int fiscalYear, int period, int startMonth) {
    const int firstMonthYear = startMonth == 1 ? fiscalYear : fiscalYear - 1;
    const int index = firstMonthYear * 12 + (startMonth - 1) + (period - 1);
    return {index / 12, index % 12 + 1};
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string isoDate(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string isoDateTime(int year, int month, int day, int laterDays, int secondsIntoDay) {
    using namespace std::chrono;
    const year_month_day later{sys_days{std::chrono::year{year} / month / day} + days{laterDays}};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d",
                  static_cast<int>(later.year()), static_cast<unsigned>(later.month()),
                  static_cast<unsigned>(later.day()), secondsIntoDay / 3600,
                  secondsIntoDay / 60 % 60, secondsIntoDay % 60);
    return text;
}
