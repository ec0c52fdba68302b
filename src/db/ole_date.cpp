// ole_date.cpp - OLE Automation date to calendar date.

#include "db/ole_date.h"

#include <cmath>
#include <cstdint>

namespace aap {

namespace {

constexpr double kLastOleDate = 2958465.0;   // 31 December 9999
constexpr double kFirstOleDate = -657434.0;  // 1 January 100
constexpr double kHalfSecond = 1.0 / 172800.0;
// Days from 1 March of year 0 (proleptic Gregorian) to 30 December 1899.
constexpr int64_t kOleEpochDays = 693899;

// Days since 1 March of year 0 -> civil date, after H. Hinnant's
// "chrono-compatible low-level date algorithms" (public domain).
HostDate CivilFromDays(int64_t days) {
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return HostDate{static_cast<int16_t>(year), static_cast<int16_t>(month),
                    static_cast<int16_t>(day)};
}

}  // namespace

HostDate OleDateToCalendar(double oleDate) {
    if (!(oleDate <= kLastOleDate && oleDate >= kFirstOleDate)) return HostDate{-1, -1, -1};
    const double rounded = oleDate > 0 ? oleDate + kHalfSecond : oleDate - kHalfSecond;
    const auto dayNumber = static_cast<int64_t>(std::trunc(rounded));
    return CivilFromDays(dayNumber + kOleEpochDays);
}

}  // namespace aap
