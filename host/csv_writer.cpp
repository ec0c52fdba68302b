// csv_writer.cpp - RFC 4180 CSV rows (see csv_writer.h).

#include "csv_writer.h"

#include "windows1252.h"

namespace aap::host {

void CsvWriter::quote_from(std::size_t start) {
    const std::string_view field(out_.data() + start, out_.size() - start);
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return;
    std::string quoted;
    quoted.reserve(field.size() + 8);
    quoted += '"';
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    out_.resize(start);
    out_ += quoted;
}

void CsvWriter::text(std::string_view utf8) {
    separate();
    const std::size_t start = out_.size();
    out_ += utf8;
    quote_from(start);
}

void CsvWriter::record_text(std::string_view windows1252) {
    separate();
    const std::size_t start = out_.size();
    append_utf8(out_, windows1252);
    quote_from(start);
}

void CsvWriter::integer(int64_t value) {
    separate();
    append_integer(out_, value);
}

void CsvWriter::amount(double value, AmountKind kind) {
    separate();
    append_amount(out_, value, kind);
}

void CsvWriter::end_row() {
    out_ += "\r\n";
    row_started_ = false;
    file_.flush_if_full();
}

}  // namespace aap::host
