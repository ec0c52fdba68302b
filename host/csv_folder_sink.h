// csv_folder_sink.h - import output as a folder of CSV files.

#ifndef AAP_HOST_CSV_FOLDER_SINK_H_
#define AAP_HOST_CSV_FOLDER_SINK_H_

#include <filesystem>
#include <memory>

#include "csv_writer.h"
#include "import_sink.h"
#include "output_file.h"

namespace aap::host {

// Writes company.csv, parts.csv, codes.csv, entries.csv and lines.csv into a
// folder (created when missing; files of these names are replaced).  Each
// file starts with a header row; the columns are listed in the README.
class CsvFolderSink final : public ImportSink {
  public:
    explicit CsvFolderSink(const std::filesystem::path& folder);

    void begin(const LoadedCompany& company) override;
    void code(int slot, const aap::AccountRecord& account) override;
    void entry(const DeliveredEntry& entry) override;
    void line(const DeliveredLine& line) override;
    void finish() override;

    // The names of the files written, in the order listed above.
    static const char* const kFileNames[5];

  private:
    struct File {
        explicit File(const std::filesystem::path& path) : output(path), csv(output) {}
        OutputFile output;
        CsvWriter csv;
    };

    void write_company(const LoadedCompany& company);
    void write_parts(const LoadedCompany& company);
    void write_headers(const LoadedCompany& company);

    std::filesystem::path folder_;
    LoadedCompany company_;
    std::string scratch_;
    std::unique_ptr<File> company_file_, parts_file_, codes_file_, entries_file_, lines_file_;
};

}  // namespace aap::host

#endif  // AAP_HOST_CSV_FOLDER_SINK_H_
