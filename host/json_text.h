// json_text.h - pieces of JSON text appended straight to an output buffer, for
// the objects written once per entry and line.

#ifndef AAP_HOST_JSON_TEXT_H_
#define AAP_HOST_JSON_TEXT_H_

#include <string>
#include <string_view>

#include "number_format.h"

namespace aap::host {

// Appends `utf8` as a JSON string.  Text without quotes, backslashes or
// control characters (nearly all text) is copied between quotes; any other is
// escaped by nlohmann::json.
void append_json_string(std::string& out, std::string_view utf8);

// The same for Windows-1252 text from a host record.
void append_json_record_string(std::string& out, std::string_view windows1252);

// Appends an amount as a JSON number with the digits number_format.h gives
// (the same as in CSV); null for a NaN or an infinity, which JSON lacks.
void append_json_amount(std::string& out, double value, AmountKind kind);

}  // namespace aap::host

#endif  // AAP_HOST_JSON_TEXT_H_
