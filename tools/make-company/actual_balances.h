// The actual balances of a synthetic company, as GL_SumActualBalances keeps them: the
// opening balance of every account in the current fiscal year (period 0), and the totals
// of the journal lines per account and posting period.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "company_options.h"
#include "company_schema.h"
#include "company_structure.h"
#include "journal_generator.h"
#include "money.h"
#include "sqlite_file.h"

struct DebitsAndCredits {
    Units debits = 0;
    Units credits = 0;
};

// Collects the journal; the lines of entries that update the beginning balance go into
// the opening balances, all others into the period totals.
class ActualBalances : public JournalSink {
  public:
    // Draws the opening balances: balance-sheet accounts only, each fund balancing through
    // its net-assets account.
    ActualBalances(const CompanyOptions& options, const CompanyStructure& company);

    void add(const JournalEntry& entry, const std::vector<JournalLine>& lines) override;

    // Opening rows first in RecordKey order, then period totals by year, period and
    // RecordKey.
    void write(SqliteFile& file, const TableDefinition& table) const;

  private:
    const CompanyOptions& options_;
    const CompanyStructure& company_;
    std::vector<DebitsAndCredits> opening_;  // per code-block row
    // Keyed by period index (12 per fiscal year from the first) * rows + code-block row.
    std::unordered_map<std::uint64_t, DebitsAndCredits> periodTotals_;
};
