// Budget amounts and quantities of a synthetic company. The highest budget number of a
// year covers every account, the lower ones the revenue and expense accounts only.
// Amounts are negative for revenue, positive for expenses and 0 for balance-sheet
// accounts; quantities count service units on fee accounts and staff hours on salaries.
#include "budget_tables.h"

#include <array>
#include <cstdlib>
#include <functional>

#include "account_chart.h"
#include "amount_draws.h"
#include "random_stream.h"

namespace {

constexpr std::uint64_t kBudgetPurpose = 4;

struct BudgetPlan {
    bool planned = false;          // a revenue or expense account
    std::int64_t annualCents = 0;  // signed
    std::int64_t unitCents = 0;    // price of one unit of quantity; 0 = no quantity
    std::uint64_t zeroOdds = 0;    // below 100: some periods are budgeted at exactly 0
};

struct BudgetRow {
    std::int32_t linkPointer;
    int budgetNumber;
    int fiscalYear;
    int period;
    std::int64_t amountCents;
    std::int64_t halfUnits;  // quantity in halves
};

// Calls emit for every budget row in storage order: by year, budget number, RecordKey and
// period. The same options give the same rows on every call.
void generateBudgets(const CompanyOptions& options, const CompanyStructure& company,
                     const std::function<void(const BudgetRow&)>& emit) {
    RandomStream random = RandomStream::forPurpose(options.seed, kBudgetPurpose);
    std::array<std::int64_t, 12> season{};
    std::int64_t seasonTotal = 0;
    for (auto& weight : season) {
        weight = random.between(700, 1299);
        seasonTotal += weight;
    }
    const auto types = accountTypes();
    std::vector<BudgetPlan> plans(company.codeBlock.size());
    for (std::size_t r = 0; r < plans.size(); ++r) {
        const AccountClass c =
            types[company.accountType[company.codeBlock[r].account]].accountClass;
        if (isBalanceSheet(c)) {
            continue;
        }
        BudgetPlan& plan = plans[r];
        plan.planned = true;
        const std::int64_t annual = drawAmount(random, 1000, 500000) / kUnitsPerCurrency * 100;
        plan.annualCents = isRevenue(c) ? -annual : annual;
        if (c == AccountClass::Fees) {
            plan.unitCents = random.between(15, 400) * 100;
        } else if (c == AccountClass::Salaries) {
            plan.unitCents = random.between(9, 35) * 100;
        }
        plan.zeroOdds = random.below(1000);
    }

    for (int y = 0; y < options.budgetYears; ++y) {
        const int year = *options.currentYear + y;
        const std::int64_t growth = 1000 + 30 * y;  // per mille
        for (int number = 1; number <= options.budgets; ++number) {
            const bool highest = number == options.budgets;
            for (std::size_t r = 0; r < plans.size(); ++r) {
                const BudgetPlan& plan = plans[r];
                if (!plan.planned && !highest) {
                    continue;
                }
                const std::int64_t revise =
                    plan.planned && highest ? random.between(900, 1100) : 1000;
                for (int period = 1; period <= 12; ++period) {
                    BudgetRow row{company.codeBlock[r].recordKey, number, year, period, 0, 0};
                    const bool zero = plan.zeroOdds < 100 && random.chance(30, 100);
                    if (plan.planned && !zero) {
                        row.amountCents = plan.annualCents * growth / 1000 * revise / 1000 *
                                          season[period - 1] / seasonTotal;
                    }
                    if (plan.unitCents > 0) {
                        const std::int64_t cents = std::llabs(row.amountCents);
                        const bool halves = random.chance(10, 100);
                        row.halfUnits = halves ? cents * 2 / plan.unitCents
                                               : (cents + plan.unitCents / 2) / plan.unitCents * 2;
                    }
                    emit(row);
                }
            }
        }
    }
}

}  // namespace

void writeBudgetTable(SqliteFile& file, const TableDefinition& table, const CompanyOptions& options,
                      const CompanyStructure& company, BudgetMeasure measure) {
    InsertStatement insert(file, insertSql(table));
    generateBudgets(options, company, [&](const BudgetRow& row) {
        insert.integer(row.linkPointer)
            .integer(row.budgetNumber)
            .integer(row.fiscalYear)
            .integer(row.period);
        insert.real(measure == BudgetMeasure::Amount ? static_cast<double>(row.amountCents) / 100.0
                                                     : static_cast<double>(row.halfUnits) / 2.0);
        insert.insertRow();
    });
}
