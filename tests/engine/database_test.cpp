// database_test.cpp - opening files (and refusing what is not a database),
// strictly read-only companies, scratch databases and stored queries,
// recordset movement and counts, lifetimes of databases and recordsets.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::DataFile;
using enginetest::DemoDb;
using enginetest::ListFolder;
using enginetest::Names;
using enginetest::OpenReadOnly;
using enginetest::ReadFile;
using enginetest::Rows;
using enginetest::Show;
using enginetest::TempDir;
using Strings = std::vector<std::string>;

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The message of the CdbException that `f` throws ("" when none).
template <class F>
std::string Message(F f) {
    try {
        f();
    } catch (const CdbException& e) {
        return e.what();
    }
    return "";
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

CdbRecordset Open(CdbDatabase& db, const std::string& sql, int type = dbOpenDynaset) {
    return db.OpenRecordset(sql.c_str(), type, dbReadOnly, dbDefaultLock);
}

// Every query of the module on a company (load, parts, budget), read through.
const char* const kSession[] = {
    "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;",
    "SELECT * FROM [AA_AccountParts] ORDER BY IIf([PartType]='Derived',100+[PartNumber],"
    "[PartNumber]);",
    "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;",
    "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON "
    "GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;",
    "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND (FiscalYear > 1997 OR "
    "(FiscalYear = 1997 AND PeriodNumber >= 5)) ORDER BY Batch, Entry;",
    "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON "
    "(GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = "
    "GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND "
    "(GL_JournalEntry.FiscalYear > 1997 OR (GL_JournalEntry.FiscalYear = 1997 AND "
    "GL_JournalEntry.PeriodNumber >= 5)) ORDER BY GL_JournalDetail.Batch, GL_JournalDetail.Entry, "
    "GL_JournalDetail.Line, GL_JournalDetail.SubLine;",
    "SELECT * FROM [Fund] ORDER BY [Fund];",
    "SELECT * FROM [Dept] ORDER BY [Dept];",
    "SELECT * FROM [Region] ORDER BY [Region];",
    "SELECT * FROM [Group] ORDER BY [Group];",
    "SELECT * FROM [Account],[Dept] WHERE [Account].[Dept] = [Dept].[Dept] ORDER BY [Account];",
    "SELECT FiscalYear FROM GL_JournalEntry WHERE FiscalYear > 1997 OR (FiscalYear = 1997 AND "
    "PeriodNumber >= 5) GROUP BY FiscalYear ORDER BY FiscalYear;",
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetBalances WHERE FiscalYear = "
    "1997;",
    "SELECT MAX(BudgetNumber) AS MaxOfBudgetNumber FROM GL_SumBudgetQuantities WHERE FiscalYear "
    "= 1997;",
};

// ------------------------------------------------------------------ refused files

class RefusedFiles : public ::testing::Test {
  protected:
    std::string OpenMessage(const std::string& path) {
        return Message([&] { OpenReadOnly(path); });
    }
    TempDir dir_;
};

TEST_F(RefusedFiles, MissingFile) {
    std::string m = OpenMessage(dir_.File("nothing here.mdb"));
    EXPECT_TRUE(Has(m, "nothing here.mdb")) << m;
    EXPECT_TRUE(Has(m, "does not exist")) << m;
}

TEST_F(RefusedFiles, Folder) {
    std::string m = OpenMessage(dir_.Path());
    EXPECT_TRUE(Has(m, "folder")) << m;
}

TEST_F(RefusedFiles, EmptyFile) {
    WriteFile(dir_.File("empty.mdb"), "");
    EXPECT_TRUE(Has(OpenMessage(dir_.File("empty.mdb")), "empty"));
}

TEST_F(RefusedFiles, TextFile) {
    WriteFile(dir_.File("notes.txt"), "This is not a database.\n");
    std::string m = OpenMessage(dir_.File("notes.txt"));
    EXPECT_TRUE(Has(m, "neither a SQLite nor a Jet")) << m;
    EXPECT_TRUE(Has(m, "notes.txt")) << m;
}

TEST_F(RefusedFiles, TruncatedSqliteFiles) {
    std::string whole = ReadFile(DemoDb());
    for (size_t keep :
         {size_t{20}, size_t{99}, size_t{100}, size_t{4096}, whole.size() / 2, whole.size() - 1}) {
        std::string path = dir_.File("cut-" + std::to_string(keep) + ".db");
        WriteFile(path, whole.substr(0, keep));
        std::string m = OpenMessage(path);
        EXPECT_TRUE(Has(m, "truncated")) << keep << ": " << m;
    }
}

TEST_F(RefusedFiles, DamagedSqliteHeader) {
    std::string bytes = ReadFile(DemoDb());
    bytes[16] = 0x03;  // page size 0x0310: not a power of two
    bytes[17] = 0x10;
    WriteFile(dir_.File("header.db"), bytes);
    EXPECT_TRUE(Has(OpenMessage(dir_.File("header.db")), "damaged"));
    std::string zeros(8192, '\0');
    std::memcpy(zeros.data(), "SQLite format 3", 16);
    WriteFile(dir_.File("zeros.db"), zeros);
    EXPECT_FALSE(OpenMessage(dir_.File("zeros.db")).empty());
}

TEST_F(RefusedFiles, JetSignatureWithoutAJetFile) {
    std::string bytes(100, 'x');
    std::memcpy(bytes.data() + 4, "Standard Jet DB", 15);
    WriteFile(dir_.File("fake.mdb"), bytes);
    EXPECT_FALSE(OpenMessage(dir_.File("fake.mdb")).empty());
}

TEST_F(RefusedFiles, NoName) {
    CdbDBEngine engine;
    EXPECT_THROW(engine.Workspaces[0].OpenDatabase(nullptr, false, true, nullptr), CdbException);
    EXPECT_THROW(engine.Workspaces[0].OpenDatabase("", false, true, nullptr), CdbException);
    EXPECT_THROW(engine.Workspaces[0].CreateDatabase(nullptr, ""), CdbException);
}

TEST_F(RefusedFiles, DamagedPagesFailCleanly) {
    // Bytes changed inside the tables: every query either works or throws
    // CdbException; nothing crashes.
    std::string whole = ReadFile(DemoDb());
    std::mt19937 rng(1997);
    for (int round = 0; round < 40; ++round) {
        std::string bytes = whole;
        for (int k = 0; k < 30; ++k) {
            size_t at = 100 + rng() % (bytes.size() - 100);
            bytes[at] = static_cast<char>(rng());
        }
        std::string path = dir_.File("damaged-" + std::to_string(round) + ".db");
        WriteFile(path, bytes);
        try {
            CdbDatabase db = OpenReadOnly(path);
            for (const char* sql : kSession) {
                try {
                    CdbRecordset rs = Open(db, sql);
                    Rows(rs);
                } catch (const CdbException&) {
                }
            }
        } catch (const CdbException&) {
        }
    }
}

TEST_F(RefusedFiles, BadFilesNamedByIn) {
    WriteFile(dir_.File("notes.txt"), "not a database");
    CdbDatabase db = OpenReadOnly(DemoDb());
    for (const std::string& path : {dir_.File("missing.db"), dir_.Path(), dir_.File("notes.txt")}) {
        std::string m =
            Message([&] { Open(db, "SELECT * FROM GL_JournalEntry IN \"" + path + "\""); });
        EXPECT_TRUE(Has(m, "IN clause at position 31")) << m;
        EXPECT_TRUE(Has(m, path)) << m;
    }
    // The database itself stays usable.
    CdbRecordset rs = Open(db, "SELECT * FROM GL_ControlInformation");
    EXPECT_FALSE(rs.GetEOF());
}

TEST(UnknownNames, TablesAndColumnsAreNamed) {
    CdbDatabase db = OpenReadOnly(DemoDb());
    std::string m = Message([&] { Open(db, "SELECT * FROM GL_Nothing"); });
    EXPECT_TRUE(Has(m, "'GL_Nothing'")) << m;
    EXPECT_TRUE(Has(m, "position 15")) << m;
    m = Message([&] { Open(db, "SELECT Nope FROM GL_JournalEntry"); });
    EXPECT_TRUE(Has(m, "'Nope'")) << m;
    EXPECT_TRUE(Has(m, "position 8")) << m;
    m = Message([&] { Open(db, "SELECT GL_JournalEntry.Nope FROM GL_JournalEntry"); });
    EXPECT_TRUE(Has(m, "no column 'Nope'")) << m;
    m = Message([&] { Open(db, "SELECT X.Batch FROM GL_JournalEntry"); });
    EXPECT_TRUE(Has(m, "'X'")) << m;
    m = Message([&] { Open(db, "SELECT Batch FROM GL_JournalEntry, GL_JournalDetail"); });
    EXPECT_TRUE(Has(m, "GL_JournalEntry.Batch")) << m;  // ambiguous: says how to qualify
    m = Message([&] { Open(db, "SELECT * FROM Account, Account"); });
    EXPECT_TRUE(Has(m, "twice")) << m;
    EXPECT_THROW(Open(db, "SELECT * FROM T", 3), CdbException);  // unknown recordset type
    EXPECT_THROW(db.OpenRecordset(nullptr), CdbException);
}

// ------------------------------------------------------------------ read-only

struct Snapshot {
    Strings listing;
    std::string bytes;
    struct stat st {};
};

Snapshot Take(const std::string& folder, const std::string& file) {
    Snapshot s;
    s.listing = ListFolder(folder);
    s.bytes = ReadFile(file);
    ::stat(file.c_str(), &s.st);
    return s;
}

void RunSession(const std::string& company, const std::string& scratchFolder) {
    CdbDBEngine engine;
    CdbDatabase db = engine.Workspaces[0].OpenDatabase(company.c_str(), false, true, nullptr);
    std::vector<CdbRecordset> open;
    for (const char* sql : kSession) open.push_back(Open(db, sql));
    CdbRecordset table = Open(db, "GL_ControlInformation", dbOpenTable);
    open[4].MoveLast();
    open[4].MoveFirst();
    for (auto& rs : open) Rows(rs);
    // The budget union reads the company through IN "path" from a scratch
    // database elsewhere.
    std::string scratch = scratchFolder + "/test.mdb";
    CdbDatabase s = engine.Workspaces[0].CreateDatabase(scratch.c_str(), "");
    s.CreateQueryDef("Budget",
                     ("SELECT DISTINCTROW [Account], GL_SumBudgetBalances.FiscalYear, "
                      "Sum(GL_SumBudgetBalances.Amount) AS Amount FROM GL_SummaryCodeBlock INNER "
                      "JOIN GL_SumBudgetBalances ON GL_SummaryCodeBlock.RecordKey = "
                      "GL_SumBudgetBalances.LinkPointer IN \"" +
                      company +
                      "\" WHERE BudgetNumber = 1 GROUP BY [Account], "
                      "GL_SumBudgetBalances.FiscalYear")
                         .c_str());
    CdbRecordset b = Open(s,
                          "SELECT FiscalYear, Sum(Amount) AS T FROM Budget GROUP BY FiscalYear "
                          "ORDER BY FiscalYear DESC");
    EXPECT_FALSE(Rows(b).empty());
    s.Close();
    ::unlink(scratch.c_str());
    db.Close();
}

TEST(ReadOnly, NoByteOfTheCompanyAndNoFileBesideItChanges) {
    TempDir companyDir, scratchDir;
    std::string company = companyDir.File("company.db");
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    Snapshot before = Take(companyDir.Path(), company);
    RunSession(company, scratchDir.Path());
    Snapshot after = Take(companyDir.Path(), company);
    EXPECT_EQ(after.listing, before.listing);
    EXPECT_TRUE(after.bytes == before.bytes);
    EXPECT_EQ(after.st.st_mtim.tv_sec, before.st.st_mtim.tv_sec);
    EXPECT_EQ(after.st.st_mtim.tv_nsec, before.st.st_mtim.tv_nsec);
}

TEST(ReadOnly, AWalModeCompanyGetsNoWalOrShmFile) {
    TempDir companyDir, scratchDir;
    std::string company = companyDir.File("wal company.db");
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    enginetest::ExecSql(company, "PRAGMA journal_mode=WAL;");  // checkpointed at close
    Snapshot before = Take(companyDir.Path(), company);
    EXPECT_EQ(before.listing, Strings{"wal company.db"});
    RunSession(company, scratchDir.Path());
    Snapshot after = Take(companyDir.Path(), company);
    EXPECT_EQ(after.listing, before.listing);
    EXPECT_TRUE(after.bytes == before.bytes);
}

TEST(ReadOnly, ACompanyWithPendingWalIsRefused) {
    TempDir dir;
    std::string company = dir.File("pending.db");
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(company.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; "
                           "UPDATE GL_ControlInformation SET CurrentGLPeriod = 6;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::string m = Message([&] { OpenReadOnly(company); });
    EXPECT_TRUE(Has(m, "pending.db-wal")) << m;
    EXPECT_TRUE(Has(m, "heckpoint")) << m;
    CdbDatabase other = OpenReadOnly(DemoDb());
    m = Message([&] { Open(other, "SELECT * FROM GL_ControlInformation IN '" + company + "'"); });
    EXPECT_TRUE(Has(m, "heckpoint")) << m;
    sqlite3_close(writer);  // checkpoints: now it opens, with the change
    CdbDatabase db = OpenReadOnly(company);
    CdbRecordset rs = Open(db, "GL_ControlInformation", dbOpenTable);
    EXPECT_EQ(Show(rs.GetField("CurrentGLPeriod")), "I2:6");
}

TEST(ReadOnly, ACompanyWithAHotJournalIsRefused) {
    TempDir dir;
    std::string company = dir.File("hot.db");
    enginetest::BuildFromScript(company, std::string(ENGINE_DEMO_SQL));
    // A journal as a writer leaves it when it stops in the middle of a change.
    std::string journal(512, '\0');
    const unsigned char magic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    std::memcpy(journal.data(), magic, 8);
    WriteFile(company + "-journal", journal);
    std::string m = Message([&] { OpenReadOnly(company); });
    EXPECT_TRUE(Has(m, "hot.db-journal")) << m;
    // A journal that is not hot (zeroed header, as journal_mode=PERSIST
    // leaves it) is no obstacle.
    WriteFile(company + "-journal", std::string(512, '\0'));
    EXPECT_NO_THROW(OpenReadOnly(company));
}

TEST(ReadOnly, StoredQueriesNeedAWritableDatabase) {
    CdbDatabase db = OpenReadOnly(DemoDb());
    std::string m = Message([&] { db.CreateQueryDef("Q", "SELECT * FROM Account"); });
    EXPECT_TRUE(Has(m, "read-only")) << m;
}

// ------------------------------------------------------------------ scratch databases

TEST(Scratch, CreateDatabaseIsExclusive) {
    TempDir dir;
    std::string path = dir.File("test.mdb");
    CdbDBEngine engine;
    CdbDatabase db =
        engine.Workspaces[0].CreateDatabase(path.c_str(), ";LANGID=0x0409;CP=1252;COUNTRY=0", -1);
    EXPECT_TRUE(db.IsOpen());
    std::string m = Message([&] { engine.Workspaces[0].CreateDatabase(path.c_str(), ""); });
    EXPECT_TRUE(Has(m, "already exists")) << m;
    db.Close();
    m = Message([&] { engine.Workspaces[0].CreateDatabase(path.c_str(), ""); });
    EXPECT_TRUE(Has(m, "already exists")) << m;
    m = Message(
        [&] { engine.Workspaces[0].CreateDatabase(dir.File("no folder/test.mdb").c_str(), ""); });
    EXPECT_FALSE(m.empty());
    // A new database can be opened again (it is a SQLite file from the start).
    CdbDatabase again = engine.Workspaces[0].OpenDatabase(path.c_str(), false, true, nullptr);
    EXPECT_TRUE(again.IsOpen());
}

TEST(Scratch, StoredQueries) {
    TempDir dir;
    std::string path = dir.File("scratch.mdb");
    CdbDBEngine engine;
    CdbDatabase db = engine.Workspaces[0].CreateDatabase(path.c_str(), "");
    std::string in = " IN \"" + DemoDb() + "\"";
    CdbQueryDef q = db.CreateQueryDef("Accounts", ("SELECT Account, AccountType AS Kind FROM "
                                                   "Account" +
                                                   in + " WHERE AccountType >= 50")
                                                      .c_str());
    EXPECT_EQ(q.GetName(), "Accounts");
    // A query over a query, names compared without regard to case.
    db.CreateQueryDef("Expenses", "SELECT Kind, Count(*) AS N FROM accounts GROUP BY Kind");
    CdbRecordset rs = Open(db, "SELECT * FROM EXPENSES ORDER BY Kind");
    EXPECT_EQ(Names(rs), (Strings{"Kind", "N"}));
    auto rows = Rows(rs);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (Strings{"I2:50", "I4:1"}));
    // Names already taken, bad SQL, a query that refers to itself.
    EXPECT_TRUE(
        Has(Message([&] { db.CreateQueryDef("ACCOUNTS", "SELECT 1 FROM x"); }), "already exists"));
    std::string m = Message([&] { db.CreateQueryDef("Bad", "SELECT FROM Account"); });
    EXPECT_TRUE(Has(m, "position 8")) << m;
    db.CreateQueryDef("Loop", "SELECT * FROM Loop");
    m = Message([&] { Open(db, "SELECT * FROM Loop"); });
    EXPECT_TRUE(Has(m, "refers to itself")) << m;
    db.CreateQueryDef("Broken", "SELECT Nope FROM Accounts");
    m = Message([&] { Open(db, "SELECT * FROM Broken"); });
    EXPECT_TRUE(Has(m, "'Nope'")) << m;
    EXPECT_TRUE(Has(m, "stored query 'Broken'")) << m;
    EXPECT_THROW(Open(db, "Accounts", dbOpenTable), CdbException);
    db.Close();
    // After closing and opening again, read-only.
    CdbDatabase again = engine.Workspaces[0].OpenDatabase(path.c_str(), false, true, nullptr);
    CdbRecordset rs2 = Open(again, "SELECT Sum(N) AS Total FROM Expenses");
    EXPECT_EQ(Show(rs2.GetField("Total")), "I4:7");  // AccountType 50 51 55 55 57 58 60
}

// ------------------------------------------------------------------ movement

class Movement : public ::testing::Test {
  protected:
    CdbDatabase db_ = OpenReadOnly(DemoDb());
};

TEST_F(Movement, CountsAndMoves) {
    CdbRecordset rs = Open(db_, "SELECT Fund FROM Fund ORDER BY Fund");
    EXPECT_EQ(rs.GetRecordCount(), 1);
    rs.MoveNext();
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MoveLast();
    EXPECT_EQ(rs.GetRecordCount(), 4);
    EXPECT_EQ(Show(rs.GetField("Fund")), "BSTR:SCH");
    rs.MoveLast();  // again: stays
    EXPECT_EQ(Show(rs.GetField("Fund")), "BSTR:SCH");
    rs.MoveFirst();
    EXPECT_EQ(Show(rs.GetField("Fund")), "BSTR:BLD");
    EXPECT_EQ(rs.GetRecordCount(), 4);
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_THROW(rs.MoveNext(), CdbException);
    EXPECT_THROW(rs.GetField("Fund"), CdbException);
    rs.MoveLast();  // from the end: the last row again
    EXPECT_EQ(Show(rs.GetField("Fund")), "BSTR:SCH");
    rs.MoveFirst();
    EXPECT_EQ(Rows(rs).size(), 4u);
}

TEST_F(Movement, EmptyRecordset) {
    CdbRecordset rs = Open(db_, "SELECT * FROM Fund WHERE Fund = 'none'");
    EXPECT_TRUE(rs.GetEOF());
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_THROW(rs.MoveNext(), CdbException);
    EXPECT_THROW(rs.MoveLast(), CdbException);
    EXPECT_THROW(rs.MoveFirst(), CdbException);
    EXPECT_EQ(Names(rs), (Strings{"Fund", "Description", "BriefDescription", "Status", "Group"}));
}

TEST_F(Movement, ManyRecordsetsInterleaved) {
    std::vector<CdbRecordset> all;
    for (int i = 0; i < 40; ++i)
        all.push_back(Open(db_, "SELECT Account FROM Account ORDER BY Account"));
    for (int step = 0; step < 31; ++step) {
        std::string expected = Show(all[0].GetField("Account"));
        for (auto& rs : all) {
            EXPECT_EQ(Show(rs.GetField("Account")), expected);
            rs.MoveNext();
        }
    }
    for (auto& rs : all) EXPECT_TRUE(rs.GetEOF());
}

// ------------------------------------------------------------------ lifetimes

TEST(Lifetime, ClosingADatabaseClosesItsRecordsets) {
    CdbDatabase db = OpenReadOnly(DemoDb());
    CdbRecordset rs = Open(db, "SELECT * FROM Account");
    CdbRecordset copy = rs;
    CdbField field = rs.Fields()["Account"];
    EXPECT_EQ(field.GetValue().vt, VT_BSTR);
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_FALSE(copy.IsOpen());
    EXPECT_THROW(rs.GetEOF(), CdbException);
    EXPECT_THROW(rs.MoveNext(), CdbException);
    EXPECT_THROW(copy.GetField("Account"), CdbException);
    EXPECT_THROW(field.GetValue(), CdbException);
    EXPECT_THROW(rs.Fields(), CdbException);
    EXPECT_THROW(rs.GetRecordCount(), CdbException);
    EXPECT_THROW(Open(db, "SELECT * FROM Account"), CdbException);
    EXPECT_NO_THROW(db.Close());
}

TEST(Lifetime, ClosedRecordsetThrows) {
    CdbDatabase db = OpenReadOnly(DemoDb());
    CdbRecordset rs = Open(db, "SELECT * FROM Account");
    rs.Close();
    EXPECT_THROW(rs.GetEOF(), CdbException);
    EXPECT_THROW(rs.MoveFirst(), CdbException);
    EXPECT_NO_THROW(rs.Close());
    CdbRecordset empty;
    EXPECT_FALSE(empty.IsOpen());
    EXPECT_THROW(empty.GetEOF(), CdbException);
    EXPECT_THROW(empty.Close(), CdbException);
    CdbDatabase none;
    EXPECT_FALSE(none.IsOpen());
    EXPECT_THROW(none.OpenRecordset("SELECT 1 FROM x"), CdbException);
}

TEST(Lifetime, RecordsetsOutliveTheirHandlesAndTheEngine) {
    CdbRecordset rs;
    {
        CdbDatabase db;
        {
            CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, dbUseJet);
            db = engine.Workspaces[0].OpenDatabase(DemoDb().c_str(), false, true, nullptr);
        }
        rs = Open(db, "SELECT Fund FROM Fund ORDER BY Fund");
    }
    // The database handle is gone; the recordset keeps the database open.
    EXPECT_EQ(Rows(rs).size(), 4u);
    // Assigning over a handle lets go of what it held.
    rs = CdbRecordset();
    EXPECT_FALSE(rs.IsOpen());
}

TEST(Lifetime, EngineArguments) {
    EXPECT_THROW(CdbDBEngine(false, true, nullptr, nullptr, nullptr, 1), CdbException);
    CdbDBEngine engine;
    EXPECT_THROW(engine.Workspaces[1], CdbException);
    EXPECT_NO_THROW(engine.Workspaces.Item(0));
}

}  // namespace
