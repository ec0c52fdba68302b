// Amounts as integer ten-thousandths of a currency unit, so that sums are exact and every
// entry balances to the last digit.
#pragma once

#include <cstdint>

using Units = std::int64_t;

constexpr Units kUnitsPerCurrency = 10000;
constexpr Units kUnitsPerCent = 100;

// Binds an amount the way a company file holds currency: a whole amount as an integer,
// any other as the double nearest to its decimal value, which reads back exactly to four
// decimals.
template <class Row>
Row& bindCurrency(Row& row, Units units) {
    if (units % kUnitsPerCurrency == 0) {
        return row.integer(units / kUnitsPerCurrency);
    }
    return row.real(static_cast<double>(units) / static_cast<double>(kUnitsPerCurrency));
}
