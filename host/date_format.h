// date_format.h - the module's dates as ISO 8601 text.

#ifndef AAP_HOST_DATE_FORMAT_H_
#define AAP_HOST_DATE_FORMAT_H_

#include <string>

#include "plugin/host_records.h"

namespace aap::host {

// True when `date` is a calendar date that can be written: year 1 to 9999,
// month 1 to 12, day 1 to 31.  The module gives (0, 0, 0) for a column without
// a date and (-1, -1, -1) for one out of range; both are written as no date.
bool is_writable_date(aap::HostDate date);

// Appends YYYY-MM-DD; only for a writable date.
void append_iso_date(std::string& out, aap::HostDate date);

}  // namespace aap::host

#endif  // AAP_HOST_DATE_FORMAT_H_
