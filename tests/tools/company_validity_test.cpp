// Generated companies follow the conventions of a company file, for a range of shapes:
// balanced entries, exact amounts, codes that exist, Jet types and text widths, a
// 12-period calendar, balances that agree with the journal, budgets by budget number.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "company_database.h"
#include "company_file.h"
#include "company_options.h"

namespace {

struct GeneratorCase {
    std::string name;
    CompanyOptions options;
};

void PrintTo(const GeneratorCase& c, std::ostream* out) {
    *out << c.name;
}

CompanyOptions withLines(std::int64_t lines) {
    CompanyOptions options;
    options.lines = lines;
    return options;
}

std::vector<GeneratorCase> generatorCases() {
    std::vector<GeneratorCase> cases;
    cases.push_back({"standard", withLines(3000)});

    CompanyOptions single = withLines(500);
    single.otherParts = single.derivedParts = single.rollups = 0;
    cases.push_back({"prime_part_only", single});

    CompanyOptions many = withLines(2000);
    many.otherParts = 3;
    many.derivedParts = 2;
    many.rollups = 6;
    many.codesPerPart = 7;
    many.seed = 7;
    cases.push_back({"many_parts", many});

    CompanyOptions onAccount = withLines(300);
    onAccount.otherParts = onAccount.derivedParts = 0;
    onAccount.rollups = 1;
    cases.push_back({"rollup_on_account", onAccount});

    CompanyOptions memo;
    memo.entries = 40;
    memo.minLinesPerEntry = memo.maxLinesPerEntry = 1;
    memo.budgets = 0;
    cases.push_back({"one_line_entries_no_budgets", memo});

    CompanyOptions calendar;
    calendar.entries = 600;
    calendar.minLinesPerEntry = 2;
    calendar.maxLinesPerEntry = 20;
    calendar.startMonth = 1;
    calendar.startYear = 2001;
    calendar.currentYear = 2002;
    calendar.budgets = 3;
    calendar.keyed = true;
    calendar.seed = 20020101;
    cases.push_back({"calendar_year_history_before_current", calendar});
    return cases;
}

// Each case's company is written once and shared by the tests of this file.
const std::filesystem::path& companyFile(const GeneratorCase& c) {
    static TemporaryFolder folder;
    static std::map<std::string, std::filesystem::path> written;
    auto [it, inserted] = written.try_emplace(c.name, folder.file(c.name + ".db"));
    if (inserted) {
        writeCompany(c.options, it->second.string());
    }
    return it->second;
}

std::string bracketed(const std::string& name) {
    return "[" + name + "]";
}

class GeneratedCompany : public testing::TestWithParam<GeneratorCase> {
  protected:
    void SetUp() override {
        options_ = resolveOptions(GetParam().options);
        db_ = std::make_unique<CompanyDatabase>(companyFile(GetParam()));
    }

    std::vector<std::string> baseParts() const {
        return db_->column(
            "SELECT PartName FROM AA_AccountParts WHERE PartType IS NOT 'Derived' ORDER BY "
            "PartNumber");
    }

    CompanyOptions options_;
    std::unique_ptr<CompanyDatabase> db_;
};

TEST_P(GeneratedCompany, EveryEntryBalancesAndOwnsItsLines) {
    EXPECT_EQ(
        db_->number(R"(SELECT count(*) FROM (SELECT 1 FROM GL_JournalDetail GROUP BY Batch, Entry
                              HAVING sum(CAST(round(DebitAmount * 10000) AS INTEGER))
                                  <> sum(CAST(round(CreditAmount * 10000) AS INTEGER))))"),
        0);
    EXPECT_EQ(db_->number(R"(SELECT count(*) FROM GL_JournalEntry e WHERE NOT EXISTS
                              (SELECT 1 FROM GL_JournalDetail d WHERE d.Batch = e.Batch AND d.Entry = e.Entry))"),
              0);
    EXPECT_EQ(db_->number(R"(SELECT count(*) FROM GL_JournalDetail d WHERE NOT EXISTS
                              (SELECT 1 FROM GL_JournalEntry e WHERE d.Batch = e.Batch AND d.Entry = e.Entry))"),
              0);
    EXPECT_EQ(
        db_->number("SELECT count(*) - count(DISTINCT Batch || '/' || Entry) FROM GL_JournalEntry"),
        0);
    EXPECT_EQ(db_->number("SELECT count(*) FROM GL_JournalEntry WHERE Batch <= 0 OR Entry <= 0"),
              0);
    EXPECT_EQ(db_->number(R"(SELECT count(*) FROM (SELECT 1 FROM GL_JournalDetail
                              GROUP BY Batch, Entry, Line, SubLine HAVING count(*) > 1))"),
              0);
}

