// Drawing realistic positive amounts, in ten-thousandths, with integer arithmetic only.
#pragma once

#include "money.h"
#include "random_stream.h"

// An amount from lo to hi currency units, spread evenly over the decades between them so
// that small amounts are as common as large ones; mostly whole cents, one in twenty with
// three decimals and one in twenty with four.
inline Units drawAmount(RandomStream& random, Units lo, Units hi) {
    Units edges[24];
    int count = 0;
    edges[count++] = lo;
    while (edges[count - 1] * 10 < hi && count < 23) {
        edges[count] = edges[count - 1] * 10;
        ++count;
    }
    edges[count++] = hi;
    const auto decade = static_cast<int>(random.below(static_cast<std::uint64_t>(count - 1)));
    const Units low = edges[decade] * 100;
    const Units width = (edges[decade + 1] - edges[decade]) * 100;
    const Units cents = low + static_cast<Units>(random.below(static_cast<std::uint64_t>(width)));
    Units units = (cents > 0 ? cents : 1) * kUnitsPerCent;
    const auto digits = random.below(100);
    if (digits < 5) {
        units += random.between(1, 9) * 10;
    } else if (digits < 10) {
        const Units tail = random.between(1, 99);
        units += tail % 10 == 0 ? tail + 1 : tail;
    }
    return units;
}
