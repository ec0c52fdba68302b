// entry_stream.h - the entry headers of an open company, one per call.
//
// Three phases: every journal entry selected at load, one beginning-balance
// entry, then one budget entry per fiscal year and period of the budget
// totals (consolidated on the first call of that phase).

#ifndef AAP_JOURNAL_ENTRY_STREAM_H_
#define AAP_JOURNAL_ENTRY_STREAM_H_

#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "plugin/host_records.h"

namespace aap {

// Writes the next entry header into `entry` (and, for the synthetic entries,
// `entryDescription`, a buffer of kEntryDescriptionSize bytes): result 1.
// Result 0 when the stream has ended, or with a message when the budget
// consolidation failed.  Engine failures outside the guarded budget steps
// throw; the caller ends the stream on them.
CallOutcome LoadEntry(ConverterState& state, const CompanyInfo* company,
                      AccountStructure* structure, EntryRecord* entry, char* entryDescription);

}  // namespace aap

#endif  // AAP_JOURNAL_ENTRY_STREAM_H_
