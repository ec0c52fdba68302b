// jet_files_test.cpp - real Jet files through the real loader: the shared
// fixtures demo.mdb and types.mdb give, query for query, exactly what their
// SQLite twins give (rows, order, names and variant types), the budget union
// reads a Jet company through IN "path", and damaged Jet files fail with a
// CdbException.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::Names;
using enginetest::OpenReadOnly;
using enginetest::ReadFile;
using enginetest::Rows;
using enginetest::TempDir;

std::string Fixture(const std::string& name) {
    return std::string(ENGINE_SHARED_FIXTURES_DIR) + "/" + name;
}

bool HaveFixtures() {
    struct stat st;
    return ::stat(Fixture("demo/demo.mdb").c_str(), &st) == 0 &&
           ::stat(Fixture("types/types.mdb").c_str(), &st) == 0;
}

#define REQUIRE_FIXTURES() \
    if (!HaveFixtures())   \
    GTEST_SKIP() << "shared fixtures not found at " << ENGINE_SHARED_FIXTURES_DIR

const char* const kDemoQueries[] = {
    "SELECT * FROM GL_ControlInformation",
    "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;",
    "SELECT * FROM [AA_AccountParts] ORDER BY IIf([PartType]='Derived',100+[PartNumber],"
    "[PartNumber]);",
    "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;",
    "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON "
    "GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0 "
    "ORDER BY LinkPointer;",
    "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND (FiscalYear > 1997 OR "
    "(FiscalYear = 1997 AND PeriodNumber >= 0)) ORDER BY Batch, Entry;",
    "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON "
    "(GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = "
    "GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND "
    "(GL_JournalEntry.FiscalYear > 1997 OR (GL_JournalEntry.FiscalYear = 1997 AND "
    "GL_JournalEntry.PeriodNumber >= 0)) ORDER BY GL_JournalDetail.Batch, GL_JournalDetail.Entry, "
    "GL_JournalDetail.Line, GL_JournalDetail.SubLine;",
    "SELECT * FROM [Account] ORDER BY [Account];",
    "SELECT * FROM [Account],[Dept] WHERE [Account].[Dept] = [Dept].[Dept] ORDER BY [Account];",
    "SELECT * FROM [Fund] ORDER BY [Fund];",
    "SELECT * FROM [Dept] ORDER BY [Dept];",
    "SELECT * FROM [Region] ORDER BY [Region];",
    "SELECT * FROM [Group] ORDER BY [Group];",
    "SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > 1996 OR (FiscalYear = 1996 AND "
    "PeriodNumber >= 1) GROUP BY FiscalYear ORDER BY FiscalYear;",
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = "
    "1997;",
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetQuantities WHERE FiscalYear "
    "= 1997;",
    "SELECT Fund, Sum(DebitAmount) AS D, Sum(CreditAmount) AS C, Count(*) AS N FROM "
    "GL_JournalDetail GROUP BY Fund ORDER BY Fund",
};

