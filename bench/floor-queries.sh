#!/usr/bin/env bash
# Prints, as one SQLite script, the queries the converter module issues for a whole import
# of a company file: control and period rows, account parts and rollups, every part
# table (the Prime part joined with the Derived parts its rollups hang off), the entry
# count and entry stream, the journal lines, the opening balances, the budget years and
# maxima, and the budget totals (the union of the two budget tables grouped by account,
# year and period, as one query with a subquery). The module's Jet SQL is written in
# SQLite's dialect: iif for IIf, no DISTINCTROW, the budget tables read from the same file.
#
#   bench/floor-queries.sh COMPANY.db [START_PERIOD]      (START_PERIOD defaults to 1)
#
# Running the script with `sqlite3 COMPANY.db < script > /dev/null` is the floor the
# benchmark compares an import with: what SQLite itself needs to deliver the same rows.
set -euo pipefail

db=${1:?usage: floor-queries.sh COMPANY.db [START_PERIOD]}
start_period=${2:-1}
q() { sqlite3 -batch -noheader -list "$db" "$1"; }

year=$(q "SELECT FiscalYear FROM GL_ControlInformation LIMIT 1;")
from_start="(FiscalYear > $year OR (FiscalYear = $year AND PeriodNumber >= $start_period))"

echo "SELECT * FROM GL_ControlInformation;"
echo "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;"
echo "SELECT * FROM [AA_AccountParts] ORDER BY iif([PartType]='Derived',100+[PartNumber],[PartNumber]);"
echo "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;"

# Part tables: every part but the Prime one, and every rollup, in slot order.
prime=$(q "SELECT PartName FROM AA_AccountParts WHERE PartType = 'Prime' LIMIT 1;")
while IFS= read -r part; do
    [[ -z $part || $part == "$prime" ]] && continue
    echo "SELECT * FROM [$part] ORDER BY [$part];"
done < <(q "SELECT PartName FROM AA_AccountParts ORDER BY iif(PartType='Derived',100+PartNumber,PartNumber);
           SELECT RollupTableName FROM AA_Rollups ORDER BY AccountPartName, RollupTableName;")

# The Prime query joins each Derived part that a rollup hangs off, in rollup order.
tables="[$prime]"
condition=""
while IFS= read -r derived; do
    [[ -z $derived ]] && continue
    tables+=",[$derived]"
    condition+="${condition:+ AND }[$prime].[$derived] = [$derived].[$derived]"
done < <(q "SELECT AccountPartName FROM AA_Rollups
            WHERE AccountPartName IN (SELECT PartName FROM AA_AccountParts WHERE PartType = 'Derived')
            GROUP BY AccountPartName ORDER BY min(AccountPartName || char(1) || RollupTableName);")
echo "SELECT * FROM $tables${condition:+ WHERE $condition} ORDER BY [$prime];"

echo "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;"
# The entry total takes one pass to the end of the entry stream.
echo "SELECT count(*) FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND $from_start;"
echo "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND $from_start ORDER BY Batch, Entry;"
echo "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON (GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND (GL_JournalEntry.FiscalYear > $year OR (GL_JournalEntry.FiscalYear = $year AND GL_JournalEntry.PeriodNumber >= $start_period)) ORDER BY GL_JournalDetail.Batch, GL_JournalDetail.Entry, GL_JournalDetail.Line, GL_JournalDetail.SubLine;"

# Budget years from the start on, the highest budget number of each in either table.
echo "SELECT FiscalYear FROM GL_JournalEntry WHERE $from_start GROUP BY FiscalYear ORDER BY FiscalYear;"
budget_condition=""
while IFS= read -r budget_year; do
    [[ -z $budget_year ]] && continue
    echo "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = $budget_year;"
    echo "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetQuantities WHERE FiscalYear = $budget_year;"
    number=$(q "SELECT max(coalesce((SELECT MAX(BudgetNumber) FROM GL_SumBudgetBalances WHERE FiscalYear = $budget_year), -1),
                           coalesce((SELECT MAX(BudgetNumber) FROM GL_SumBudgetQuantities WHERE FiscalYear = $budget_year), -1));")
    if (( number >= 0 )); then
        budget_condition+="${budget_condition:+ OR }(FiscalYear = $budget_year AND BudgetNumber = $number)"
    fi
done < <(q "SELECT FiscalYear FROM GL_JournalEntry WHERE $from_start GROUP BY FiscalYear ORDER BY FiscalYear;")
[[ -z $budget_condition ]] && exit 0

columns=""
while IFS= read -r part; do
    [[ -n $part ]] && columns+="[$part], "
done < <(q "SELECT PartName FROM AA_AccountParts WHERE PartType IS NOT 'Derived'
            ORDER BY PartNumber;")
union="SELECT ${columns}GL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber, Sum(GL_SumBudgetBalances.Amount) AS Amount, Sum(0) AS Quantity FROM GL_SummaryCodeBlock INNER JOIN GL_SumBudgetBalances ON GL_SummaryCodeBlock.RecordKey = GL_SumBudgetBalances.LinkPointer WHERE $budget_condition GROUP BY ${columns}GL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber UNION SELECT ${columns}GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber, Sum(0) AS Amount, Sum(GL_SumBudgetQuantities.Quantity) AS Quantity FROM GL_SummaryCodeBlock INNER JOIN GL_SumBudgetQuantities ON GL_SummaryCodeBlock.RecordKey = GL_SumBudgetQuantities.LinkPointer WHERE $budget_condition GROUP BY ${columns}GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber"
echo "SELECT ${columns}FiscalYear, PeriodNumber, Sum(Amount) AS SumOfAmount, Sum(Quantity) AS SumOfQuantity FROM ($union) GROUP BY ${columns}FiscalYear, PeriodNumber ORDER BY FiscalYear, PeriodNumber;"
