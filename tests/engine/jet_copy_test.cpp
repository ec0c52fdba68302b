// jet_copy_test.cpp - Jet companies through the loader door
// (jet::JetTableLoader): tables copied on first use into a private temporary
// SQLite file, CURRENCY_E4 and OLE-date columns, the reuse rule of IN "path",
// and clean-up.  A fake loader stands in for the Jet reader: it serves the
// tables of a SQLite company as the real loader declares them (currency as
// ten-thousandths, dates as OLE numbers) and counts what it is asked.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/engine/engine_internal.h"
#include "db/engine/jet/jet_table_loader.h"
#include "db/engine/value_codec.h"
#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::DataFile;
using enginetest::ListFolder;
using enginetest::Names;
using enginetest::ReadFile;
using enginetest::Rows;
using enginetest::TempDir;
using Strings = std::vector<std::string>;

struct Counters {
    std::map<std::string, int> opens;  // by Jet file
    std::map<std::string, int> loads;  // by table
    bool failLoads = false;
};
Counters& Count() {
    static Counters c;
    return c;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

class FakeLoader : public jet::JetTableLoader {
  public:
    explicit FakeLoader(std::string source) : source_(std::move(source)) {
        sqlite3* src = OpenSource();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(src, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY 1",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            names_.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        }
        sqlite3_finalize(st);
        sqlite3_close(src);
    }
    const std::vector<std::string>& TableNames() const override { return names_; }
    void LoadTable(const std::string& name, sqlite3* db, const std::string& schema) override {
        if (Count().failLoads) throw std::runtime_error("the reader stopped");
        ++Count().loads[name];
        sqlite3* src = OpenSource();
        std::vector<std::pair<std::string, std::string>> cols;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(src, "SELECT name, type FROM pragma_table_info(?1)", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::string type = Upper(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
            if (type == "CURRENCY") type = "CURRENCY_E4";
            cols.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), type);
        }
        sqlite3_finalize(st);
        std::string q = "\"" + schema + "\".\"" + name + "\"";
        std::string create = "CREATE TABLE " + q + " (";
        std::string insert = "INSERT INTO " + q + " VALUES (";
        for (size_t i = 0; i < cols.size(); ++i) {
            create += (i ? ", \"" : "\"") + cols[i].first + "\" " + cols[i].second;
            insert += i ? ", ?" : "?";
        }
        Exec(db, "SAVEPOINT load");
        Exec(db, create + ")");
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &ins, nullptr);
        sqlite3_prepare_v2(src, ("SELECT * FROM \"" + name + "\"").c_str(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < static_cast<int>(cols.size()); ++i) {
                sqlite3_value* v = sqlite3_column_value(st, i);
                int64_t e4;
                double ole;
                if (cols[i].second == "CURRENCY_E4" && sqlite3_column_type(st, i) != SQLITE_NULL &&
                    codec::UnitsToTenThousandths(sqlite3_column_double(st, i), &e4)) {
                    sqlite3_bind_int64(ins, i + 1, e4);
                } else if (cols[i].second == "DATETIME" &&
                           sqlite3_column_type(st, i) == SQLITE_TEXT &&
                           codec::ParseIsoDate(
                               reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                               static_cast<size_t>(sqlite3_column_bytes(st, i)), &ole)) {
                    sqlite3_bind_double(ins, i + 1, ole);
                } else {
                    sqlite3_bind_value(ins, i + 1, v);
                }
            }
            if (sqlite3_step(ins) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
            sqlite3_reset(ins);
        }
        sqlite3_finalize(st);
        sqlite3_finalize(ins);
        sqlite3_close(src);
        Exec(db, "RELEASE load");
    }

  private:
    sqlite3* OpenSource() {
        sqlite3* src = nullptr;
        if (sqlite3_open_v2(source_.c_str(), &src, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            throw std::runtime_error("cannot open " + source_);
        }
        return src;
    }
    static void Exec(sqlite3* db, const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string m = err ? err : "?";
            sqlite3_free(err);
            throw std::runtime_error(m);
        }
    }
    std::string source_;
    std::vector<std::string> names_;
};

// A file that starts like a Jet 4 file and names the SQLite file it stands
// for.
void WriteFakeJet(const std::string& path, const std::string& source) {
    std::string bytes(4096, '\0');
    bytes[0] = 0;
    bytes[1] = 1;
    std::memcpy(bytes.data() + 4, "Standard Jet DB", 15);
    bytes[0x14] = 1;
    std::memcpy(bytes.data() + 64, source.data(), source.size());
    std::ofstream(path, std::ios::binary) << bytes;
}

class JetCopy : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        enginetest::DemoDb();  // built now, before TMPDIR points at a test's folder
        internal::SetJetLoaderFactoryForTesting([](const std::string& path) {
            std::string bytes = ReadFile(path);
            std::string source(bytes.c_str() + 64);
            ++Count().opens[path];
            if (source.empty()) throw std::runtime_error("the reader could not start");
            return std::unique_ptr<jet::JetTableLoader>(new FakeLoader(source));
        });
    }
    static void TearDownTestSuite() { internal::SetJetLoaderFactoryForTesting(nullptr); }

    void SetUp() override {
        Count() = Counters{};
        oldTmp_ = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", tmp_.Path().c_str(), 1);
        mdb_ = files_.File("demo company.mdb");
        WriteFakeJet(mdb_, enginetest::DemoDb());
    }
    void TearDown() override {
        if (oldTmp_.empty()) {
            ::unsetenv("TMPDIR");
        } else {
            ::setenv("TMPDIR", oldTmp_.c_str(), 1);
        }
    }
    CdbDatabase OpenJet() { return enginetest::OpenReadOnly(mdb_); }
    static CdbRecordset Open(CdbDatabase& db, const std::string& sql, int type = dbOpenDynaset) {
        return db.OpenRecordset(sql.c_str(), type, dbReadOnly, dbDefaultLock);
    }

    TempDir tmp_;    // the engine's temporary files go here
    TempDir files_;  // the Jet file and scratch databases
    std::string mdb_;
    std::string oldTmp_;
};

