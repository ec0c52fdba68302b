// entry_stream.cpp - journal entries, the beginning-balance entry and the
// budget entries.

#include "journal/entry_stream.h"

#include "db/field_readers.h"
#include "journal/budget_consolidation.h"
#include "journal/entry_key.h"

namespace aap {

namespace {

CallOutcome DeliverJournalEntry(ConverterState& state, EntryRecord* entry) {
    cdb::CdbRecordset& rs = state.entryRs;
    entry->entryDate = ReadDateField(rs, "EntryDateStamp");
    ReadTextField(rs, "SourceCode", entry->sourceCode);
    WriteRecordText(entry->entryKind, "A");
    entry->applyToYear = ReadShortField(rs, "ApplyToYear");
    entry->applyToPeriod = ReadShortField(rs, "ApplyToPeriod");
    entry->transactionDate = ReadDateField(rs, "TransactionDate");
    ReadTextField(rs, "PrimaryReference", entry->reference);
    ReadTextField(rs, "Explanation", entry->explanation);
    // The lines that follow are exactly those carrying this entry's key.
    const std::optional<EntryKey> key = ReadEntryKey(rs);
    state.entryKeyValid = key.has_value();
    if (key) {
        state.entryBatch = static_cast<int32_t>(key->batch);
        state.entryEntry = static_cast<int32_t>(key->entry);
    }
    rs.MoveNext();
    return CallOutcome::Done(1);
}

CallOutcome DeliverBeginningBalance(ConverterState& state, const CompanyInfo* company,
                                    EntryRecord* entry, char* entryDescription) {
    WriteRecordText(entry->explanation, "Beginning Balances");
    WriteRecordText(entry->sourceCode, "BB");
    WriteRecordText(entry->entryKind, "A");
    WriteRecordText(entry->reference, "");
    entry->entryDate = HostDate{company->fiscalYear, company->fiscalStartMonth, 1};
    entry->transactionDate = entry->entryDate;
    entry->applyToYear = company->fiscalYear;
    entry->applyToPeriod = 0;
    WriteRecordText(entryDescription, kEntryDescriptionSize, "Beginning Balance");
    state.entryKeyValid = false;
    state.openingPhase = 1;
    return CallOutcome::Done(1);
}

// One budget entry per fiscal year and period; the detail calls consume the
// rows of that group.  At the end of the totals the scratch database goes.
CallOutcome DeliverBudgetEntry(ConverterState& state, EntryRecord* entry, char* entryDescription) {
    if (state.budgetRs.GetEOF()) {
        state.DiscardScratch();
        state.streamOver = true;
        return CallOutcome::Done(0);
    }
    WriteRecordText(entry->explanation, "Budgets");
    WriteRecordText(entry->sourceCode, "NBG");
    WriteRecordText(entry->entryKind, "B");
    WriteRecordText(entry->reference, "");
    state.budgetYear = ReadShortField(state.budgetRs, "FiscalYear");
    state.budgetPeriod = ReadShortField(state.budgetRs, "PeriodNumber");
    entry->applyToYear = state.budgetYear;
    entry->applyToPeriod = state.budgetPeriod;
    // The period stands in the month position as it is.
    entry->entryDate = HostDate{state.budgetYear, state.budgetPeriod, 1};
    entry->transactionDate = entry->entryDate;
    WriteRecordText(entryDescription, kEntryDescriptionSize, "Budget");
    return CallOutcome::Done(1);
}

}  // namespace

CallOutcome LoadEntry(ConverterState& state, const CompanyInfo* company,
                      AccountStructure* structure, EntryRecord* entry, char* entryDescription) {
    cdb::CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, cdb::dbUseJet);
    if (!state.openingPhase) {
        if (!state.entryRs.GetEOF()) return DeliverJournalEntry(state, entry);
        return DeliverBeginningBalance(state, company, entry, entryDescription);
    }
    if (!state.budgetPhase) {
        CallOutcome consolidation =
            ConsolidateBudget(state, engine.Workspaces[0], company, structure);
        if (consolidation.result != 1) return consolidation;
    }
    return DeliverBudgetEntry(state, entry, entryDescription);
}

}  // namespace aap
