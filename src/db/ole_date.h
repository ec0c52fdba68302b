// ole_date.h - turning an OLE Automation date into a calendar date.
//
// An OLE date counts days from 30 December 1899; its fraction is the time of
// day.  Before that day the whole part counts back while the fraction still
// counts forward (-1.25 is 29 December 1899, 06:00).

#ifndef AAP_DB_OLE_DATE_H_
#define AAP_DB_OLE_DATE_H_

#include "plugin/host_records.h"

namespace aap {

// The calendar date (proleptic Gregorian, full year) of `oleDate`, rounded to
// the nearest second first.  Values after 31 December 9999 or before
// 1 January 100 (and NaN) give -1, -1, -1.
HostDate OleDateToCalendar(double oleDate);

}  // namespace aap

#endif  // AAP_DB_OLE_DATE_H_
