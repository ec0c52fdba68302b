// csv_writer.h - rows of RFC 4180 CSV appended to an OutputFile.

#ifndef AAP_HOST_CSV_WRITER_H_
#define AAP_HOST_CSV_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "number_format.h"
#include "output_file.h"

namespace aap::host {

// Writes CSV rows field by field: fields separated by commas, rows ended by
// CR LF, and a field quoted (with inner quotes doubled) exactly when it holds
// a comma, a quote, a CR or an LF.  Text from the host records is converted
// from Windows-1252 to UTF-8 on the way.
class CsvWriter {
  public:
    explicit CsvWriter(OutputFile& file) : file_(file), out_(file.buffer()) {}

    // A UTF-8 text field.
    void text(std::string_view utf8);
    // A Windows-1252 text field from a host record.
    void record_text(std::string_view windows1252);
    void integer(int64_t value);
    void amount(double value, AmountKind kind);
    // An empty field.
    void empty() { separate(); }
    void end_row();

  private:
    void separate() {
        if (!row_started_) {
            row_started_ = true;
        } else {
            out_ += ',';
        }
    }
    // Quotes the field that starts at `start` in the buffer when it needs it.
    void quote_from(std::size_t start);

    OutputFile& file_;
    std::string& out_;
    bool row_started_ = false;
};

}  // namespace aap::host

#endif  // AAP_HOST_CSV_WRITER_H_