const char* const kQueries[] = {
    "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;",
    "SELECT * FROM [AA_AccountParts] ORDER BY IIf([PartType]='Derived',100+[PartNumber],"
    "[PartNumber]);",
    "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;",
    "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON "
    "GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;",
    "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND (FiscalYear > 1997 OR "
    "(FiscalYear = 1997 AND PeriodNumber >= 0)) ORDER BY Batch, Entry;",
    "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON "
    "(GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = "
    "GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND "
    "(GL_JournalEntry.FiscalYear > 1997 OR (GL_JournalEntry.FiscalYear = 1997 AND "
    "GL_JournalEntry.PeriodNumber >= 0)) ORDER BY GL_JournalDetail.Batch, GL_JournalDetail.Entry, "
    "GL_JournalDetail.Line, GL_JournalDetail.SubLine;",
    "SELECT * FROM [Account],[Dept] WHERE [Account].[Dept] = [Dept].[Dept] ORDER BY [Account];",
    "SELECT * FROM [Group] ORDER BY [Group];",
    "SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > 1996 OR (FiscalYear = 1996 AND "
    "PeriodNumber >= 1) GROUP BY FiscalYear ORDER BY FiscalYear;",
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetQuantities WHERE FiscalYear "
    "= 1997;",
    "SELECT Sum(Debits) AS D, Sum(Credits) AS C, Max(Debits) AS M FROM GL_SumActualBalances",
    "SELECT Fund, Sum(DebitAmount) AS D FROM GL_JournalDetail GROUP BY Fund ORDER BY Fund",
};

TEST_F(JetCopy, SameRowsAsTheSqliteCompany) {
    CdbDatabase jet = OpenJet();
    CdbDatabase lite = enginetest::OpenReadOnly(enginetest::DemoDb());
    for (const char* sql : kQueries) {
        CdbRecordset a = Open(jet, sql);
        CdbRecordset b = Open(lite, sql);
        EXPECT_EQ(Names(a), Names(b)) << sql;
        EXPECT_EQ(Rows(a), Rows(b)) << sql;
    }
    CdbRecordset t = Open(jet, "GL_ControlInformation", dbOpenTable);
    EXPECT_EQ(enginetest::Show(t.GetField("CompanyName")), "BSTR:Harrow Valley Arts Alliance");
    EXPECT_EQ(t.GetRecordCount(), 1);
    CdbRecordset sums = Open(jet, kQueries[10]);
    EXPECT_EQ(sums.GetField("D").vt, VT_CY);  // Sum of CURRENCY_E4 stays currency
}

