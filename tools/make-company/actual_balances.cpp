// Opening balances and period totals of a synthetic company.
#include "actual_balances.h"

#include <algorithm>
#include <map>

#include "account_chart.h"
#include "amount_draws.h"
#include "random_stream.h"

namespace {

constexpr std::uint64_t kBalancesPurpose = 3;

std::uint32_t fundOf(const CodeBlockRow& row) {
    return row.others.empty() ? 0 : row.others[0];
}

}  // namespace

ActualBalances::ActualBalances(const CompanyOptions& options, const CompanyStructure& company)
    : options_(options), company_(company), opening_(company.codeBlock.size()) {
    RandomStream random = RandomStream::forPurpose(options.seed, kBalancesPurpose);
    const auto types = accountTypes();
    std::map<std::uint32_t, std::size_t> netAssetsRow;  // per fund
    for (std::size_t r = 0; r < company.codeBlock.size(); ++r) {
        const CodeBlockRow& row = company.codeBlock[r];
        const AccountClass accountClass = types[company.accountType[row.account]].accountClass;
        if (row.account == company.netAssetsAccount) {
            netAssetsRow.emplace(fundOf(row), r);
        }
        if (!isBalanceSheet(accountClass)) {
            continue;
        }
        const bool large =
            accountClass == AccountClass::Asset || accountClass == AccountClass::Contra ||
            accountClass == AccountClass::Debt || accountClass == AccountClass::Equity;
        const Units amount = drawAmount(random, 10, large ? 2000000 : 250000);
        DebitsAndCredits& balance = opening_[r];
        (isCreditNormal(accountClass) ? balance.credits : balance.debits) = amount;
        if (random.chance(2, 100)) {  // both sides carried
            const Units both = drawAmount(random, 1, 5000);
            balance.debits += both;
            balance.credits += both;
        }
    }
    // Each fund balances through its own net-assets account.
    std::map<std::uint32_t, Units> netOfFund;
    for (std::size_t r = 0; r < company.codeBlock.size(); ++r) {
        const std::uint32_t fund = fundOf(company.codeBlock[r]);
        if (netAssetsRow.at(fund) != r) {
            netOfFund[fund] += opening_[r].debits - opening_[r].credits;
        }
    }
    for (const auto& [fund, net] : netOfFund) {
        DebitsAndCredits& netAssets = opening_[netAssetsRow.at(fund)];
        netAssets = net > 0 ? DebitsAndCredits{0, net} : DebitsAndCredits{-net, 0};
    }
}

void ActualBalances::add(const JournalEntry& entry, const std::vector<JournalLine>& lines) {
    const std::uint64_t period =
        static_cast<std::uint64_t>((entry.fiscalYear - options_.startYear) * 12 + entry.period - 1);
    for (const JournalLine& line : lines) {
        DebitsAndCredits& total =
            entry.updatesBeginningBalance
                ? opening_[line.codeBlockRow]
                : periodTotals_[period * company_.codeBlock.size() + line.codeBlockRow];
        total.debits += line.debit;
        total.credits += line.credit;
    }
}

void ActualBalances::write(SqliteFile& file, const TableDefinition& table) const {
    InsertStatement insert(file, insertSql(table));
    const auto addRow = [&](std::size_t row, int year, int period, const DebitsAndCredits& total) {
        insert.integer(company_.codeBlock[row].recordKey).integer(year).integer(period);
        bindCurrency(insert, total.debits);
        bindCurrency(insert, total.credits);
        insert.insertRow();
    };
    for (std::size_t row = 0; row < opening_.size(); ++row) {
        addRow(row, *options_.currentYear, 0, opening_[row]);
    }
    std::vector<std::uint64_t> keys;
    keys.reserve(periodTotals_.size());
    for (const auto& cell : periodTotals_) {
        keys.push_back(cell.first);
    }
    std::sort(keys.begin(), keys.end());
    const std::uint64_t rows = company_.codeBlock.size();
    for (std::uint64_t key : keys) {
        const auto period = static_cast<int>(key / rows);
        addRow(key % rows, options_.startYear + period / 12, period % 12 + 1,
               periodTotals_.at(key));
    }
}
