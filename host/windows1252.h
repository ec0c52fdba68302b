// windows1252.h - reading the module's fixed-width text fields and turning
// their Windows-1252 bytes into UTF-8.
//
// Every text field in the host records is a fixed-width byte array holding
// zero-terminated Windows-1252 text.  All 256 byte values are mapped: the
// five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the C1 control characters with the same numbers, as Windows
// itself converts them.

#ifndef AAP_HOST_WINDOWS1252_H_
#define AAP_HOST_WINDOWS1252_H_

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "plugin/host_records.h"

namespace aap::host {

// The text of a fixed-width field comes from the records header's
// FieldText: its bytes up to the first zero, or the whole field when the
// module left no terminator.
using aap::FieldText;

// The Unicode code point of one Windows-1252 byte.
char32_t windows1252_code_point(unsigned char byte);

// Appends `text` (Windows-1252) to `out` as UTF-8.
void append_utf8(std::string& out, std::string_view text);

// `text` (Windows-1252) as UTF-8.
std::string to_utf8(std::string_view text);

}  // namespace aap::host

#endif  // AAP_HOST_WINDOWS1252_H_
