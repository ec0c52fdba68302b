// detail_lines.h - the lines of the entry delivered last, one per call.
//
// The phase decides the source: journal lines while journal entries are
// delivered, the opening balances after the beginning-balance entry, the
// budget totals of the current year and period after a budget entry.

#ifndef AAP_JOURNAL_DETAIL_LINES_H_
#define AAP_JOURNAL_DETAIL_LINES_H_

#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "plugin/host_records.h"

namespace aap {

// Writes the next line of the current entry: the account as one code per
// base part into `account`, and the amounts (and, for journal lines, the
// description) into `detail`: result 1.  0 when the entry has no further
// line.  Leaves structure->currentPart at partCount on a delivered line.
// Engine failures throw.
CallOutcome LoadDetail(ConverterState& state, AccountStructure* structure, DetailAccount* account,
                       DetailRecord* detail);

}  // namespace aap

#endif  // AAP_JOURNAL_DETAIL_LINES_H_
