// module_queries_test.cpp - every SQL text the module issues (company load,
// account parts, budget consolidation), formatted with sample values, on the demo company built
// from demo/demo.sql: rows, order, column names and variant types. Expected rows come
// from the demo's README and from plain SQLite queries run on the same file (the oracle).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::DataFile;
using enginetest::DemoDb;
using enginetest::Names;
using enginetest::OpenReadOnly;
using enginetest::Rows;
using enginetest::Show;
using enginetest::SqliteRows;
using enginetest::TempDir;
using Strings = std::vector<std::string>;

std::string Format(const char* fmt, int a, int b, int c) {
    char buf[2048];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

// The entry and detail queries of the company load, and the year, maximum,
// union and totals queries of the budget consolidation, exactly as the module
// issues them.
const char* kEntrySql =
    "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND (FiscalYear > %d OR "
    "(FiscalYear = %d AND PeriodNumber >= %d)) ORDER BY Batch, Entry;";
const char* kDetailSql =
    "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON "
    "(GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = "
    "GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND "
    "(GL_JournalEntry.FiscalYear > %d OR (GL_JournalEntry.FiscalYear = %d AND "
    "GL_JournalEntry.PeriodNumber >= %d)) ORDER BY GL_JournalDetail.Batch, "
    "GL_JournalDetail.Entry, GL_JournalDetail.Line, GL_JournalDetail.SubLine;";
const char* kYearSql =
    "SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > %d OR (FiscalYear = %d AND "
    "PeriodNumber >= %d) GROUP BY FiscalYear ORDER BY FiscalYear;";
const char* kMaxBalancesSql =
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = "
    "%d;";
const char* kMaxQuantitiesSql =
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetQuantities WHERE FiscalYear "
    "= %d;";
const char* kUnionTemplate =
    "SELECT DISTINCTROW %sGL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber, "
    "Sum(GL_SumBudgetBalances.Amount) AS Amount, Sum(0) AS Quantity FROM GL_SummaryCodeBlock "
    "INNER JOIN GL_SumBudgetBalances ON GL_SummaryCodeBlock.RecordKey = "
    "GL_SumBudgetBalances.LinkPointer IN \"%s\" WHERE %s GROUP BY "
    "%sGL_SumBudgetBalances.FiscalYear, GL_SumBudgetBalances.PeriodNumber UNION SELECT "
    "DISTINCTROW %sGL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber, "
    "Sum(0) AS Amount, Sum(GL_SumBudgetQuantities.Quantity) AS Quantity FROM "
    "GL_SummaryCodeBlock INNER JOIN GL_SumBudgetQuantities ON GL_SummaryCodeBlock.RecordKey = "
    "GL_SumBudgetQuantities.LinkPointer IN \"%s\" WHERE %s GROUP BY "
    "%sGL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber;";
const char* kTotalsTemplate =
    "SELECT DISTINCTROW %sFiscalYear, PeriodNumber, Sum(Amount) AS SumOfAmount, Sum(Quantity) "
    "AS SumOfQuantity FROM Budget GROUP BY %sFiscalYear, PeriodNumber ORDER BY FiscalYear, "
    "PeriodNumber;";

// printf's %s for the budget templates (std::string pieces, any length).
std::string Fill(const char* tmpl, const std::vector<std::string>& args) {
    std::string out;
    size_t k = 0;
    for (const char* p = tmpl; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            out += args.at(k++);
            ++p;
        } else {
            out.push_back(*p);
        }
    }
    EXPECT_EQ(k, args.size());
    return out;
}

// A path as the module puts it between the double quotes of the IN clause:
// the union query's template quotes it; a quote inside is written twice.
std::string InPath(const std::string& path) {
    std::string s;
    for (char c : path) {
        s.push_back(c);
        if (c == '"') s.push_back('"');
    }
    return s;
}

