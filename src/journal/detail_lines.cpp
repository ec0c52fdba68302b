// detail_lines.cpp - journal lines, beginning-balance lines and budget lines.
//
// Journal lines belong to their entry by key: the entry stream keeps the
// Batch and Entry of the journal entry it delivered, and only detail rows
// with that key are delivered for it.  Rows of an earlier key (an entry whose
// lines the host did not ask for) are skipped; a row of a later key, or the
// end, ends the entry's lines without being consumed.  So an entry without
// lines gets none, and a Batch of 0 is a key like any other.

#include "journal/detail_lines.h"

#include <cstring>
#include <optional>

#include "db/field_readers.h"
#include "journal/entry_key.h"

namespace aap {

namespace {

// One code per base part, from the columns named after the parts.
void FillSegments(const cdb::CdbRecordset& rs, AccountStructure* structure,
                  DetailAccount* account) {
    for (structure->currentPart = 0;
         structure->currentPart < structure->partCount && structure->currentPart < kPartSlots;
         ++structure->currentPart) {
        const int slot = structure->currentPart;
        char name[sizeof structure->partName[0] + 1] = {};
        std::memcpy(name, structure->partName[slot], sizeof structure->partName[0]);
        ReadTextField(rs, name, account->segment[slot]);
    }
}

CallOutcome JournalLine(ConverterState& state, AccountStructure* structure, DetailAccount* account,
                        DetailRecord* detail) {
    if (!state.entryKeyValid) return CallOutcome::Done(0);
    const EntryKey entryKey{state.entryBatch, state.entryEntry};
    cdb::CdbRecordset& rs = state.detailRs;
    for (;;) {
        if (rs.GetEOF()) return CallOutcome::Done(0);
        const std::optional<EntryKey> rowKey = ReadEntryKey(rs);
        if (rowKey && *rowKey == entryKey) break;
        if (rowKey && *rowKey > entryKey) {
            state.lastBatch = 0;  // the row opens a later entry's lines
            return CallOutcome::Done(0);
        }
        rs.MoveNext();  // a line of an earlier entry, or of none
    }
    state.lastBatch = state.entryBatch;
    state.lastEntry = state.entryEntry;
    FillSegments(rs, structure, account);
    ReadTextField(rs, "Description", detail->lineDescription);
    detail->debit = ReadCurrencyField(rs, "DebitAmount");
    detail->credit = ReadCurrencyField(rs, "CreditAmount");
    detail->quantity = 0;
    rs.MoveNext();
    return CallOutcome::Done(1);
}

CallOutcome BeginningBalanceLine(ConverterState& state, AccountStructure* structure,
                                 DetailAccount* account, DetailRecord* detail) {
    cdb::CdbRecordset& rs = state.openingRs;
    if (rs.GetEOF()) return CallOutcome::Done(0);
    FillSegments(rs, structure, account);
    detail->debit = ReadCurrencyField(rs, "Debits");
    detail->credit = ReadCurrencyField(rs, "Credits");
    detail->quantity = 0;
    rs.MoveNext();
    return CallOutcome::Done(1);
}

CallOutcome BudgetLine(ConverterState& state, AccountStructure* structure, DetailAccount* account,
                       DetailRecord* detail) {
    cdb::CdbRecordset& rs = state.budgetRs;
    if (!rs.IsOpen() || rs.GetEOF()) return CallOutcome::Done(0);
    if (ReadShortField(rs, "FiscalYear") != state.budgetYear ||
        ReadShortField(rs, "PeriodNumber") != state.budgetPeriod) {
        return CallOutcome::Done(0);  // the first row of the next budget entry
    }
    FillSegments(rs, structure, account);
    const double amount = ReadDoubleField(rs, "SumOfAmount");
    if (amount > 0) {
        detail->debit = amount;
        detail->credit = 0;
    } else {
        detail->debit = 0;
        detail->credit = -amount;
    }
    detail->quantity = ReadDoubleField(rs, "SumOfQuantity");
    rs.MoveNext();
    return CallOutcome::Done(1);
}

}  // namespace

CallOutcome LoadDetail(ConverterState& state, AccountStructure* structure, DetailAccount* account,
                       DetailRecord* detail) {
    if (state.budgetPhase) return BudgetLine(state, structure, account, detail);
    if (state.openingPhase) return BeginningBalanceLine(state, structure, account, detail);
    return JournalLine(state, structure, account, detail);
}

}  // namespace aap
