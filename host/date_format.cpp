// date_format.cpp - ISO 8601 dates (see date_format.h).

#include "date_format.h"

namespace aap::host {
namespace {

void append_digits(std::string& out, int value, int width) {
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}

}  // namespace

bool is_writable_date(aap::HostDate date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= 31;
}

void append_iso_date(std::string& out, aap::HostDate date) {
    append_digits(out, date.year, 4);
    out += '-';
    append_digits(out, date.month, 2);
    out += '-';
    append_digits(out, date.day, 2);
}

}  // namespace aap::host
