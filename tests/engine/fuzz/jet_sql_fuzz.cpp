// jet_sql_fuzz.cpp - libFuzzer target of the Jet SQL front end.
//
// Every input is tokenized and parsed; an input that parses is also
// translated and run on a small read-only company (a few rows per table, two
// stored queries), reading up to 20 rows, when it cannot grow large: at most
// 3 tables per SELECT, 4 SELECTs, no IN clause (which would open files).
// Any outcome but a result or a CdbException is a finding: a crash, a
// sanitizer report, another exception type, or a hang.
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "db/engine/cdb.h"
#include "db/engine/cdb_exception.h"
#include "db/engine/sql_ast.h"

namespace {

const char* const kSchema = R"SQL(
CREATE TABLE GL_ControlInformation (CompanyName TEXT(40), FiscalYear SHORT,
  NumberOfPeriods SHORT, CurrentGLPeriod SHORT);
INSERT INTO GL_ControlInformation VALUES ('Fuzz Co', 1997, 12, 5);
CREATE TABLE GL_AcctPeriod (FiscalYear SHORT, PeriodNumber SHORT, BeginDate DATETIME,
  EndDate DATETIME);
INSERT INTO GL_AcctPeriod VALUES (1997, 0, '1996-07-01', '1996-07-01'),
  (1997, 1, '1996-07-01', 35277.5), (1997, 2, 'not a date', NULL);
CREATE TABLE AA_AccountParts (PartNumber SHORT, PartName TEXT(18), PartType TEXT(7),
  FieldSize SHORT, BriefHeading TEXT(12));
INSERT INTO AA_AccountParts VALUES (1, 'Account', 'Prime', 10, 'Account'),
  (2, 'Fund', 'Segment', 4, 'Fund'), (3, 'Dept', 'Derived', 70000, 'Dépt');
CREATE TABLE Account (Account TEXT(10), Description TEXT(50), BriefDescription TEXT(30),
  Status TEXT(1), AccountType SHORT, Dept TEXT(4));
INSERT INTO Account VALUES ('10100', 'Cash', 'Cash', 'A', 10, 'ADM'),
  ('40100', 'Café €', 'Gifts', 'a', 40, 'dev'), ('99950', NULL, '', 'I', NULL, NULL);
CREATE TABLE Dept (Dept TEXT(4), Description TEXT(50), BriefDescription TEXT(30),
  Status TEXT(1), Region TEXT(4));
INSERT INTO Dept VALUES ('ADM', 'Admin', 'Adm', 'A', 'MAIN'), ('DEV', 'Dev', 'Dev', 'A', 'EAST');
CREATE TABLE Fund (Fund TEXT(4), Description TEXT(50), BriefDescription TEXT(30),
  Status TEXT(1), [Group] TEXT(4));
INSERT INTO Fund VALUES ('GEN', 'General', 'Gen', 'A', 'UNR'), ('gen', 'lower', 'g', 'A', 'RES');
CREATE TABLE GL_SummaryCodeBlock (RecordKey LONG, Account TEXT(10), Fund TEXT(4));
INSERT INTO GL_SummaryCodeBlock VALUES (1, '10100', 'GEN'), (2, '40100', 'GEN');
CREATE TABLE GL_SumActualBalances (LinkPointer LONG, FiscalYear SHORT, PeriodNumber SHORT,
  Debits CURRENCY, Credits CURRENCY);
INSERT INTO GL_SumActualBalances VALUES (1, 1997, 0, 12.3456, 0), (2, 1997, 0, 0, 1e20),
  (1, 1997, 1, 'x', -0.00005);
CREATE TABLE GL_SumBudgetBalances (LinkPointer LONG, BudgetNumber SHORT, FiscalYear SHORT,
  PeriodNumber SHORT, Amount DOUBLE);
INSERT INTO GL_SumBudgetBalances VALUES (1, 1, 1997, 1, 250.5), (2, 2, 1997, 2, -80.5);
CREATE TABLE GL_JournalEntry (Batch LONG, Entry LONG, FiscalYear SHORT, PeriodNumber SHORT,
  UpdateBeginningBalance BIT, EntryDateStamp DATETIME, SourceCode TEXT(6), ApplyToYear SHORT,
  ApplyToPeriod SHORT, TransactionDate DATETIME, PrimaryReference TEXT(10), Explanation TEXT(60));
INSERT INTO GL_JournalEntry VALUES (105, 1, 1997, 5, 0, '1996-11-01 09:47:00', 'CR', 1997, 5,
  '1996-11-01', 'DEP 1', 'Gala'), (105, 2, 1997, 5, 1, NULL, 'CD', 1997, 5, 35398, NULL, NULL);
CREATE TABLE GL_JournalDetail (Batch LONG, Entry LONG, Line LONG, SubLine LONG, Account TEXT(10),
  Fund TEXT(4), Description TEXT(60), DebitAmount CURRENCY, CreditAmount CURRENCY);
INSERT INTO GL_JournalDetail VALUES (105, 1, 1, 0, '10100', 'GEN', 'Tickets', 981.25, 0),
  (105, 1, 2, 0, '40100', 'GEN', 'Tickets', 0, 981.25), (105, 2, 1, 0, '10100', 'GEN', x'00ff', 1, 1);
CREATE TABLE MSysCdbQueries (Name TEXT NOT NULL, SQL TEXT NOT NULL);
INSERT INTO MSysCdbQueries VALUES ('Q', 'SELECT Account, AccountType FROM Account WHERE AccountType > 10'),
  ('Q2', 'SELECT * FROM Q UNION SELECT Fund, 1 FROM Fund;');
)SQL";