class ModuleQueries : public ::testing::Test {
  protected:
    CdbRecordset Open(const std::string& sql, int type = dbOpenDynaset) {
        return db_.OpenRecordset(sql.c_str(), type, dbReadOnly, dbDefaultLock);
    }
    CdbDatabase db_ = OpenReadOnly(DemoDb());
};

// Types of the fields of the current row, as Show() prefixes.
Strings TypesOf(CdbRecordset& rs) {
    Strings t;
    CdbFields f = rs.Fields();
    for (int i = 0; i < f.GetCount(); ++i) {
        std::string s = Show(f[i].GetValue());
        t.push_back(s.substr(0, s.find(':')));
    }
    return t;
}

// ------------------------------------------------------------------ company load

TEST_F(ModuleQueries, ControlInformationAsTableTypeRecordset) {
    CdbRecordset rs = Open("GL_ControlInformation", dbOpenTable);
    EXPECT_EQ(Names(rs),
              (Strings{"CompanyName", "FiscalYear", "NumberOfPeriods", "CurrentGLPeriod"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_EQ(rs.GetRecordCount(), 1);
    EXPECT_EQ(Show(rs.GetField("CompanyName")), "BSTR:Harrow Valley Arts Alliance");
    EXPECT_EQ(Show(rs.GetField("FiscalYear")), "I2:1997");
    EXPECT_EQ(Show(rs.GetField("NumberOfPeriods")), "I2:12");
    EXPECT_EQ(Show(rs.GetField("CurrentGLPeriod")), "I2:5");
    rs.MoveNext();
    EXPECT_TRUE(rs.GetEOF());
}

TEST_F(ModuleQueries, TableTypeNameIsCaseInsensitiveAndMustBeATable) {
    CdbRecordset rs = Open("gl_controlinformation", dbOpenTable);
    EXPECT_FALSE(rs.GetEOF());
    EXPECT_THROW(Open("GL_NoSuchTable", dbOpenTable), CdbException);
}

TEST_F(ModuleQueries, PeriodQuery) {
    CdbRecordset rs = Open("SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;");
    EXPECT_EQ(Names(rs), (Strings{"FiscalYear", "PeriodNumber", "BeginDate", "EndDate"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_EQ(TypesOf(rs), (Strings{"I2", "I2", "DATE", "DATE"}));
    EXPECT_EQ(Show(rs.GetField("PeriodNumber")), "I2:1");
    EXPECT_EQ(rs.GetField("BeginDate").date, 35247.0);  // 1996-07-01
    auto rows = Rows(rs);
    EXPECT_EQ(rows.size(), 12u);
}

TEST_F(ModuleQueries, AccountPartsQueryOrdersDerivedPartsLast) {
    CdbRecordset rs = Open(
        "SELECT * FROM [AA_AccountParts] ORDER BY "
        "IIf([PartType]='Derived',100+[PartNumber],[PartNumber]);");
    EXPECT_EQ(Names(rs),
              (Strings{"PartNumber", "PartName", "PartType", "FieldSize", "BriefHeading"}));
    auto rows = Rows(rs);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Strings{"I2:1", "BSTR:Account", "BSTR:Prime", "I2:10", "BSTR:Account"}));
    EXPECT_EQ(rows[1], (Strings{"I2:2", "BSTR:Fund", "BSTR:Segment", "I2:4", "BSTR:Fund"}));
    EXPECT_EQ(rows[2], (Strings{"I2:3", "BSTR:Dept", "BSTR:Derived", "I2:4", "BSTR:Department"}));
}

TEST_F(ModuleQueries, RollupsQuery) {
    CdbRecordset rs = Open("SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;");
    EXPECT_EQ(Names(rs),
              (Strings{"RollupTableName", "AccountPartName", "FieldSize", "BriefHeading"}));
    auto rows = Rows(rs);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "BSTR:Region");
    EXPECT_EQ(rows[1][0], "BSTR:Group");
}

TEST_F(ModuleQueries, OpeningBalancesJoin) {
    CdbRecordset rs = Open(
        "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON "
        "GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;");
    EXPECT_EQ(Names(rs), (Strings{"LinkPointer", "FiscalYear", "PeriodNumber", "Debits", "Credits",
                                  "RecordKey", "Account", "Fund"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_EQ(TypesOf(rs), (Strings{"I4", "I2", "I2", "CY", "CY", "I4", "BSTR", "BSTR"}));
    // The oracle: the same rows by LinkPointer, currency in ten-thousandths.
    std::map<std::string, Strings> expected;
    for (auto& r : SqliteRows(DemoDb(),
                              "SELECT b.LinkPointer, CAST(round(b.Debits * 10000) AS INTEGER), "
                              "CAST(round(b.Credits * 10000) AS INTEGER), s.Account, s.Fund "
                              "FROM GL_SumActualBalances b JOIN GL_SummaryCodeBlock s ON "
                              "b.LinkPointer = s.RecordKey WHERE b.PeriodNumber = 0")) {
        expected[r[0]] = {"CY:" + r[1], "CY:" + r[2], "BSTR:" + r[3], "BSTR:" + r[4]};
    }
    EXPECT_EQ(expected.size(), 20u);
    std::map<std::string, Strings> got;
    for (auto& r : Rows(rs)) got[r[0].substr(3)] = {r[3], r[4], r[6], r[7]};
    EXPECT_EQ(got, expected);
}

TEST_F(ModuleQueries, EntriesFromFiscal1997Period5) {
    CdbRecordset rs = Open(Format(kEntrySql, 1997, 1997, 5));
    EXPECT_EQ(Names(rs),
              (Strings{"Batch", "Entry", "FiscalYear", "PeriodNumber", "UpdateBeginningBalance",
                       "EntryDateStamp", "SourceCode", "ApplyToYear", "ApplyToPeriod",
                       "TransactionDate", "PrimaryReference", "Explanation"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_GE(rs.GetRecordCount(), 1);
    EXPECT_EQ(TypesOf(rs), (Strings{"I4", "I4", "I2", "I2", "BOOL", "DATE", "BSTR", "I2", "I2",
                                    "DATE", "BSTR", "BSTR"}));
    // The entry total: MoveLast, MoveFirst, then the whole count.
    rs.MoveLast();
    rs.MoveFirst();
    EXPECT_EQ(rs.GetRecordCount(), 25);
    EXPECT_EQ(Show(rs.GetField("Batch")), "I4:105");
    EXPECT_EQ(Show(rs.GetField("Entry")), "I4:1");
    std::vector<std::pair<int, int>> keys;
    bool sawNoStamp = false;
    while (!rs.GetEOF()) {
        keys.emplace_back(rs.GetField("Batch").lVal, rs.GetField("Entry").lVal);
        EXPECT_EQ(rs.GetField("UpdateBeginningBalance").boolVal, false);
        if (keys.back() == std::make_pair(106, 3)) {
            EXPECT_EQ(Show(rs.GetField("EntryDateStamp")), "NULL");
            sawNoStamp = true;
        }
        rs.MoveNext();
    }
    EXPECT_TRUE(sawNoStamp);
    ASSERT_EQ(keys.size(), 25u);
    for (size_t i = 1; i < keys.size(); ++i) EXPECT_LT(keys[i - 1], keys[i]);
    auto oracle =
        SqliteRows(DemoDb(),
                   "SELECT Batch, Entry FROM GL_JournalEntry WHERE UpdateBeginningBalance "
                   "= 0 AND (FiscalYear > 1997 OR (FiscalYear = 1997 AND PeriodNumber >= "
                   "5)) ORDER BY Batch, Entry");
    ASSERT_EQ(oracle.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(std::to_string(keys[i].first), oracle[i][0]);
        EXPECT_EQ(std::to_string(keys[i].second), oracle[i][1]);
    }
}

TEST_F(ModuleQueries, EntriesFromPeriod0AndFromAYearWithoutEntries) {
    CdbRecordset rs = Open(Format(kEntrySql, 1997, 1997, 0));
    rs.MoveLast();
    rs.MoveFirst();
    EXPECT_EQ(rs.GetRecordCount(), 32);
    CdbRecordset none = Open(Format(kEntrySql, 2001, 2001, 1));
    EXPECT_TRUE(none.GetEOF());
    EXPECT_EQ(none.GetRecordCount(), 0);
}

TEST_F(ModuleQueries, DetailLinesInBatchEntryLineSubLineOrder) {
    for (auto [period, count] : {std::pair{5, 64}, std::pair{0, 80}}) {
        CdbRecordset rs = Open(Format(kDetailSql, 1997, 1997, period));
        // GL_JournalDetail.* over the join: plain names, not Table.Column.
        EXPECT_EQ(Names(rs), (Strings{"Batch", "Entry", "Line", "SubLine", "Account", "Fund",
                                      "Description", "DebitAmount", "CreditAmount"}));
        ASSERT_FALSE(rs.GetEOF());
        EXPECT_EQ(TypesOf(rs),
                  (Strings{"I4", "I4", "I4", "I4", "BSTR", "BSTR", "BSTR", "CY", "CY"}));
        std::vector<std::tuple<int, int, int, int>> keys;
        for (auto& r : Rows(rs)) {
            keys.emplace_back(std::stoi(r[0].substr(3)), std::stoi(r[1].substr(3)),
                              std::stoi(r[2].substr(3)), std::stoi(r[3].substr(3)));
        }
        EXPECT_EQ(static_cast<int>(keys.size()), count);
        for (size_t i = 1; i < keys.size(); ++i) EXPECT_LT(keys[i - 1], keys[i]);
        if (period == 0) {
            // 102/1 is stored out of Line order.
            std::vector<std::tuple<int, int, int, int>> e102;
            for (auto& k : keys) {
                if (std::get<0>(k) == 102 && std::get<1>(k) == 1) e102.push_back(k);
            }
            EXPECT_EQ(e102, (std::vector<std::tuple<int, int, int, int>>{
                                {102, 1, 1, 1}, {102, 1, 1, 2}, {102, 1, 2, 0}, {102, 1, 3, 0}}));
        }
    }
}

TEST_F(ModuleQueries, DetailAmountsAreExactCurrency) {
    CdbRecordset rs = Open(Format(kDetailSql, 1997, 1997, 0));
    std::map<std::string, std::pair<int64_t, int64_t>> got;
    while (!rs.GetEOF()) {
        std::string key = std::to_string(rs.GetField("Batch").lVal) + "/" +
                          std::to_string(rs.GetField("Entry").lVal) + "/" +
                          std::to_string(rs.GetField("Line").lVal) + "/" +
                          std::to_string(rs.GetField("SubLine").lVal);
        got[key] = {rs.GetField("DebitAmount").cyVal, rs.GetField("CreditAmount").cyVal};
        rs.MoveNext();
    }
    auto oracle = SqliteRows(DemoDb(),
                             "SELECT d.Batch || '/' || d.Entry || '/' || d.Line || '/' || "
                             "d.SubLine, printf('%.4f', d.DebitAmount), printf('%.4f', "
                             "d.CreditAmount) FROM GL_JournalDetail d JOIN GL_JournalEntry e ON "
                             "d.Batch = e.Batch AND d.Entry = e.Entry WHERE "
                             "e.UpdateBeginningBalance = 0 AND e.FiscalYear >= 1997");
    ASSERT_EQ(oracle.size(), got.size());
    auto e4 = [](const std::string& s) {  // "1234.5600" -> 12345600
        std::string digits;
        for (char c : s) {
            if (c != '.') digits.push_back(c);
        }
        return std::stoll(digits);
    };
    for (auto& r : oracle) {
        ASSERT_TRUE(got.count(r[0])) << r[0];
        EXPECT_EQ(got[r[0]].first, e4(r[1])) << r[0];
        EXPECT_EQ(got[r[0]].second, e4(r[2])) << r[0];
    }
}

// ------------------------------------------------------------------ account parts

TEST_F(ModuleQueries, PartTableQueries) {
    struct Case {
        const char* sql;
        Strings names;
        Strings codes;
    } cases[] = {
        {"SELECT * FROM [Fund] ORDER BY [Fund];",
         {"Fund", "Description", "BriefDescription", "Status", "Group"},
         {"BLD", "GEN", "GRT", "SCH"}},
        {"SELECT * FROM [Dept] ORDER BY [Dept];",
         {"Dept", "Description", "BriefDescription", "Status", "Region"},
         {}},
        {"SELECT * FROM [Region] ORDER BY [Region];",
         {"Region", "Description", "BriefDescription", "Status"},
         {}},
        {"SELECT * FROM [Group] ORDER BY [Group];",
         {"Group", "Description", "BriefDescription", "Status"},
         {"RES", "UNR"}},
    };
    for (auto& c : cases) {
        CdbRecordset rs = Open(c.sql);
        EXPECT_EQ(Names(rs), c.names) << c.sql;
        Strings codes;
        for (auto& r : Rows(rs)) codes.push_back(r[0].substr(5));
        auto oracle =
            SqliteRows(DemoDb(), std::string("SELECT ") + "\"" + c.names[0] + "\" FROM \"" +
                                     c.names[0] + "\" ORDER BY 1 COLLATE NOCASE");
        Strings expected;
        for (auto& r : oracle) expected.push_back(r[0]);
        EXPECT_EQ(codes, expected) << c.sql;
        if (!c.codes.empty()) {
            EXPECT_EQ(codes, c.codes) << c.sql;
        }
    }
}

TEST_F(ModuleQueries, PrimeQueryJoinedWithItsDerivedPart) {
    CdbRecordset rs = Open(
        "SELECT * FROM [Account],[Dept] WHERE [Account].[Dept] = [Dept].[Dept] ORDER BY "
        "[Account];");
    EXPECT_EQ(Names(rs),
              (Strings{"Account", "Account.Description", "Account.BriefDescription",
                       "Account.Status", "AccountType", "Account.Dept", "Dept.Dept",
                       "Dept.Description", "Dept.BriefDescription", "Dept.Status", "Region"}));
    ASSERT_FALSE(rs.GetEOF());
    // The account codes read these names on the joined rows.
    EXPECT_EQ(Show(rs.GetField("Account")), "BSTR:10100");
    EXPECT_EQ(Show(rs.GetField("Account.Description")), "BSTR:Cash - Operating Checking");
    EXPECT_EQ(Show(rs.GetField("Account.AccountType")), "I2:10");
    EXPECT_EQ(Show(rs.GetField("Account.Dept")), "BSTR:ADM");
    EXPECT_EQ(Show(rs.GetField("Region")), "BSTR:MAIN");
    EXPECT_EQ(Show(rs.GetField("Dept.Description")), "BSTR:Administration and General");
    EXPECT_EQ(Show(rs.GetField("Account.Status")), "BSTR:A");
    EXPECT_EQ(Show(rs.GetField("ACCOUNT.briefdescription")), "BSTR:Operating Cash");
    // A plain name shared by two columns finds neither.
    EXPECT_THROW(rs.GetField("Description"), CdbException);
    Strings accounts;
    for (auto& r : Rows(rs)) accounts.push_back(r[0].substr(5));
    EXPECT_EQ(accounts.size(), 31u);  // every account's Dept exists
    for (size_t i = 1; i < accounts.size(); ++i) EXPECT_LT(accounts[i - 1], accounts[i]);
}

TEST_F(ModuleQueries, PrimeQueryWithoutJoin) {
    CdbRecordset rs = Open("SELECT * FROM [Account] ORDER BY [Account];");
    EXPECT_EQ(Names(rs), (Strings{"Account", "Description", "BriefDescription", "Status",
                                  "AccountType", "Dept"}));
    std::map<std::string, std::string> types;
    for (auto& r : Rows(rs)) types[r[0].substr(5)] = r[4];
    EXPECT_EQ(types.size(), 31u);
    EXPECT_EQ(types["12100"], "I2:12");
    EXPECT_EQ(types["99900"], "I2:-3");
    EXPECT_EQ(types["90100"], "I2:0");
    EXPECT_EQ(types["99950"], "NULL");
}

TEST(ModuleQueriesTwoDerived, PrimeQueryJoinedWithTwoDerivedParts) {
    // Two Derived parts, Dept and Loc, each carrying a rollup.
    TempDir dir;
    std::string path = dir.File("two-derived.db");
    enginetest::BuildFromScript(path, std::string(ENGINE_DEMO_SQL));
    enginetest::ExecSql(path,
                        "ALTER TABLE Account ADD COLUMN Loc TEXT(4);"
                        "UPDATE Account SET Loc = CASE WHEN Account < '50000' THEN 'HQ' ELSE "
                        "'WH' END;"
                        "CREATE TABLE Loc (Loc TEXT(4), Description TEXT(50), BriefDescription "
                        "TEXT(30), Status TEXT(1), Site TEXT(4));"
                        "INSERT INTO Loc VALUES ('HQ', 'Head office', 'Head', 'A', 'S1'),"
                        "('WH', 'Warehouse', 'Store', 'A', 'S2');");
    CdbDatabase db = OpenReadOnly(path);
    CdbRecordset rs = db.OpenRecordset(
        "SELECT * FROM [Account],[Dept],[Loc] WHERE [Account].[Dept] = [Dept].[Dept] AND "
        "[Account].[Loc] = [Loc].[Loc] ORDER BY [Account];",
        dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Names(rs), (Strings{"Account", "Account.Description", "Account.BriefDescription",
                                  "Account.Status", "AccountType", "Account.Dept", "Account.Loc",
                                  "Dept.Dept", "Dept.Description", "Dept.BriefDescription",
                                  "Dept.Status", "Region", "Loc.Loc", "Loc.Description",
                                  "Loc.BriefDescription", "Loc.Status", "Site"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_EQ(Show(rs.GetField("Account.Loc")), "BSTR:HQ");
    EXPECT_EQ(Show(rs.GetField("Site")), "BSTR:S1");
    EXPECT_EQ(Show(rs.GetField("Loc.Site")), "BSTR:S1");
    EXPECT_EQ(Rows(rs).size(), 31u);
}

// ------------------------------------------------------------------ budget consolidation

TEST_F(ModuleQueries, YearList) {
    auto years = [&](int y, int p) {
        CdbRecordset rs = Open(Format(kYearSql, y, y, p));
        EXPECT_EQ(Names(rs), (Strings{"FiscalYear"}));
        Strings out;
        for (auto& r : Rows(rs)) out.push_back(r[0]);
        return out;
    };
    EXPECT_EQ(years(1997, 5), (Strings{"I2:1997", "I2:1998"}));
    EXPECT_EQ(years(1996, 11), (Strings{"I2:1996", "I2:1997", "I2:1998"}));
    EXPECT_EQ(years(1998, 4), Strings{});
    EXPECT_EQ(years(1998, 3), (Strings{"I2:1998"}));
}

TEST_F(ModuleQueries, BudgetNumberMaxima) {
    auto max = [&](const char* sql, int year) {
        CdbRecordset rs = Open(Format(sql, year, 0, 0));
        EXPECT_EQ(Names(rs), (Strings{"MaxOfBudgetNumber"}));
        EXPECT_FALSE(rs.GetEOF());  // a maximum query always has its row
        std::string v = Show(rs.GetField("MaxOfBudgetNumber"));
        rs.Close();
        return v;
    };
    EXPECT_EQ(max(kMaxBalancesSql, 1996), "I2:1");
    EXPECT_EQ(max(kMaxQuantitiesSql, 1996), "I2:1");
    EXPECT_EQ(max(kMaxBalancesSql, 1997), "I2:2");
    EXPECT_EQ(max(kMaxQuantitiesSql, 1997), "I2:3");
    EXPECT_EQ(max(kMaxBalancesSql, 1998), "I2:2");
    EXPECT_EQ(max(kMaxQuantitiesSql, 1998), "I2:2");
    EXPECT_EQ(max(kMaxBalancesSql, 2005), "NULL");  // no rows: the value is empty
}

struct BudgetKey {
    std::string account, fund;
    int year, period;
    bool operator<(const BudgetKey& o) const {
        return std::tie(account, fund, year, period) <
               std::tie(o.account, o.fund, o.year, o.period);
    }
};

// The budget totals that the union and totals queries must give, computed
// with plain SQLite.
std::map<BudgetKey, std::pair<double, double>> OracleBudget(const std::string& db,
                                                            const std::string& cond) {
    std::map<BudgetKey, std::pair<double, double>> m;
    auto rows = SqliteRows(
        db,
        "SELECT Account, Fund, FiscalYear, PeriodNumber, sum(a), sum(q) FROM ("
        "SELECT s.Account, s.Fund, b.FiscalYear, b.PeriodNumber, b.Amount AS a, 0 AS q "
        "FROM GL_SummaryCodeBlock s JOIN GL_SumBudgetBalances b ON s.RecordKey = "
        "b.LinkPointer WHERE " +
            cond +
            " UNION ALL SELECT s.Account, s.Fund, b.FiscalYear, b.PeriodNumber, 0, b.Quantity "
            "FROM GL_SummaryCodeBlock s JOIN GL_SumBudgetQuantities b ON s.RecordKey = "
            "b.LinkPointer WHERE " +
            cond + ") GROUP BY 1, 2, 3, 4");
    for (auto& r : rows) {
        m[BudgetKey{r[0], r[1], std::stoi(r[2]), std::stoi(r[3])}] = {std::stod(r[4]),
                                                                      std::stod(r[5])};
    }
    return m;
}

TEST(BudgetConsolidation, StoredUnionOverACompanyPathWithQuotesAndSpaces) {
    TempDir dir;
    // A company whose path has blanks and a double quote, which the module
    // writes twice inside the IN string.
    std::string folder = dir.File("Company \"Harrow\" files");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    std::string company = folder + "/demo company.db";
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    std::string scratch = dir.File("test.mdb");

    CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, dbUseJet);
    CdbDatabase companyDb =
        engine.Workspaces[0].OpenDatabase(company.c_str(), false, true, nullptr);
    // Step 3: the year's budget number is the higher maximum: 1997 -> 3, 1998 -> 2.
    const std::string cond =
        "(FiscalYear = 1997 AND BudgetNumber = 3) OR (FiscalYear = 1998 AND "
        "BudgetNumber = 2)";
    CdbDatabase scratchDb = engine.Workspaces[0].CreateDatabase(
        scratch.c_str(), ";LANGID=0x0409;CP=1252;COUNTRY=0", -1);
    const std::string cols = "[Account], [Fund], ";
    const std::string path = InPath(company);
    std::string unionSql = Fill(kUnionTemplate, {cols, path, cond, cols, cols, path, cond, cols});
    scratchDb.CreateQueryDef("Budget", unionSql.c_str());
    std::string totals = Fill(kTotalsTemplate, {cols, cols});
    CdbRecordset rs =
        scratchDb.OpenRecordset(totals.c_str(), dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Names(rs), (Strings{"Account", "Fund", "FiscalYear", "PeriodNumber", "SumOfAmount",
                                  "SumOfQuantity"}));
    ASSERT_FALSE(rs.GetEOF());
    EXPECT_EQ(TypesOf(rs), (Strings{"BSTR", "BSTR", "I2", "I2", "R8", "R8"}));

    auto oracle = OracleBudget(company, cond);
    std::map<BudgetKey, std::pair<double, double>> got;
    std::pair<int, int> last{0, 0};
    while (!rs.GetEOF()) {
        BudgetKey k{rs.GetField("Account").strVal, rs.GetField("Fund").strVal,
                    rs.GetField("FiscalYear").iVal, rs.GetField("PeriodNumber").iVal};
        std::pair<int, int> yp{k.year, k.period};
        EXPECT_LE(last, yp);  // ordered by fiscal year and period
        last = yp;
        EXPECT_EQ(rs.GetField("SumOfAmount").vt, VT_R8);
        EXPECT_EQ(rs.GetField("SumOfQuantity").vt, VT_R8);
        EXPECT_TRUE(got.emplace(k, std::make_pair(rs.GetField("SumOfAmount").dblVal,
                                                  rs.GetField("SumOfQuantity").dblVal))
                        .second);
        if (k.year == 1997) {  // budget 3: quantities only
            EXPECT_EQ(rs.GetField("SumOfAmount").dblVal, 0.0);
        }
        rs.MoveNext();
    }
    ASSERT_EQ(got.size(), oracle.size());
    for (auto& [k, v] : oracle) {
        ASSERT_TRUE(got.count(k)) << k.account << " " << k.fund << " " << k.year << "/" << k.period;
        EXPECT_NEAR(got[k].first, v.first, 1e-9);
        EXPECT_NEAR(got[k].second, v.second, 1e-9);
    }
    bool quantities1997 = false;
    for (auto& [k, v] : got) quantities1997 = quantities1997 || (k.year == 1997 && v.second != 0);
    EXPECT_TRUE(quantities1997);

    // The stored query outlives the database: close, reopen, select again.
    rs.Close();
    scratchDb.Close();
    CdbDatabase again = engine.Workspaces[0].OpenDatabase(scratch.c_str(), false, true, nullptr);
    CdbRecordset rs2 =
        again.OpenRecordset(totals.c_str(), dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Rows(rs2).size(), oracle.size());
    again.Close();
    companyDb.Close();
    EXPECT_EQ(::unlink(scratch.c_str()), 0);  // the module deletes it at the end
}

TEST(BudgetConsolidation, WithoutBaseParts) {
    // partCount 0: the column lists are empty; one row per year and period.
    TempDir dir;
    std::string company = dir.File("demo.db");
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    CdbDBEngine engine;
    CdbDatabase scratchDb = engine.Workspaces[0].CreateDatabase(dir.File("test.mdb").c_str(),
                                                                ";LANGID=0x0409;CP=1252;COUNTRY=0");
    const std::string cond = "(FiscalYear = 1998 AND BudgetNumber = 2)";
    scratchDb.CreateQueryDef(
        "Budget", Fill(kUnionTemplate, {"", company, cond, "", "", company, cond, ""}).c_str());
    CdbRecordset rs = scratchDb.OpenRecordset(Fill(kTotalsTemplate, {"", ""}).c_str(),
                                              dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Names(rs), (Strings{"FiscalYear", "PeriodNumber", "SumOfAmount", "SumOfQuantity"}));
    auto periods =
        SqliteRows(company,
                   "SELECT DISTINCT FiscalYear, PeriodNumber FROM (SELECT FiscalYear, "
                   "PeriodNumber FROM GL_SumBudgetBalances WHERE " +
                       cond +
                       " UNION SELECT FiscalYear, PeriodNumber FROM GL_SumBudgetQuantities "
                       "WHERE " +
                       cond + ") ORDER BY 1, 2");
    auto rows = Rows(rs);
    ASSERT_EQ(rows.size(), periods.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], "I2:" + periods[i][0]);
        EXPECT_EQ(rows[i][1], "I2:" + periods[i][1]);
    }
}

}  // namespace