TEST_P(GeneratedCompany, CurrencyIsExactToTheTenThousandthAndOnOneSideOfALine) {
    for (const auto& [table, columns] : std::map<std::string, std::vector<std::string>>{
             {"GL_JournalDetail", {"DebitAmount", "CreditAmount"}},
             {"GL_SumActualBalances", {"Debits", "Credits"}}}) {
        for (const std::string& c : columns) {
            // Exact: the stored double is the one nearest to its value rounded to 4 decimals.
            EXPECT_EQ(db_->number("SELECT count(*) FROM " + table + " WHERE typeof(" + c +
                                  ") NOT IN ('integer', 'real') OR " + c + " < 0 OR round(" + c +
                                  ", 4) <> " + c),
                      0)
                << table << "." << c;
        }
    }
    EXPECT_EQ(
        db_->number(
            "SELECT count(*) FROM GL_JournalDetail WHERE DebitAmount <> 0 AND CreditAmount <> 0"),
        0);
}

TEST_P(GeneratedCompany, EveryCodeExistsInItsPartTable) {
    const std::vector<std::string> parts = baseParts();
    std::string sameAccount;
    for (const std::string& part : parts) {
        sameAccount += (sameAccount.empty() ? "" : " AND ") + ("c." + bracketed(part)) + " = d." +
                       bracketed(part);
        EXPECT_EQ(db_->number("SELECT count(*) FROM GL_SummaryCodeBlock WHERE " + bracketed(part) +
                              " IS NULL OR " + bracketed(part) + " NOT IN (SELECT " +
                              bracketed(part) + " FROM " + bracketed(part) + ")"),
                  0)
            << part;
    }
    EXPECT_EQ(db_->number("SELECT count(*) FROM GL_JournalDetail d WHERE NOT EXISTS "
                          "(SELECT 1 FROM GL_SummaryCodeBlock c WHERE " +
                          sameAccount + ")"),
              0);
    EXPECT_EQ(db_->number("SELECT count(*) - count(DISTINCT RecordKey) FROM GL_SummaryCodeBlock"),
              0);

    // A Derived part is a column of the Prime table; a rollup a column of its part's table.
    std::vector<std::pair<std::string, std::string>>
        links;  // (table holding the column, linked part)
    for (const auto& derived :
         db_->column("SELECT PartName FROM AA_AccountParts WHERE PartType = 'Derived'")) {
        links.emplace_back("Account", derived);
    }
    for (const auto& row : db_->rows("SELECT AccountPartName, RollupTableName FROM AA_Rollups")) {
        links.emplace_back(row[0], row[1]);
    }
    for (const auto& [table, linked] : links) {
        EXPECT_EQ(
            db_->number("SELECT count(*) FROM " + bracketed(table) + " WHERE " + bracketed(linked) +
                        " IS NULL OR " + bracketed(linked) + " NOT IN (SELECT " +
                        bracketed(linked) + " FROM " + bracketed(linked) + ")"),
            0)
            << table << "." << linked;
    }
}

