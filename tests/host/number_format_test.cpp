// number_format_test.cpp - amounts are written exactly: four decimals at most
// for currency, no binary noise, no "-0", no exponent.

#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace aap::host {
namespace {

struct AmountCase {
    double value;
    AmountKind kind;
    const char* text;
};

TEST(NumberFormat, WritesAmountsAsPlainExactDecimals) {
    const AmountCase cases[] = {
        // Currency: rounded to four decimals, trailing zeros dropped.
        {4125.0, AmountKind::kCurrency, "4125"},
        {612.40, AmountKind::kCurrency, "612.4"},
        {2205.6625, AmountKind::kCurrency, "2205.6625"},
        {17807.9925, AmountKind::kCurrency, "17807.9925"},
        {0.0001, AmountKind::kCurrency, "0.0001"},
        {0.00004, AmountKind::kCurrency, "0"},
        {-80.5, AmountKind::kCurrency, "-80.5"},
        {0.1 + 0.2, AmountKind::kCurrency, "0.3"},
        {123456789012.3456, AmountKind::kCurrency, "123456789012.3456"},
        {-99999999999.9999, AmountKind::kCurrency, "-99999999999.9999"},
        {-0.0, AmountKind::kCurrency, "0"},
        {-0.00001, AmountKind::kCurrency, "0"},
        // Doubles: shortest round trip, but no noise past 15 digits.
        {250.0, AmountKind::kDouble, "250"},
        {-0.0, AmountKind::kDouble, "0"},
        {0.1 + 0.2, AmountKind::kDouble, "0.3"},
        {1.0 / 3.0, AmountKind::kDouble, "0.333333333333333"},
        {12.345678, AmountKind::kDouble, "12.345678"},
        {1e20, AmountKind::kDouble, "100000000000000000000"},
        {1.5e-7, AmountKind::kDouble, "0.00000015"},
        {-1234567.125, AmountKind::kDouble, "-1234567.125"},
        // Past the range where a double holds ten-thousandths exactly.
        {922337203685477.0, AmountKind::kCurrency, "922337203685477"},
        {std::numeric_limits<double>::quiet_NaN(), AmountKind::kDouble, "nan"},
        {-std::numeric_limits<double>::infinity(), AmountKind::kCurrency, "-inf"},
    };
    for (const AmountCase& c : cases) {
        EXPECT_EQ(format_amount(c.value, c.kind), c.text) << "value " << c.value;
    }
}

TEST(NumberFormat, CanonicalAmountIsTheDoubleOfTheWrittenText) {
    EXPECT_EQ(canonical_amount(0.1 + 0.2, AmountKind::kDouble), 0.3);
    EXPECT_EQ(canonical_amount(2205.66250000001, AmountKind::kCurrency), 2205.6625);
    EXPECT_FALSE(std::signbit(canonical_amount(-0.0, AmountKind::kDouble)));
    EXPECT_FALSE(std::signbit(canonical_amount(-0.00001, AmountKind::kCurrency)));
}

TEST(NumberFormat, TenThousandthsSumWithoutDrift) {
    // A thousand lines of 0.1 sum to exactly 100 in ten-thousandths.
    __int128 sum = 0;
    for (int i = 0; i < 1000; ++i) sum += to_ten_thousandths(0.1);
    EXPECT_EQ(format_ten_thousandths(sum), "100");
    EXPECT_EQ(format_ten_thousandths(-12345), "-1.2345");
    EXPECT_EQ(format_ten_thousandths(5), "0.0005");
    EXPECT_EQ(format_ten_thousandths(0), "0");
    EXPECT_EQ(to_ten_thousandths(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(to_ten_thousandths(std::nan("")), 0);
}

}  // namespace
}  // namespace aap::host
