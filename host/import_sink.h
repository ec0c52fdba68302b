// import_sink.h - what an import delivers, and the interface of the writers
// that turn it into output.

#ifndef AAP_HOST_IMPORT_SINK_H_
#define AAP_HOST_IMPORT_SINK_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "number_format.h"
#include "plugin/host_records.h"

namespace aap::host {

// The three phases of the entry stream, in the order the module delivers them.
enum class EntryPhase {
    kJournal,           // posted journal entries
    kBeginningBalance,  // the one entry carrying the opening balances
    kBudget,            // one entry per fiscal year and period of the budget
};

// "journal", "beginning-balance" or "budget".
std::string_view phase_name(EntryPhase phase);

// Journal and beginning-balance amounts come from currency columns; budget
// amounts and quantities are sums of doubles.
inline AmountKind amount_kind(EntryPhase phase) {
    return phase == EntryPhase::kBudget ? AmountKind::kDouble : AmountKind::kCurrency;
}

// The company as the module described it after loading, with the host's own
// inputs.  The records are copies taken right after AAP_LoadCompany.
struct LoadedCompany {
    aap::PackageInfo package{};
    aap::CompanyInfo company{};
    aap::AccountStructure structure{};
    std::string company_path;  // the file as the user named it
    int start_period = 0;      // first period asked for
    int32_t entry_total = 0;   // journal entries selected, plus one

    int base_parts() const { return structure.partCount; }
    int part_slots() const { return structure.partCount + structure.linkedCount; }
    bool is_linked(int slot) const { return slot >= structure.partCount; }
};

// One entry header as delivered, numbered in stream order from 1.
struct DeliveredEntry {
    int64_t sequence = 0;
    EntryPhase phase = EntryPhase::kJournal;
    const aap::EntryRecord* record = nullptr;
    std::string_view description;  // the entryDescription buffer (Windows-1252)
};

// One line of the entry last delivered, numbered within its entry from 1.
struct DeliveredLine {
    int64_t entry_sequence = 0;
    int64_t line_number = 0;
    EntryPhase phase = EntryPhase::kJournal;
    const aap::DetailAccount* account = nullptr;
    const aap::DetailRecord* detail = nullptr;
};

// A writer of import output.  It sees everything in stream order and keeps
// nothing of it beyond what one row needs: output memory stays flat however
// large the company.
class ImportSink {
  public:
    virtual ~ImportSink() = default;
    virtual void begin(const LoadedCompany& company) = 0;
    virtual void code(int slot, const aap::AccountRecord& account) = 0;
    virtual void entry(const DeliveredEntry& entry) = 0;
    virtual void line(const DeliveredLine& line) = 0;
    // The import is complete: write out and close everything.
    virtual void finish() = 0;
};

// The sink of --format none: writes nothing.
class NullSink final : public ImportSink {
  public:
    void begin(const LoadedCompany&) override {}
    void code(int, const aap::AccountRecord&) override {}
    void entry(const DeliveredEntry&) override {}
    void line(const DeliveredLine&) override {}
    void finish() override {}
};

}  // namespace aap::host

#endif  // AAP_HOST_IMPORT_SINK_H_
