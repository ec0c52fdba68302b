// account_parts.h - the account parts and rollups of a company, their code
// tables, and the Prime part's query.

#ifndef AAP_COMPANY_ACCOUNT_PARTS_H_
#define AAP_COMPANY_ACCOUNT_PARTS_H_

#include <string>
#include <string_view>

#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "plugin/host_records.h"

namespace aap {

inline constexpr char kUnableToOpenPartTables[] =
    "Unable to open the Vantrel Server account part tables.";

// A part name as it goes between brackets in the SQL built from it (a table
// or a column name).  Throws std::runtime_error for a name holding `]`,
// which would break out of its brackets.
std::string BracketName(std::string_view name);

// Fills `structure` from the rows of state.partsRs and state.rollupsRs (base
// parts in slots 0 .. partCount-1, then Derived or Joined parts and
// rollups), opens state.partTableRs[i] over the code table of every slot and
// joins into the Prime part's query each Derived part that carries a rollup.
// Ends with partCount counting the base parts and currentPart 0.  A failure
// returns the part-tables message; the caller closes the company database.
CallOutcome LoadAccountParts(ConverterState& state, AccountStructure* structure);

}  // namespace aap

#endif  // AAP_COMPANY_ACCOUNT_PARTS_H_