TEST_P(GeneratedCompany, PartsAndRollupsDescribeTheirTables) {
    EXPECT_EQ(db_->column("SELECT PartName FROM AA_AccountParts WHERE PartType = 'Prime'"),
              std::vector<std::string>{"Account"});
    EXPECT_EQ(db_->number("SELECT count(*) FROM AA_AccountParts WHERE PartType = 'Derived'"),
              options_.derivedParts);
    EXPECT_EQ(db_->number("SELECT count(*) FROM AA_AccountParts"),
              1 + options_.otherParts + options_.derivedParts);
    EXPECT_EQ(db_->number("SELECT count(*) FROM AA_Rollups"), options_.rollups);
    // Base parts must take the first slots: their numbers stay below 100.
    EXPECT_EQ(db_->number("SELECT count(*) FROM AA_AccountParts WHERE PartNumber >= 100"), 0);
    EXPECT_EQ(db_->number("SELECT count(*) FROM AA_Rollups WHERE AccountPartName NOT IN "
                          "(SELECT PartName FROM AA_AccountParts)"),
              0);

    auto sizes = db_->rows(
        "SELECT PartName, FieldSize FROM AA_AccountParts UNION ALL "
        "SELECT RollupTableName, FieldSize FROM AA_Rollups");
    for (const auto& row : sizes) {
        const std::string& table = row[0];
        const std::vector<std::string> columns =
            db_->column("SELECT name FROM pragma_table_info('" + table + "')");
        ASSERT_GE(columns.size(), 4u) << table;
        EXPECT_EQ(std::vector<std::string>(columns.begin(), columns.begin() + 4),
                  (std::vector<std::string>{table, "Description", "BriefDescription", "Status"}));
        EXPECT_GE(std::stoll(row[1]), db_->number("SELECT max(length(" + bracketed(table) +
                                                  ")) FROM " + bracketed(table)))
            << table;
        EXPECT_EQ(db_->number("SELECT count(*) - count(DISTINCT " + bracketed(table) + ") FROM " +
                              bracketed(table)),
                  0)
            << table;
    }
    EXPECT_EQ(
        db_->number("SELECT count(*) FROM pragma_table_info('Account') WHERE name = 'AccountType'"),
        1);
}

TEST_P(GeneratedCompany, DeclaredTypesAreJetTypesAndTextsFitTheirWidths) {
    const std::regex jetType("SHORT|LONG|CURRENCY|DOUBLE|DATETIME|BIT|TEXT\\((\\d+)\\)");
    for (const std::string& table :
         db_->column("SELECT name FROM sqlite_master WHERE type = 'table'")) {
        for (const auto& column :
             db_->rows("SELECT name, type FROM pragma_table_info('" + table + "')")) {
            std::smatch match;
            ASSERT_TRUE(std::regex_match(column[1], match, jetType))
                << table << "." << column[0] << " " << column[1];
            if (match[1].matched) {
                EXPECT_LE(db_->number("SELECT coalesce(max(length(" + bracketed(column[0]) +
                                      ")), 0) FROM " + bracketed(table)),
                          std::stoll(match[1]))
                    << table << "." << column[0];
            }
        }
    }
}

TEST_P(GeneratedCompany, HasATwelvePeriodCalendar) {
    EXPECT_EQ(
        db_->rows("SELECT FiscalYear, NumberOfPeriods FROM GL_ControlInformation"),
        (std::vector<std::vector<std::string>>{{std::to_string(*options_.currentYear), "12"}}));
    const std::string year = std::to_string(*options_.currentYear);
    EXPECT_EQ(db_->column("SELECT PeriodNumber FROM GL_AcctPeriod WHERE FiscalYear = " + year +
                          " ORDER BY PeriodNumber"),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                        "11", "12"}));
    // The converter takes the fiscal start month from the first row of a period other than 0.
    EXPECT_EQ(db_->number("SELECT CAST(substr(BeginDate, 6, 2) AS INTEGER) - PeriodNumber + 1 "
                          "FROM GL_AcctPeriod WHERE PeriodNumber <> 0 LIMIT 1"),
              options_.startMonth);
    EXPECT_EQ(
        db_->number("SELECT count(*) FROM GL_JournalEntry WHERE PeriodNumber NOT BETWEEN 1 AND 12 "
                    "OR date(TransactionDate) IS NOT TransactionDate"),
        0);
}

