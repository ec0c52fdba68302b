// jsonl_sink.h - import output as JSON Lines.

#ifndef AAP_HOST_JSONL_SINK_H_
#define AAP_HOST_JSONL_SINK_H_

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "import_sink.h"
#include "output_file.h"

namespace aap::host {

// Writes one JSON object per line: the company, then each part, each account
// code, and each entry followed by its lines.  Every object has a "type"
// member ("company", "part", "code", "entry", "line"); the members are listed
// in the README.  Amounts are JSON numbers with the same digits as in CSV.
//
// The few company, part and code objects are built as nlohmann::json values.
// Entries and lines, a million or more, are appended as text in a fixed
// member order, with the member names of the account (the part names)
// escaped once by nlohmann::json when the import begins.
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
    void write(const nlohmann::ordered_json& object);

    std::filesystem::path path_;
    std::unique_ptr<OutputFile> output_;
    LoadedCompany company_;
    std::vector<std::string> account_members_;  // "Account": per base part
};

}  // namespace aap::host

#endif  // AAP_HOST_JSONL_SINK_H_
