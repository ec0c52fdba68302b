// company_load.h - opening a company: its fiscal calendar, the recordsets the
// later calls read, its account structure, and the number of entries.

#ifndef AAP_COMPANY_COMPANY_LOAD_H_
#define AAP_COMPANY_COMPANY_LOAD_H_

#include <cstdint>

#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "plugin/host_records.h"

namespace aap {

// Message texts of a failed load.
inline constexpr char kUnableToOpenDatabase[] = "Unable to open the Vantrel Server database.";
inline constexpr char kUnableToOpenTables[] = "Unable to open the Vantrel Server tables.";
inline constexpr char kNotEnoughPeriods[] = "Not enough accounting period information to continue.";
inline constexpr char kPeriodCountFormat[] = "%d-period accounting is not currently supported.";

// Opens the company named by company->companyPath, taking journal entries
// from its current fiscal year and the host's company->currentPeriod on.
// On success (result 1) the state holds the open company, the records are
// filled and *entryTotal is the number of journal entries selected plus one.
// On failure (result 0, with the message to show) the company database is
// closed again and the records keep what was written before the failure.
CallOutcome LoadCompany(ConverterState& state, CompanyInfo* company, AccountStructure* structure,
                        int32_t* entryTotal);

}  // namespace aap

#endif  // AAP_COMPANY_COMPANY_LOAD_H_
