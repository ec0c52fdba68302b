// reference_export.h - reads the reference exports that come with the shared
// Jet samples: CSV as written by mdb-export, and a tab-separated file whose
// texts escape \r, \n, \t and backslash.

#ifndef AAP_TESTS_JET_REFERENCE_EXPORT_H_
#define AAP_TESTS_JET_REFERENCE_EXPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace jet_test {

// One field of an export: its text, and whether it was written in quotes
// (mdb-export quotes every non-empty text and nothing else).
struct ExportField {
    std::string text;
    bool quoted = false;
};
using ExportRow = std::vector<ExportField>;

// The records of a CSV export, header first.  Quoted fields may span lines.
std::vector<ExportRow> ParseCsv(const std::string& content);

// The records of a tab-separated export with escaped texts, header first.
std::vector<ExportRow> ParseEscapedTsv(const std::string& content);

// A decimal such as "-12.3456" as an exact count of ten-thousandths; empty
// when the text is not such a number or has more than four decimals.
std::optional<std::int64_t> TenThousandths(const std::string& decimal);

}  // namespace jet_test

#endif  // AAP_TESTS_JET_REFERENCE_EXPORT_H_
