// Options that would make an invalid company are refused before anything is written.
#include "company_options.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

struct RefusedCase {
    const char* what;
    std::function<void(CompanyOptions&)> change;
};

TEST(CompanyOptions, RefusesWhatNoValidCompanyHas) {
    const RefusedCase cases[] = {
        {"lines and entries together",
         [](CompanyOptions& o) {
             o.lines = 10;
             o.entries = 5;
         }},
        {"fewer lines per entry at most than at least",
         [](CompanyOptions& o) {
             o.minLinesPerEntry = 5;
             o.maxLinesPerEntry = 4;
         }},
        {"no lines per entry",
         [](CompanyOptions& o) { o.minLinesPerEntry = o.maxLinesPerEntry = 0; }},
        {"more than 30 part slots",
         [](CompanyOptions& o) {
             o.otherParts = 10;
             o.derivedParts = 10;
             o.rollups = 10;
         }},
        {"fewer accounts than account types", [](CompanyOptions& o) { o.accounts = 24; }},
        {"no codes in a part", [](CompanyOptions& o) { o.codesPerPart = 0; }},
        {"a thirteenth month", [](CompanyOptions& o) { o.startMonth = 13; }},
        {"a thirteenth period", [](CompanyOptions& o) { o.currentPeriod = 13; }},
        {"no fiscal year", [](CompanyOptions& o) { o.years = 0; }},
        {"a name wider than CompanyName",
         [](CompanyOptions& o) { o.companyName = std::string(41, 'x'); }},
    };
    for (const RefusedCase& c : cases) {
        CompanyOptions options;
        c.change(options);
        EXPECT_THROW(resolveOptions(options), std::invalid_argument) << c.what;
    }
}

TEST(CompanyOptions, CountsLeftOpenGrowWithTheSize) {
    CompanyOptions small;
    small.lines = 10'000;
    CompanyOptions large;
    large.lines = 1'000'000;
    const CompanyOptions a = resolveOptions(small);
    const CompanyOptions b = resolveOptions(large);
    EXPECT_LT(*a.accounts, *b.accounts);
    EXPECT_LE(*a.codesPerPart, *b.codesPerPart);
    EXPECT_EQ(*a.currentYear, a.startYear);             // an import then takes the whole history
    EXPECT_EQ(resolveOptions(a).accounts, a.accounts);  // resolving twice changes nothing
}

}  // namespace
