// record_fields.h - reading text fields of host records safely.
//
// A host record's text field should be zero-terminated, but the module never
// reads past a field's end even when the host left it unterminated.

#ifndef AAP_COMPANY_RECORD_FIELDS_H_
#define AAP_COMPANY_RECORD_FIELDS_H_

#include <cstring>
#include <string>
#include <string_view>

namespace aap {

template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

}  // namespace aap

#endif  // AAP_COMPANY_RECORD_FIELDS_H_
