// The chart of account types a synthetic company draws its accounts from, and the class of
// each type, which steers the journal generator and the signs of balances and budgets.
#pragma once

#include <span>

enum class AccountClass {
    Cash,
    Receivable,
    Asset,
    Contra,
    Payable,
    Accrued,
    PayrollLiability,
    Deferred,
    Debt,
    Equity,
    Revenue,
    Fees,
    Salaries,
    Benefits,
    Expense,
};

struct AccountType {
    int number;  // the AccountType column, also the first two digits of the code
    int weight;  // share of the accounts, out of kAccountWeightTotal
    const char* description;
    const char* brief;
    AccountClass accountClass;
};

std::span<const AccountType> accountTypes();
constexpr int kAccountWeightTotal = 2000;

bool isCreditNormal(AccountClass c);
bool isRevenue(AccountClass c);
bool isExpense(AccountClass c);
bool isBalanceSheet(AccountClass c);
