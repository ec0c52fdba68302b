// import_summary.h - the counts and totals reported at the end of an import.

#ifndef AAP_HOST_IMPORT_SUMMARY_H_
#define AAP_HOST_IMPORT_SUMMARY_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "import_sink.h"

namespace aap::host {

// Gathers, while the import streams, what the summary reports: codes per part,
// entries and lines per phase, debit and credit totals per phase, and the
// journal entries whose debits and credits differ.  Amounts are summed as
// integer ten-thousandths, so rounding noise never makes an entry look out of
// balance.  Memory stays flat: only the first kListedUnbalanced unbalanced
// entries are kept for the listing, the rest are only counted.
class ImportSummary {
  public:
    static constexpr int kListedUnbalanced = 20;

    void begin(const LoadedCompany& company);
    void code(int slot);
    void entry(const DeliveredEntry& entry);
    void line(const DeliveredLine& line);
    // Closes the entry last delivered (also called before each new entry).
    void end_entry();

    // The summary as text: a few lines, ending with a newline.
    std::string text() const;

    struct PhaseTotals {
        int64_t entries = 0;
        int64_t lines = 0;
        __int128 debit = 0;     // ten-thousandths
        __int128 credit = 0;    // ten-thousandths
        __int128 quantity = 0;  // ten-thousandths
    };
    const PhaseTotals& totals(EntryPhase phase) const { return phases_[static_cast<int>(phase)]; }
    int64_t unbalanced_entries() const { return unbalanced_count_; }

  private:
    struct OpenEntry {
        bool open = false;
        int64_t sequence = 0;
        EntryPhase phase = EntryPhase::kJournal;
        std::string reference;  // UTF-8
        std::string date;       // ISO or empty
        __int128 debit = 0;
        __int128 credit = 0;
    };
    struct Unbalanced {
        int64_t sequence;
        std::string reference;
        std::string date;
        __int128 debit;
        __int128 credit;
    };

    LoadedCompany company_;
    std::array<int64_t, aap::kPartSlots> codes_{};
    std::array<PhaseTotals, 3> phases_{};
    OpenEntry open_;
    std::vector<Unbalanced> unbalanced_;
    int64_t unbalanced_count_ = 0;
    bool opening_unbalanced_ = false;
    __int128 opening_difference_ = 0;
};

}  // namespace aap::host

#endif  // AAP_HOST_IMPORT_SUMMARY_H_
