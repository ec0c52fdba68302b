// budget_consolidation.cpp - the budget number of each year, the stored union
// query and the totals.
//
// The scratch database is not kept at one fixed path shared by every
// process: each consolidation makes a private folder (readable by the user
// only) in the system's temporary folder and creates the database in it, so
// two imports running at once never touch each other's budgets.

#include "journal/budget_consolidation.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "company/account_parts.h"
#include "db/field_readers.h"
#include "db/read_only_query.h"

namespace aap {

namespace {

constexpr char kScratchLocale[] = ";LANGID=0x0409;CP=1252;COUNTRY=0";
constexpr char kScratchFileName[] = "budget-scratch.db";

std::string Format(const char* format, int a, int b, int c) {
    char text[512];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// MaxOfBudgetNumber of a maximum query: -1 when the query has no row or the
// year has no rows in the table (an empty maximum).
int16_t ReadBudgetMaximum(cdb::CdbRecordset& rs) {
    if (rs.GetEOF()) return -1;
    const std::optional<int64_t> maximum = ReadWholeNumberField(rs, "MaxOfBudgetNumber");
    return maximum ? static_cast<int16_t>(*maximum) : int16_t{-1};
}

// The highest budget number of `year` in one budget table, or -1.
int16_t BudgetMaximum(ConverterState& state, const char* table, int16_t year) {
    const std::string sql = "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM " +
                            std::string(table) + " WHERE FiscalYear = " + std::to_string(year) +
                            ";";
    state.budgetRs = OpenReadOnlyQuery(state.companyDb, sql);
    const int16_t maximum = ReadBudgetMaximum(state.budgetRs);
    state.budgetRs.Close();
    return maximum;
}

// A failure of one of the guarded opens: its message, shown once.
struct GuardedOpenFailure : std::runtime_error {
    GuardedOpenFailure(const char* message, const std::string& detail)
        : std::runtime_error(detail), message(message) {}
    const char* message;
};

// The selection of (fiscal year, budget number) pairs: for each year with
// journal entries from the start point on, the higher of the two tables'
// highest budget numbers.  Empty when no year has a budget.
std::string BudgetCondition(ConverterState& state, cdb::CdbRecordset& yearList) {
    std::string condition;
    while (!yearList.GetEOF()) {
        const int16_t year = ReadShortField(yearList, "FiscalYear");
        int16_t balances = 0;
        int16_t quantities = 0;
        try {
            balances = BudgetMaximum(state, "GL_SumBudgetBalances", year);
        } catch (const std::exception& error) {
            throw GuardedOpenFailure(kUnableToOpenBudgetBalances, error.what());
        }
        try {
            quantities = BudgetMaximum(state, "GL_SumBudgetQuantities", year);
        } catch (const std::exception& error) {
            throw GuardedOpenFailure(kUnableToOpenBudgetQuantities, error.what());
        }
        const int16_t budget = quantities > balances ? quantities : balances;
        if (budget >= 0) {
            if (!condition.empty()) condition += " OR ";
            condition += "(FiscalYear = " + std::to_string(year) +
                         " AND BudgetNumber = " + std::to_string(budget) + ")";
        }
        yearList.MoveNext();
    }
    return condition;
}

// "[Account], [Fund], " for the base parts, counting currentPart up to partCount.
std::string PartColumnList(AccountStructure* structure) {
    std::string list;
    for (structure->currentPart = 0;
         structure->currentPart < structure->partCount && structure->currentPart < kPartSlots;
         ++structure->currentPart) {
        list += "[" + BracketName(FieldText(structure->partName[structure->currentPart])) + "], ";
    }
    return list;
}

// A path inside a double-quoted SQL string: quotes doubled.
std::string QuotedPath(std::string_view path) {
    std::string quoted;
    for (const char c : path) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted;
}

std::string UnionQuery(const std::string& parts, const std::string& path,
                       const std::string& condition) {
    return "SELECT DISTINCTROW " + parts +
           "GL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber, "
           "Sum(GL_SumBudgetBalances.Amount) AS Amount, Sum(0) AS Quantity FROM "
           "GL_SummaryCodeBlock INNER JOIN GL_SumBudgetBalances ON "
           "GL_SummaryCodeBlock.RecordKey = GL_SumBudgetBalances.LinkPointer IN \"" +
           path + "\" WHERE " + condition + " GROUP BY " + parts +
           "GL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber UNION SELECT "
           "DISTINCTROW " +
           parts +
           "GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber, Sum(0) AS "
           "Amount, Sum(GL_SumBudgetQuantities.Quantity) AS Quantity FROM GL_SummaryCodeBlock "
           "INNER JOIN GL_SumBudgetQuantities ON GL_SummaryCodeBlock.RecordKey = "
           "GL_SumBudgetQuantities.LinkPointer IN \"" +
           path + "\" WHERE " + condition + " GROUP BY " + parts +
           "GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber;";
}

std::string TotalsQuery(const std::string& parts) {
    return "SELECT DISTINCTROW " + parts +
           "FiscalYear, PeriodNumber, Sum(Amount) AS SumOfAmount, Sum(Quantity) AS "
           "SumOfQuantity FROM Budget GROUP BY " +
           parts + "FiscalYear, PeriodNumber ORDER BY FiscalYear, PeriodNumber;";
}

// A new private folder in the system's temporary folder, and the scratch
// database's path inside it.
void MakeScratchFolder(ConverterState& state) {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) base = "/tmp";
    std::string folder = (base / "aapvantrel-budget-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        throw std::runtime_error("cannot create a private folder for the budget database in " +
                                 base.string() + ": " + std::strerror(errno));
    }
    state.scratchFolder = folder;
    state.scratchPath = folder + "/" + kScratchFileName;
}

}  // namespace