TEST_P(GeneratedCompany, BalancesAgreeWithTheJournal) {
    std::string sameAccount;
    for (const std::string& part : baseParts()) {
        sameAccount += (sameAccount.empty() ? "" : " AND ") + ("c." + bracketed(part)) + " = d." +
                       bracketed(part);
    }
    const std::string journalTotals =
        "SELECT c.RecordKey, e.FiscalYear, e.PeriodNumber, "
        "sum(CAST(round(d.DebitAmount * 10000) AS INTEGER)), sum(CAST(round(d.CreditAmount * "
        "10000) AS INTEGER)) "
        "FROM GL_JournalDetail d JOIN GL_JournalEntry e ON d.Batch = e.Batch AND d.Entry = e.Entry "
        "JOIN GL_SummaryCodeBlock c ON " +
        sameAccount + " WHERE e.UpdateBeginningBalance = 0 GROUP BY 1, 2, 3";
    const std::string storedTotals =
        "SELECT LinkPointer, FiscalYear, PeriodNumber, CAST(round(Debits * 10000) AS INTEGER), "
        "CAST(round(Credits * 10000) AS INTEGER) FROM GL_SumActualBalances WHERE PeriodNumber > 0";
    EXPECT_EQ(
        db_->number("SELECT count(*) FROM (" + journalTotals + " EXCEPT " + storedTotals + ")"), 0);
    EXPECT_EQ(
        db_->number("SELECT count(*) FROM (" + storedTotals + " EXCEPT " + journalTotals + ")"), 0);

    EXPECT_EQ(db_->number("SELECT count(*) FROM GL_SumActualBalances WHERE PeriodNumber = 0"),
              db_->number("SELECT count(*) FROM GL_SummaryCodeBlock"));
    EXPECT_EQ(db_->number("SELECT sum(CAST(round(Debits * 10000) AS INTEGER)) - "
                          "sum(CAST(round(Credits * 10000) AS INTEGER)) FROM GL_SumActualBalances "
                          "WHERE PeriodNumber = 0"),
              0);
}

TEST_P(GeneratedCompany, BudgetsCoverEveryAccountUnderTheHighestNumber) {
    const std::string keys = "SELECT LinkPointer, BudgetNumber, FiscalYear, PeriodNumber FROM ";
    EXPECT_EQ(db_->number("SELECT count(*) FROM (" + keys + "GL_SumBudgetBalances EXCEPT " + keys +
                          "GL_SumBudgetQuantities)"),
              0);
    EXPECT_EQ(db_->number("SELECT count(*) FROM GL_SumBudgetBalances"),
              db_->number("SELECT count(*) FROM GL_SumBudgetQuantities"));
    const std::int64_t accounts = db_->number("SELECT count(*) FROM GL_SummaryCodeBlock");
    const auto perYear = db_->rows(
        "SELECT FiscalYear, max(BudgetNumber), sum(BudgetNumber = (SELECT max(BudgetNumber) FROM "
        "GL_SumBudgetBalances)) FROM GL_SumBudgetBalances GROUP BY FiscalYear ORDER BY FiscalYear");
    ASSERT_EQ(perYear.size(),
              options_.budgets == 0 ? 0u : static_cast<std::size_t>(options_.budgetYears));
    for (std::size_t y = 0; y < perYear.size(); ++y) {
        EXPECT_EQ(std::stoll(perYear[y][0]), *options_.currentYear + static_cast<int>(y));
        EXPECT_EQ(std::stoll(perYear[y][1]), options_.budgets);
        EXPECT_EQ(std::stoll(perYear[y][2]), accounts * 12);
    }
}

TEST_P(GeneratedCompany, HasTheSizeAskedFor) {
    if (options_.lines) {
        EXPECT_EQ(db_->number("SELECT count(*) FROM GL_JournalDetail"), *options_.lines);
    } else {
        EXPECT_EQ(db_->number("SELECT count(*) FROM GL_JournalEntry"), *options_.entries);
    }
    EXPECT_EQ(
        db_->number(
            "SELECT count(*) FROM (SELECT count(*) AS n FROM GL_JournalDetail GROUP BY Batch, "
            "Entry) WHERE n NOT BETWEEN " +
            std::to_string(options_.minLinesPerEntry) + " AND " +
            std::to_string(options_.maxLinesPerEntry)),
        0);
    EXPECT_EQ(db_->number("SELECT count(*) FROM Account"), *options_.accounts);
    EXPECT_EQ(db_->number("SELECT count(DISTINCT FiscalYear) FROM GL_JournalEntry"),
              options_.years);
}

INSTANTIATE_TEST_SUITE_P(Shapes, GeneratedCompany, testing::ValuesIn(generatorCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