struct Env {
    std::string dir;
    std::string path;
    cdb::CdbDatabase db;
    Env() {
        const char* base = getenv("TMPDIR");
        std::string tmpl = std::string(base && *base ? base : "/tmp") + "/jet-sql-fuzz-XXXXXX";
        if (mkdtemp(tmpl.data()) == nullptr) abort();
        dir = tmpl;
        path = dir + "/company.db";
        sqlite3* s = nullptr;
        if (sqlite3_open(path.c_str(), &s) != SQLITE_OK ||
            sqlite3_exec(s, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
            fprintf(stderr, "fuzz setup failed: %s\n", sqlite3_errmsg(s));
            abort();
        }
        sqlite3_close(s);
        cdb::CdbDBEngine engine;
        db = engine.Workspaces[0].OpenDatabase(path.c_str(), false, true, nullptr);
    }
    ~Env() {
        db.Close();
        unlink(path.c_str());
        rmdir(dir.c_str());
    }
};

Env* TheEnv() {
    static Env* env = [] {
        auto* e = new Env;
        atexit([] { delete TheEnv(); });
        return e;
    }();
    return env;
}

size_t Tables(const cdb::sql::TableRef& r) {
    if (r.kind == cdb::sql::TableRef::Kind::Table) return 1;
    return Tables(*r.left) + Tables(*r.right);
}

bool Small(const cdb::sql::Query& q) {
    if (q.cores.size() > 4) return false;
    for (const auto& c : q.cores) {
        if (c.hasIn) return false;
        size_t n = 0;
        for (const auto& r : c.from) n += Tables(*r);
        if (n > 3) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    cdb::sql::Query q;
    try {
        q = cdb::sql::Parse(text);
    } catch (const cdb::CdbException&) {
        return 0;
    }
    if (!Small(q)) return 0;
    Env* env = TheEnv();
    try {
        cdb::CdbRecordset rs = env->db.OpenRecordset(text.c_str(), cdb::dbOpenDynaset,
                                                     cdb::dbReadOnly, cdb::dbDefaultLock);
        cdb::CdbFields fields = rs.Fields();
        for (int row = 0; row < 20 && !rs.GetEOF(); ++row) {
            for (int i = 0; i < fields.GetCount(); ++i) {
                cdb::COleVariant v = fields[i].GetValue();
                (void)rs.GetField(fields[i].GetName().c_str());
            }
            rs.MoveNext();
        }
        if (rs.GetRecordCount() > 0) {
            rs.MoveLast();
            rs.MoveFirst();
        }
    } catch (const cdb::CdbException&) {
    }
    return 0;
}