TEST(JetFiles, DemoMdbGivesWhatItsSqliteTwinGives) {
    REQUIRE_FIXTURES();
    CdbDatabase jet = OpenReadOnly(Fixture("demo/demo.mdb"));
    CdbDatabase lite = OpenReadOnly(enginetest::DemoDb());
    for (const char* sql : kDemoQueries) {
        CdbRecordset a = jet.OpenRecordset(sql, dbOpenDynaset, dbReadOnly, dbDefaultLock);
        CdbRecordset b = lite.OpenRecordset(sql, dbOpenDynaset, dbReadOnly, dbDefaultLock);
        EXPECT_EQ(Names(a), Names(b)) << sql;
        auto ra = Rows(a);
        EXPECT_FALSE(ra.empty()) << sql;
        EXPECT_EQ(ra, Rows(b)) << sql;
    }
    CdbRecordset t =
        jet.OpenRecordset("GL_ControlInformation", dbOpenTable, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(t.GetRecordCount(), 1);
    EXPECT_EQ(enginetest::Show(t.GetField("FiscalYear")), "I2:1997");
}

TEST(JetFiles, TypesMdbGivesWhatItsSqliteTwinGives) {
    REQUIRE_FIXTURES();
    TempDir dir;
    std::string twin = dir.File("types.db");
    enginetest::BuildFromScript(twin, Fixture("types/types.sql"));
    CdbDatabase jet = OpenReadOnly(Fixture("types/types.mdb"));
    CdbDatabase lite = OpenReadOnly(twin);
    const char* sql = "SELECT * FROM TypeCases ORDER BY CaseId";
    CdbRecordset a = jet.OpenRecordset(sql, dbOpenDynaset, dbReadOnly, dbDefaultLock);
    CdbRecordset b = lite.OpenRecordset(sql, dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Names(a), Names(b));
    auto ra = Rows(a);
    auto rb = Rows(b);
    ASSERT_EQ(ra.size(), 21u);
    ASSERT_EQ(ra.size(), rb.size());
    for (size_t i = 0; i < ra.size(); ++i) EXPECT_EQ(ra[i], rb[i]) << "case " << i + 1;
}

TEST(JetFiles, BudgetUnionReadsAJetCompanyThroughIn) {
    REQUIRE_FIXTURES();
    TempDir dir;
    const std::string cond =
        "(FiscalYear = 1997 AND BudgetNumber = 3) OR (FiscalYear = 1998 AND "
        "BudgetNumber = 2)";
    auto unionSql = [&](const std::string& path) {
        return "SELECT DISTINCTROW [Account], [Fund], GL_SumBudgetBalances.FiscalYear, "
               "GL_SumBudgetBalances.PeriodNumber, Sum(GL_SumBudgetBalances.Amount) AS Amount, "
               "Sum(0) AS Quantity FROM GL_SummaryCodeBlock INNER JOIN GL_SumBudgetBalances ON "
               "GL_SummaryCodeBlock.RecordKey = GL_SumBudgetBalances.LinkPointer IN \"" +
               path + "\" WHERE " + cond +
               " GROUP BY [Account], [Fund], GL_SumBudgetBalances.FiscalYear, "
               "GL_SumBudgetBalances.PeriodNumber UNION SELECT DISTINCTROW [Account], [Fund], "
               "GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber, Sum(0) AS "
               "Amount, Sum(GL_SumBudgetQuantities.Quantity) AS Quantity FROM GL_SummaryCodeBlock "
               "INNER JOIN GL_SumBudgetQuantities ON GL_SummaryCodeBlock.RecordKey = "
               "GL_SumBudgetQuantities.LinkPointer IN \"" +
               path + "\" WHERE " + cond +
               " GROUP BY [Account], [Fund], GL_SumBudgetQuantities.FiscalYear, "
               "GL_SumBudgetQuantities.PeriodNumber;";
    };
    const char* totals =
        "SELECT DISTINCTROW [Account], [Fund], FiscalYear, PeriodNumber, Sum(Amount) AS "
        "SumOfAmount, Sum(Quantity) AS SumOfQuantity FROM Budget GROUP BY [Account], [Fund], "
        "FiscalYear, PeriodNumber ORDER BY FiscalYear, PeriodNumber, [Account], [Fund];";
    auto run = [&](const std::string& company, const std::string& scratch, bool openFirst) {
        CdbDBEngine engine;
        CdbDatabase companyDb;
        if (openFirst) {
            companyDb = engine.Workspaces[0].OpenDatabase(company.c_str(), false, true, nullptr);
            companyDb.OpenRecordset("SELECT * FROM GL_SummaryCodeBlock");
        }
        CdbDatabase s = engine.Workspaces[0].CreateDatabase(scratch.c_str(), "");
        s.CreateQueryDef("Budget", unionSql(company).c_str());
        CdbRecordset rs = s.OpenRecordset(totals, dbOpenDynaset, dbReadOnly, dbDefaultLock);
        return Rows(rs);
    };
    auto expected = run(enginetest::DemoDb(), dir.File("a.mdb"), false);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run(Fixture("demo/demo.mdb"), dir.File("b.mdb"), true), expected);   // reused copy
    EXPECT_EQ(run(Fixture("demo/demo.mdb"), dir.File("c.mdb"), false), expected);  // own copy
}

TEST(JetFiles, DamagedJetFilesFailWithCdbException) {
    REQUIRE_FIXTURES();
    TempDir dir;
    std::string whole = ReadFile(Fixture("demo/demo.mdb"));
    for (size_t keep : {size_t{100}, size_t{4096}, size_t{4096 * 3 + 17}, whole.size() / 2}) {
        std::string path = dir.File("cut-" + std::to_string(keep) + ".mdb");
        std::ofstream(path, std::ios::binary) << whole.substr(0, keep);
        bool threw = false;
        try {
            CdbDatabase db = OpenReadOnly(path);
            for (const char* sql : kDemoQueries) {
                CdbRecordset rs = db.OpenRecordset(sql);
                Rows(rs);
            }
        } catch (const CdbException& e) {
            threw = true;
            EXPECT_NE(std::string(e.what()).find("cut-"), std::string::npos) << e.what();
        }
        EXPECT_TRUE(threw) << keep;
    }
}

}  // namespace