TEST_F(JetCopy, TablesAreCopiedOnFirstUseOnly) {
    CdbDatabase db = OpenJet();
    EXPECT_EQ(Count().opens[mdb_], 1);
    EXPECT_TRUE(Count().loads.empty());
    Rows(*std::make_unique<CdbRecordset>(Open(db, "SELECT * FROM gl_controlinformation")));
    EXPECT_EQ(Count().loads, (std::map<std::string, int>{{"GL_ControlInformation", 1}}));
    Open(db, "SELECT CompanyName FROM GL_CONTROLINFORMATION");
    Open(db, "GL_ControlInformation", dbOpenTable);
    EXPECT_EQ(Count().loads["GL_ControlInformation"], 1);
    Open(db, "SELECT * FROM Account, Dept WHERE Account.Dept = Dept.Dept");
    EXPECT_EQ(Count().loads.size(), 3u);
    std::string m;
    try {
        Open(db, "SELECT * FROM GL_NoSuchTable");
    } catch (const CdbException& e) {
        m = e.what();
    }
    EXPECT_NE(m.find("'GL_NoSuchTable'"), std::string::npos) << m;
}

TEST_F(JetCopy, TheCopyIsAPrivateTemporaryFileRemovedOnClose) {
    std::string before = ReadFile(mdb_);
    CdbDatabase db = OpenJet();
    Rows(*std::make_unique<CdbRecordset>(Open(db, kQueries[5])));
    Strings temps = ListFolder(tmp_.Path());
    ASSERT_FALSE(temps.empty());
    EXPECT_EQ(temps[0].rfind("cdb-jet-", 0), 0u) << temps[0];
    EXPECT_EQ(ListFolder(files_.Path()), Strings{"demo company.mdb"});
    db.Close();
    EXPECT_EQ(ListFolder(tmp_.Path()), Strings{});
    EXPECT_TRUE(ReadFile(mdb_) == before);
}

std::string UnionSql(const std::string& path) {
    std::string p;
    for (char c : path) {
        p.push_back(c);
        if (c == '"') p.push_back('"');
    }
    const std::string cond =
        "(FiscalYear = 1997 AND BudgetNumber = 3) OR (FiscalYear = 1998 AND "
        "BudgetNumber = 2)";
    return "SELECT DISTINCTROW [Account], [Fund], GL_SumBudgetBalances.FiscalYear, "
           "GL_SumBudgetBalances.PeriodNumber, Sum(GL_SumBudgetBalances.Amount) AS Amount, Sum(0) "
           "AS Quantity FROM GL_SummaryCodeBlock INNER JOIN GL_SumBudgetBalances ON "
           "GL_SummaryCodeBlock.RecordKey = GL_SumBudgetBalances.LinkPointer IN \"" +
           p + "\" WHERE " + cond +
           " GROUP BY [Account], [Fund], GL_SumBudgetBalances.FiscalYear, "
           "GL_SumBudgetBalances.PeriodNumber UNION SELECT DISTINCTROW [Account], [Fund], "
           "GL_SumBudgetQuantities.FiscalYear, GL_SumBudgetQuantities.PeriodNumber, Sum(0) AS "
           "Amount, Sum(GL_SumBudgetQuantities.Quantity) AS Quantity FROM GL_SummaryCodeBlock "
           "INNER JOIN GL_SumBudgetQuantities ON GL_SummaryCodeBlock.RecordKey = "
           "GL_SumBudgetQuantities.LinkPointer IN \"" +
           p + "\" WHERE " + cond +
           " GROUP BY [Account], [Fund], GL_SumBudgetQuantities.FiscalYear, "
           "GL_SumBudgetQuantities.PeriodNumber;";
}

