// The options that shape a synthetic company, and how the counts a user leaves open are
// derived from the size asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CompanyOptions {
    std::uint64_t seed = 1;
    std::optional<std::int64_t> lines;    // journal lines wanted, exactly
    std::optional<std::int64_t> entries;  // or journal entries wanted, exactly
    int minLinesPerEntry = 2;
    int maxLinesPerEntry = 8;
    std::optional<int> accounts;      // codes of the Prime part
    int otherParts = 1;               // base parts besides the Prime part
    int derivedParts = 1;             // parts derived from the account
    int rollups = 2;                  // groupings hung off the Derived, then the Other parts
    std::optional<int> codesPerPart;  // codes of each Other and Derived part
    int years = 3;                    // fiscal years of journal history
    int startYear = 1996;             // first fiscal year of the history
    std::optional<int> currentYear;   // the company's current fiscal year; default startYear
    int startMonth = 7;               // calendar month in which a fiscal year starts
    int currentPeriod = 1;
    int budgets = 2;      // budget numbers per budgeted year
    int budgetYears = 2;  // budgeted years, from the current fiscal year on
    bool keyed = false;   // add the indexes the accounting server keeps
    std::string companyName;
};

// Every optional count filled in from the size, then every value checked; throws
// std::invalid_argument naming the option at fault.
CompanyOptions resolveOptions(CompanyOptions options);

// Journal lines the company will hold (exact for --lines, the expected value for
// --entries).
std::int64_t expectedLines(const CompanyOptions& options);
