// Fiscal periods fall in the right calendar months, and entry time stamps roll over month
// and year ends.
#include "fiscal_calendar.h"

#include <gtest/gtest.h>

namespace {

TEST(FiscalCalendar, PeriodsFallInTheirCalendarMonths) {
    struct Case {
        int fiscalYear, period, startMonth, year, month;
    };
    const Case cases[] = {
        {1997, 1, 7, 1996, 7},   {1997, 6, 7, 1996, 12}, {1997, 7, 7, 1997, 1},
        {1997, 12, 7, 1997, 6},  {1997, 1, 1, 1997, 1},  {1997, 12, 1, 1997, 12},
        {1997, 1, 12, 1996, 12}, {1997, 2, 12, 1997, 1},
    };
    for (const Case& c : cases) {
        const CalendarMonth month = calendarMonthOf(c.fiscalYear, c.period, c.startMonth);
        EXPECT_EQ(month.year, c.year)
            << c.fiscalYear << "/" << c.period << " from month " << c.startMonth;
        EXPECT_EQ(month.month, c.month)
            << c.fiscalYear << "/" << c.period << " from month " << c.startMonth;
    }
}

TEST(FiscalCalendar, TimeStampsRollOverMonthAndYearEnds) {
    EXPECT_EQ(isoDateTime(1996, 2, 25, 5, 8 * 3600 + 61), "1996-03-01 08:01:01");
    EXPECT_EQ(isoDateTime(1997, 2, 25, 5, 0), "1997-03-02 00:00:00");
    EXPECT_EQ(isoDateTime(1996, 12, 30, 12, 86399), "1997-01-11 23:59:59");
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1997, 2), 28);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
}

}  // namespace
