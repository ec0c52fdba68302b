// number_format.h - exact decimal text for the amounts and integers that the
// importer writes.
//
// The module hands amounts over as doubles.  Journal and beginning-balance
// amounts come from currency columns (four decimals); budget amounts and
// quantities are sums of doubles.  Both are written as plain decimals with a
// '.' and no exponent, never as "-0", and without binary noise:
//   - a currency amount is rounded to four decimals and trailing zeros are
//     dropped (2205.6625, 4125, 0.1);
//   - any other value is written as the shortest decimal that reads back as
//     the same double, unless that needs more than 15 significant digits: a
//     sum such as 0.1 + 0.2 is then written with 15 (0.3).

#ifndef AAP_HOST_NUMBER_FORMAT_H_
#define AAP_HOST_NUMBER_FORMAT_H_

#include <cstdint>
#include <string>

namespace aap::host {

// How a double reached the host: decides how it is written.
enum class AmountKind {
    kCurrency,  // from a currency column: exact to four decimals
    kDouble,    // a double of the source, or a sum of doubles
};

// Appends the decimal text of `value`.
void append_amount(std::string& out, double value, AmountKind kind);

// The value that append_amount writes, as a double (for JSON numbers).
double canonical_amount(double value, AmountKind kind);

// Appends an amount counted in ten-thousandths (12345 -> "1.2345").
void append_ten_thousandths(std::string& out, __int128 value);

// `value` in ten-thousandths, rounded; saturates far outside the currency range
// and gives 0 for NaN.
int64_t to_ten_thousandths(double value);

// Appends a signed integer in decimal.
void append_integer(std::string& out, int64_t value);

// Convenience forms that return the text.
std::string format_amount(double value, AmountKind kind);
std::string format_ten_thousandths(__int128 value);

}  // namespace aap::host

#endif  // AAP_HOST_NUMBER_FORMAT_H_
