// jsonl_sink.h - import output as JSON Lines.

#ifndef AAP_HOST_JSONL_SINK_H_
#define AAP_HOST_JSONL_SINK_H_

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "import_sink.h"
#include "output_file.h"

namespace aap::host {

// Writes one JSON object per line: the company, then each part, each account
// code, and each entry followed by its lines.  Every object has a "type"
// member ("company", "part", "code", "entry", "line"); the members are listed
// in the README.  Amounts are JSON numbers with the same digits as in CSV.
class JsonLinesSink final : public ImportSink {
  public:
    // `path` "-" writes to standard output.  The file is made when the import
    // begins, so a failed probe leaves nothing behind.
    explicit JsonLinesSink(const std::filesystem::path& path);

    void begin(const LoadedCompany& company) override;
    void code(int slot, const aap::AccountRecord& account) override;
    void entry(const DeliveredEntry& entry) override;
    void line(const DeliveredLine& line) override;
    void finish() override;

  private:
    using Json = nlohmann::ordered_json;

    // The objects written for every entry and line are built once, and each
    // record only overwrites their values in place (strings keep their
    // buffers), so the hot path allocates next to nothing.
    struct EntrySlots {
        Json object;
        Json *sequence, *phase, *entry_date, *transaction_date, *apply_to_year, *apply_to_period,
            *source_code, *kind, *reference, *explanation, *description;
    };
    struct LineSlots {
        Json object;
        Json *entry, *line, *phase, *description, *debit, *credit, *quantity;
        std::vector<Json*> account;  // one per base part
    };

    void write(const Json& object);
    void prepare_slots();

    std::filesystem::path path_;
    std::unique_ptr<OutputFile> output_;
    LoadedCompany company_;
    EntrySlots entry_;
    LineSlots line_;
};

}  // namespace aap::host

#endif  // AAP_HOST_JSONL_SINK_H_
