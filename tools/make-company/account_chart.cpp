// The chart of account types of a synthetic company.
#include "account_chart.h"

#include <array>

namespace {

using enum AccountClass;

constexpr std::array<AccountType, 25> kTypes{{
    {10, 40, "Cash", "Cash", Cash},
    {11, 20, "Petty Cash", "Petty Cash", Cash},
    {12, 120, "Receivable", "Receivable", Receivable},
    {14, 40, "Inventory", "Inventory", Asset},
    {15, 40, "Prepaid Expense", "Prepaid", Asset},
    {17, 100, "Equipment and Buildings", "Equipment", Asset},
    {19, 60, "Accumulated Depreciation", "Accum Depr", Contra},
    {20, 60, "Accounts Payable", "Payable", Payable},
    {21, 60, "Accrued Expenses", "Accrued", Accrued},
    {23, 60, "Payroll Liabilities", "Payroll Liab", PayrollLiability},
    {27, 40, "Deferred Revenue", "Deferred Rev", Deferred},
    {29, 40, "Notes and Bonds Payable", "Notes Payable", Debt},
    {30, 20, "Net Assets - Unrestricted", "Net Assets", Equity},
    {35, 20, "Net Assets - Restricted", "Restricted NA", Equity},
    {39, 10, "Current Year Surplus", "Surplus", Equity},
    {40, 120, "Contributions", "Contributions", Revenue},
    {41, 160, "Grants and Contracts", "Grants", Revenue},
    {45, 160, "Program Service Fees", "Program Fees", Fees},
    {47, 60, "Sales and Rentals", "Sales", Revenue},
    {50, 200, "Salaries and Wages", "Salaries", Salaries},
    {51, 120, "Benefits and Payroll Tax", "Benefits", Benefits},
    {55, 150, "Contract Services", "Contracts", Expense},
    {57, 100, "Occupancy and Utilities", "Occupancy", Expense},
    {58, 100, "Supplies and Printing", "Supplies", Expense},
    {60, 100, "Depreciation Expense", "Depreciation", Expense},
}};

}  // namespace

std::span<const AccountType> accountTypes() {
    return kTypes;
}

bool isCreditNormal(AccountClass c) {
    switch (c) {
        case Contra:
        case Payable:
        case Accrued:
        case PayrollLiability:
        case Deferred:
        case Debt:
        case Equity:
        case Revenue:
        case Fees:
            return true;
        default:
            return false;
    }
}

bool isRevenue(AccountClass c) {
    return c == Revenue || c == Fees;
}

bool isExpense(AccountClass c) {
    return c == Salaries || c == Benefits || c == Expense;
}

bool isBalanceSheet(AccountClass c) {
    return !isRevenue(c) && !isExpense(c);
}
