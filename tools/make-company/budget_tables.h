// The budgets of a synthetic company: GL_SumBudgetBalances and GL_SumBudgetQuantities,
// with several budget numbers (revisions) per budgeted year.
#pragma once

#include "company_options.h"
#include "company_schema.h"
#include "company_structure.h"
#include "sqlite_file.h"

// Writes one of the two budget tables. Both hold the same rows (account, budget number,
// year, period), the first with amounts, the second with quantities.
enum class BudgetMeasure { Amount, Quantity };
void writeBudgetTable(SqliteFile& file, const TableDefinition& table, const CompanyOptions& options,
                      const CompanyStructure& company, BudgetMeasure measure);
