// budget_consolidation.h - turning the two budget tables into budget totals.
//
// Only fiscal years in which journal entries exist from the start point on
// are considered, and of each such year only the highest budget number found
// in either budget table.  The union of the two tables is stored as the query
// "Budget" in a scratch database of the module's own; the totals are a
// grouping over it, one row per account, fiscal year and period.

#ifndef AAP_JOURNAL_BUDGET_CONSOLIDATION_H_
#define AAP_JOURNAL_BUDGET_CONSOLIDATION_H_

#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "db/engine/cdb.h"
#include "plugin/host_records.h"

namespace aap {

inline constexpr char kUnableToOpenJournalEntry[] =
    "Unable to open the Vantrel Server table GL_JournalEntry.";
inline constexpr char kUnableToOpenBudgetBalances[] =
    "Unable to open the Vantrel Server table GL_SumBudgetBalances.";
inline constexpr char kUnableToOpenBudgetQuantities[] =
    "Unable to open the Vantrel Server table GL_SumBudgetQuantities.";
inline constexpr char kUnableToOpenBudget[] = "Unable to open the Vantrel Server table Budget.";
inline constexpr char kUnableToBuildBudget[] = "Unable to build the Vantrel Server budget totals.";

// Result 1: state.budgetRs is open over the totals, state.scratchDb holds
// them, state.budgetPhase is set.  Result 0 without a message: there is no
// budget to deliver (the stream ends).  Result 0 with a message: the
// consolidation failed; no scratch file is left, and the opening-table
// failures may be tried again by a later call, while a failure to build the
// scratch database ends the stream.
CallOutcome ConsolidateBudget(ConverterState& state, cdb::CdbWorkspace& workspace,
                              const CompanyInfo* company, AccountStructure* structure);

}  // namespace aap

#endif  // AAP_JOURNAL_BUDGET_CONSOLIDATION_H_
