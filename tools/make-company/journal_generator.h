// The journal of a synthetic company: balanced entries with their lines, produced in the
// order they are stored, identically on every run of the same options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "company_options.h"
#include "company_structure.h"
#include "money.h"

struct JournalEntry {
    std::int32_t batch = 0;
    std::int32_t entry = 0;
    int fiscalYear = 0;
    int period = 0;
    bool updatesBeginningBalance = false;
    std::optional<std::string> entryDateStamp;
    std::string sourceCode;
    int applyToYear = 0;
    int applyToPeriod = 0;
    std::string transactionDate;
    std::string reference;
    std::optional<std::string> explanation;
};

struct JournalLine {
    std::int32_t line = 0;
    std::int32_t subLine = 0;
    std::uint32_t codeBlockRow = 0;  // index into CompanyStructure::codeBlock
    std::string description;
    Units debit = 0;
    Units credit = 0;
};

// Receives every entry with its lines, in storage order.
class JournalSink {
  public:
    virtual ~JournalSink() = default;
    virtual void add(const JournalEntry& entry, const std::vector<JournalLine>& lines) = 0;
};

// Runs the whole journal through the sink. Each run gives the same entries, so the
// tables that need the journal (balances, entries, lines) each take a run of their own.
void generateJournal(const CompanyOptions& options, const CompanyStructure& company,
                     JournalSink& sink);
