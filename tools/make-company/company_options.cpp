// Defaults that grow with the size of a synthetic company, and the checks on its options.
#include "company_options.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

constexpr int kMaxPartSlots = 30;
constexpr std::int64_t kDefaultLines = 10000;

std::int64_t integerSquareRoot(std::int64_t n) {
    std::int64_t root = 0;
    while ((root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

void require(bool condition, const std::string& message) {
    if (!condition) {
        throw std::invalid_argument(message);
    }
}

}  // namespace

std::int64_t expectedLines(const CompanyOptions& options) {
    if (options.lines) {
        return *options.lines;
    }
    const std::int64_t entries = options.entries.value_or(0);
    return entries * (options.minLinesPerEntry + options.maxLinesPerEntry) / 2;
}

CompanyOptions resolveOptions(CompanyOptions options) {
    require(!(options.lines && options.entries), "--lines and --entries exclude each other");
    if (!options.lines && !options.entries) {
        options.lines = kDefaultLines;
    }
    require(options.minLinesPerEntry >= 1 && options.minLinesPerEntry <= options.maxLinesPerEntry &&
                options.maxLinesPerEntry <= 99,
            "lines per entry must satisfy 1 <= min <= max <= 99");
    require(!options.lines || (*options.lines >= 0 && *options.lines <= 100'000'000),
            "--lines must be between 0 and 100000000");
    require(!options.entries || (*options.entries >= 0 && *options.entries <= 50'000'000),
            "--entries must be between 0 and 50000000");

    // A chart of accounts grows with the square root of the activity: about 200 accounts
    // at 10 thousand lines, 2,000 at a million.
    const std::int64_t lines = expectedLines(options);
    if (!options.accounts) {
        options.accounts =
            static_cast<int>(std::clamp<std::int64_t>(2 * integerSquareRoot(lines), 25, 20000));
    }
    if (!options.codesPerPart) {
        options.codesPerPart = std::clamp(*options.accounts / 50, 3, 400);
    }
    if (!options.currentYear) {
        options.currentYear = options.startYear;
    }

    require(*options.accounts >= 25 && *options.accounts <= 200000,
            "--accounts must be between 25 (one per account type) and 200000");
    require(*options.codesPerPart >= 1 && *options.codesPerPart <= 9999,
            "--codes-per-part must be between 1 and 9999");
    require(options.otherParts >= 0 && options.otherParts <= 20 && options.derivedParts >= 0 &&
                options.derivedParts <= 20 && options.rollups >= 0 && options.rollups <= 20,
            "--other-parts, --derived-parts and --rollups must each be between 0 and 20");
    require(1 + options.otherParts + options.derivedParts + options.rollups <= kMaxPartSlots,
            "the Prime part, Other parts, Derived parts and rollups together must not exceed 30");
    require(options.years >= 1 && options.years <= 50, "--years must be between 1 and 50");
    require(options.startYear >= 1901 && options.startYear + options.years <= 2999,
            "--start-year must be between 1901 and 2999 - years");
    require(*options.currentYear >= 1901 && *options.currentYear <= 2999,
            "--current-year must be between 1901 and 2999");
    require(options.startMonth >= 1 && options.startMonth <= 12,
            "--start-month must be between 1 and 12");
    require(options.currentPeriod >= 0 && options.currentPeriod <= 12,
            "--current-period must be between 0 and 12");
    require(options.budgets >= 0 && options.budgets <= 20, "--budgets must be between 0 and 20");
    require(options.budgetYears >= 0 && options.budgetYears <= 50,
            "--budget-years must be between 0 and 50");
    if (options.companyName.empty()) {
        options.companyName = "Synthetic Company " + std::to_string(options.seed);
    }
    require(options.companyName.size() <= 40, "--company-name must be at most 40 characters");
    return options;
}
