// converter_state.h - the module-wide state that lives between exported calls.
//
// One import is a long conversation of separate calls: the company load
// opens the database and its recordsets, later calls deliver codes, entries
// and lines one at a time, and the unload ends it.  What lives between those
// calls is one ConverterState: the database objects of the open company, the
// scratch budget database, and the values that steer the entry stream.  There
// is one company at a time, no owner object and no handle passed to the host;
// calls must not overlap (the host calls one function at a time).

#ifndef AAP_DB_CONVERTER_STATE_H_
#define AAP_DB_CONVERTER_STATE_H_

#include <array>
#include <cstdint>
#include <string>

#include "db/engine/cdb.h"
#include "plugin/host_records.h"

namespace aap {

struct ConverterState {
    // Database objects, constructed empty in this order and destroyed in the
    // reverse order.
    cdb::CdbDatabase companyDb;                             // the company database, read-only
    cdb::CdbDatabase scratchDb;                             // the scratch budget database
    cdb::CdbRecordset controlRs;                            // GL_ControlInformation
    cdb::CdbRecordset periodRs;                             // the accounting periods
    cdb::CdbRecordset partsRs;                              // AA_AccountParts
    cdb::CdbRecordset rollupsRs;                            // AA_Rollups
    std::array<cdb::CdbRecordset, kPartSlots> partTableRs;  // code table of each part slot
    cdb::CdbRecordset openingRs;                            // beginning balances
    cdb::CdbRecordset entryRs;   // journal entries from the start point on
    cdb::CdbRecordset detailRs;  // the lines of those entries
    cdb::CdbRecordset budgetRs;  // budget maxima, then the budget totals

    // Stream values.
    int16_t startYear = 0;     // first fiscal year of the journal stream
    int16_t startPeriod = 0;   // first period of that year
    int32_t primeJoined = 0;   // the Prime part's query joins Derived parts
    int32_t openingPhase = 0;  // the beginning-balance entry has been delivered
    int32_t budgetPhase = 0;   // the budget totals are open
    int32_t lastBatch = 0;     // Batch of the lines under way; 0: none
    int32_t lastEntry = 0;     // Entry of the lines under way
    int16_t budgetYear = 0;    // fiscal year of the budget entry being delivered
    int16_t budgetPeriod = 0;  // period of the budget entry being delivered

    // Journal lines belong to the entry they carry the key of: the Batch and
    // Entry of the journal entry delivered last, while `entryKeyValid`.
    int32_t entryBatch = 0;
    int32_t entryEntry = 0;
    bool entryKeyValid = false;

    // A successful load that has not been unloaded yet.
    bool companyLoaded = false;
    // A failure ended the entry stream; later entry and detail calls answer 0
    // until the next load, so the host never takes a partial stream for whole.
    bool streamOver = false;

    // Where the scratch budget database lives while it exists: a file in a
    // private folder of its own.  Empty when there is none.
    std::string scratchFolder;
    std::string scratchPath;

    ConverterState() = default;
    ConverterState(const ConverterState&) = delete;
    ConverterState& operator=(const ConverterState&) = delete;
    ~ConverterState();

    // Closes the budget totals and the scratch database, if open, and deletes
    // the scratch file and its folder.  Never throws.
    void DiscardScratch() noexcept;
};

// The module's one state object, constructed when the module is loaded.
ConverterState& State();

// Closes the objects of the open company, in a fixed order, and leaves
// `structure->currentPart` at partCount + linkedCount (0 when that is 0 or
// less).  Objects that are not open are skipped, so an unload without a
// load, or a second unload, is harmless.  Also discards a scratch database
// left by an unfinished budget stream.  Returns 1.
int UnloadCompany(ConverterState& state, AccountStructure* structure);

}  // namespace aap

#endif  // AAP_DB_CONVERTER_STATE_H_