const char* kTotals =
    "SELECT DISTINCTROW [Account], [Fund], FiscalYear, PeriodNumber, Sum(Amount) AS SumOfAmount, "
    "Sum(Quantity) AS SumOfQuantity FROM Budget GROUP BY [Account], [Fund], FiscalYear, "
    "PeriodNumber ORDER BY FiscalYear, PeriodNumber;";

std::vector<Strings> SqliteTotals(const std::string& folder) {
    std::string scratch = folder + "/sqlite-test.mdb";
    CdbDBEngine engine;
    CdbDatabase s = engine.Workspaces[0].CreateDatabase(scratch.c_str(), "");
    s.CreateQueryDef("Budget", UnionSql(enginetest::DemoDb()).c_str());
    CdbRecordset rs = s.OpenRecordset(kTotals);
    auto rows = Rows(rs);
    s.Close();
    std::remove(scratch.c_str());
    return rows;
}

TEST_F(JetCopy, InPathNamingAnOpenJetDatabaseReusesItsCopy) {
    CdbDatabase company = OpenJet();
    Open(company, kQueries[4]);  // the company is in use, as in the module
    CdbDBEngine engine;
    std::string scratch = files_.File("test.mdb");
    CdbDatabase s = engine.Workspaces[0].CreateDatabase(scratch.c_str(),
                                                        ";LANGID=0x0409;CP=1252;COUNTRY=0", -1);
    s.CreateQueryDef("Budget", UnionSql(mdb_).c_str());
    CdbRecordset budget = s.OpenRecordset(kTotals, dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Count().opens[mdb_], 1);  // not read again
    EXPECT_EQ(Count().loads["GL_SumBudgetBalances"], 1);
    EXPECT_EQ(Count().loads["GL_SummaryCodeBlock"], 1);
    // While the budget recordset reads the shared copy, the company loads
    // another table into it.
    budget.MoveNext();
    CdbRecordset region = Open(company, "SELECT * FROM Region ORDER BY Region");
    EXPECT_EQ(Rows(region).size(), 3u);
    // The company finds the budget tables already copied.
    Open(company, "SELECT Count(*) FROM GL_SumBudgetQuantities");
    EXPECT_EQ(Count().loads["GL_SumBudgetQuantities"], 1);
    budget.MoveFirst();
    auto rows = Rows(budget);
    EXPECT_EQ(rows, SqliteTotals(files_.Path()));
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(Count().opens[mdb_], 1);
    s.Close();
    company.Close();
    EXPECT_EQ(ListFolder(tmp_.Path()), Strings{});
}

TEST_F(JetCopy, InPathNamingAnotherJetFileOpensItForTheQuery) {
    CdbDBEngine engine;
    std::string scratch = files_.File("test.mdb");
    CdbDatabase s = engine.Workspaces[0].CreateDatabase(scratch.c_str(), "");
    s.CreateQueryDef("Budget", UnionSql(mdb_).c_str());
    CdbRecordset budget = s.OpenRecordset(kTotals, dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Count().opens[mdb_], 1);
    EXPECT_FALSE(ListFolder(tmp_.Path()).empty());
    EXPECT_EQ(Rows(budget), SqliteTotals(files_.Path()));
    budget.Close();
    s.Close();
    EXPECT_EQ(ListFolder(tmp_.Path()), Strings{});
}

TEST_F(JetCopy, LoaderFailuresArriveAsCdbException) {
    CdbDatabase db = OpenJet();
    Count().failLoads = true;
    std::string m;
    try {
        Open(db, "SELECT * FROM Account");
    } catch (const CdbException& e) {
        m = e.what();
    }
    EXPECT_NE(m.find("Account"), std::string::npos) << m;
    EXPECT_NE(m.find("the reader stopped"), std::string::npos) << m;
    Count().failLoads = false;
    EXPECT_EQ(Rows(*std::make_unique<CdbRecordset>(Open(db, "SELECT * FROM Fund"))).size(), 4u);

    std::string broken = files_.File("broken.mdb");
    WriteFakeJet(broken, "");
    m.clear();
    try {
        enginetest::OpenReadOnly(broken);
    } catch (const CdbException& e) {
        m = e.what();
    }
    EXPECT_NE(m.find("broken.mdb"), std::string::npos) << m;
    EXPECT_NE(m.find("could not start"), std::string::npos) << m;
}

}  // namespace
