#include <gtest/gtest.h>
#include <iostream>
#include "engine_test_util.h"
using namespace enginetest;
using namespace cdb;
static void Dump(CdbDatabase& db, const char* sql, int type = dbOpenDynaset) {
    try {
        CdbRecordset rs = db.OpenRecordset(sql, type, dbReadOnly, dbDefaultLock);
        for (auto& n : Names(rs)) std::cout << n << " | ";
        std::cout << "\n";
        int k = 0;
        for (auto& r : Rows(rs)) {
            if (k++ > 6) { std::cout << "...\n"; break; }
            for (auto& v : r) std::cout << v << " | ";
            std::cout << "\n";
        }
    } catch (const CdbException& e) {
        std::cout << "EXC: " << e.what() << "\n";
    }
}
TEST(Smoke, Dump) {
    CdbDatabase db = OpenReadOnly(DemoDb());
    Dump(db, "GL_ControlInformation", dbOpenTable);
    Dump(db, "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;");
    Dump(db, "SELECT * FROM [AA_AccountParts] ORDER BY IIf([PartType]='Derived',100+[PartNumber],[PartNumber]);");
    Dump(db, "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;");
    Dump(db, "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;");
    Dump(db, "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND (FiscalYear > 1997 OR (FiscalYear = 1997 AND PeriodNumber >= 5)) ORDER BY Batch, Entry;");
    Dump(db, "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON (GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND (GL_JournalEntry.FiscalYear > 1997 OR (GL_JournalEntry.FiscalYear = 1997 AND GL_JournalEntry.PeriodNumber >= 5)) ORDER BY GL_JournalDetail.Batch, GL_JournalDetail.Entry, GL_JournalDetail.Line, GL_JournalDetail.SubLine;");
    Dump(db, "SELECT * FROM [Account],[Dept] WHERE [Account].[Dept] = [Dept].[Dept] ORDER BY [Account];");
    Dump(db, "SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > 1997 OR (FiscalYear = 1997 AND PeriodNumber >= 5) GROUP BY FiscalYear ORDER BY FiscalYear;");
    Dump(db, "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = 1997;");
    Dump(db, "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = 2001;");
}