CallOutcome ConsolidateBudget(ConverterState& state, cdb::CdbWorkspace& workspace,
                              const CompanyInfo* company, AccountStructure* structure) {
    // A scratch database left by an unfinished budget stream goes first.
    state.DiscardScratch();

    cdb::CdbRecordset yearList;
    try {
        yearList = OpenReadOnlyQuery(
            state.companyDb,
            Format("SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > %d OR "
                   "(FiscalYear = %d AND PeriodNumber >= %d) GROUP BY FiscalYear ORDER BY "
                   "FiscalYear;",
                   state.startYear, state.startYear, state.startPeriod));
    } catch (const std::exception& error) {
        return CallOutcome::Failure(kUnableToOpenJournalEntry, error.what());
    }

    std::string condition;
    try {
        condition = BudgetCondition(state, yearList);
    } catch (const GuardedOpenFailure& failure) {
        if (state.budgetRs.IsOpen()) state.budgetRs.Close();
        return CallOutcome::Failure(failure.message, failure.what());
    }
    yearList.Close();
    if (condition.empty()) {
        // No year from the start point on has a budget: the stream ends.
        state.streamOver = true;
        return CallOutcome::Done(0);
    }

    try {
        MakeScratchFolder(state);
        state.scratchDb = workspace.CreateDatabase(state.scratchPath.c_str(), kScratchLocale, -1);
        const std::string parts = PartColumnList(structure);
        const std::string_view path = FieldText(company->companyPath);
        state.scratchDb.CreateQueryDef("Budget",
                                       UnionQuery(parts, QuotedPath(path), condition).c_str());
        try {
            state.budgetRs = OpenReadOnlyQuery(state.scratchDb, TotalsQuery(parts));
        } catch (const std::exception& error) {
            state.DiscardScratch();
            return CallOutcome::Failure(kUnableToOpenBudget, error.what());
        }
    } catch (const std::exception& error) {
        // Creating the scratch database or its stored query failed.
        state.DiscardScratch();
        state.streamOver = true;
        return CallOutcome::Failure(kUnableToBuildBudget, error.what());
    }
    state.budgetPhase = 1;
    return CallOutcome::Done(1);
}

}  // namespace aap
