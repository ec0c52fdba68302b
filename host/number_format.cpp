// number_format.cpp - exact decimal text for amounts (see number_format.h).

#include "number_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace aap::host {
namespace {

// Below this magnitude a double still tells ten-thousandths apart exactly
// (2^53 / 10^4); above it the currency path would only invent digits.
constexpr double kCurrencyExactLimit = 9.0e11;
constexpr int kMaxSignificantDigits = 15;

// Enough for the longest fixed-notation double (about 330 characters).
constexpr int kDoubleTextSize = 400;

int count_significant_digits(const char* begin, const char* end) {
    int digits = 0;
    bool leading = true;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9') continue;
        if (leading && *p == '0') continue;
        leading = false;
        ++digits;
    }
    return digits;
}

// The double with at most 15 significant digits nearest to `value`, when the
// shortest text of `value` needs more: removes the noise of summed doubles.
double without_binary_noise(double value) {
    char text[kDoubleTextSize];
    auto shortest = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (count_significant_digits(text, shortest.ptr) <= kMaxSignificantDigits) return value;
    auto rounded = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                 kMaxSignificantDigits - 1);
    double result = value;
    std::from_chars(text, rounded.ptr, result);
    return result;
}

void append_double(std::string& out, double value) {
    if (value == 0.0) {  // also -0.0
        out += '0';
        return;
    }
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    char text[kDoubleTextSize];
    auto result = std::to_chars(text, text + sizeof text, without_binary_noise(value),
                                std::chars_format::fixed);
    out.append(text, result.ptr);
}

bool fits_currency_path(double value) {
    return std::isfinite(value) && std::fabs(value) < kCurrencyExactLimit;
}

}  // namespace

int64_t to_ten_thousandths(double value) {
    if (std::isnan(value)) return 0;
    const double scaled = value * 10000.0;
    constexpr double kLimit = 9.2e18;  // just inside the int64 range
    if (scaled >= kLimit) return std::numeric_limits<int64_t>::max();
    if (scaled <= -kLimit) return std::numeric_limits<int64_t>::min();
    return std::llround(scaled);
}

void append_integer(std::string& out, int64_t value) {
    char text[24];
    auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void append_ten_thousandths(std::string& out, __int128 value) {
    unsigned __int128 magnitude =
        value < 0 ? -static_cast<unsigned __int128>(value) : static_cast<unsigned __int128>(value);
    if (value < 0) out += '-';

    // 64-bit division for every amount that fits, 128-bit only for huge sums.
    const auto fraction = static_cast<unsigned>(
        magnitude <= UINT64_MAX ? static_cast<uint64_t>(magnitude) % 10000 : magnitude % 10000);
    char digits[48];
    char* end = digits + sizeof digits;
    char* p = end;
    if (magnitude <= UINT64_MAX) {
        auto whole = static_cast<uint64_t>(magnitude) / 10000;
        do {
            *--p = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
    } else {
        unsigned __int128 whole = magnitude / 10000;
        do {
            *--p = static_cast<char>('0' + static_cast<int>(whole % 10));
            whole /= 10;
        } while (whole != 0);
    }
    out.append(p, end);

    if (fraction != 0) {
        char decimals[5] = {'.', static_cast<char>('0' + fraction / 1000),
                            static_cast<char>('0' + fraction / 100 % 10),
                            static_cast<char>('0' + fraction / 10 % 10),
                            static_cast<char>('0' + fraction % 10)};
        int length = 5;
        while (decimals[length - 1] == '0') --length;
        out.append(decimals, length);
    }
}

void append_amount(std::string& out, double value, AmountKind kind) {
    if (kind == AmountKind::kCurrency && fits_currency_path(value)) {
        append_ten_thousandths(out, to_ten_thousandths(value));
    } else {
        append_double(out, value);
    }
}

double canonical_amount(double value, AmountKind kind) {
    double result;
    if (kind == AmountKind::kCurrency && fits_currency_path(value)) {
        result = static_cast<double>(to_ten_thousandths(value)) / 10000.0;
    } else if (std::isfinite(value)) {
        result = without_binary_noise(value);
    } else {
        result = value;
    }
    return result == 0.0 ? 0.0 : result;  // never -0
}

std::string format_amount(double value, AmountKind kind) {
    std::string text;
    append_amount(text, value, kind);
    return text;
}

std::string format_ten_thousandths(__int128 value) {
    std::string text;
    append_ten_thousandths(text, value);
    return text;
}

}  // namespace aap::host
