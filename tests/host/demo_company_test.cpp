// demo_company_test.cpp - aap-import end to end on the bundled demo company,
// through the real module loaded with dlopen: the whole output compared with
// files checked by hand against demo/demo.sql, two runs byte for byte, and the
// files that must be refused (not a database, missing, 13 periods).
//
// The expected files live in tests/host/expected/.  After a deliberate change
// of the output, run with AAP_UPDATE_EXPECTED=1 to rewrite them, and check
// the difference by hand before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"

namespace aap::host::test {
namespace {

namespace fs = std::filesystem;

const fs::path kImport = AAP_IMPORT_PATH;
const fs::path kDemoDb = AAP_DEMO_DB_PATH;
const fs::path kDemoSql = AAP_DEMO_SQL_PATH;
const fs::path kDemoJet = AAP_DEMO_JET_PATH;
const fs::path kSqlToSqlite = AAP_SQL_TO_SQLITE_PATH;
const fs::path kExpected = AAP_EXPECTED_DIR;
const fs::path kBuiltModule = AAP_BUILT_AAPVANTREL;
const fs::path kBuiltJetReader = AAP_BUILT_AAP_JET_READER;
const char* const kCsvFiles[] = {"company.csv", "parts.csv", "codes.csv", "entries.csv",
                                 "lines.csv"};

class DemoCompany : public testing::Test {
  protected:
    void SetUp() override {
        // aap-import finds the module beside itself, as a user's run does.
        if (kBuiltModule.empty() || !fs::exists(kBuiltModule)) {
            GTEST_SKIP() << "the module is not built";
        }
        folder_ = fresh_folder(std::string("demo/") +
                               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::copy_file(kDemoDb, folder_ / "demo.db");
    }

    ProgramResult import(const std::vector<std::string>& arguments) {
        return run_program(kImport, arguments, folder_);
    }

    // Compares `actual` with an expected file, or rewrites it in update mode.
    static void expect_file(const fs::path& expected, const std::string& actual) {
        if (std::getenv("AAP_UPDATE_EXPECTED") != nullptr) {
            fs::create_directories(expected.parent_path());
            write_file(expected, actual);
            return;
        }
        EXPECT_EQ(actual, read_file(expected)) << "differs from " << expected;
    }

    fs::path folder_;
};

TEST_F(DemoCompany, CsvFromPeriodFiveMatchesTheCheckedFiles) {
    const ProgramResult run = import({"--start-period", "5", "--output", "out", "demo.db"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* name : kCsvFiles) {
        expect_file(kExpected / "demo-period5" / name, read_file(folder_ / "out" / name));
    }
    expect_file(kExpected / "demo-period5" / "summary.txt", run.out);

    // A second run writes the same bytes.
    const ProgramResult again = import({"--start-period", "5", "--output", "again", "demo.db"});
    ASSERT_EQ(again.exit_status, 0) << again.err;
    for (const char* name : kCsvFiles) {
        EXPECT_EQ(read_file(folder_ / "again" / name), read_file(folder_ / "out" / name)) << name;
    }
}

TEST_F(DemoCompany, JsonLinesFromPeriodZeroMatchesTheCheckedFile) {
    const ProgramResult run =
        import({"--format", "jsonl", "--start-period", "0", "--output", "demo.jsonl", "demo.db"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    expect_file(kExpected / "demo-period0.jsonl", read_file(folder_ / "demo.jsonl"));
    expect_file(kExpected / "demo-period0-summary.txt", run.out);

    // Standard output carries the same objects; the summary moves to stderr.
    const ProgramResult piped = import({"--format", "jsonl", "--start-period", "0", "demo.db"});
    ASSERT_EQ(piped.exit_status, 0) << piped.err;
    EXPECT_EQ(piped.out, read_file(folder_ / "demo.jsonl"));
    EXPECT_NE(piped.err.find("Journal: 32 entries, 80 lines"), std::string::npos) << piped.err;
}

TEST_F(DemoCompany, JetTwinImportsTheSame) {
    // The module reads a Jet file through its reader program, which it finds
    // beside itself: the build tree must be laid out as an installation is.
    if (kBuiltJetReader.empty() || !fs::exists(kBuiltJetReader)) {
        GTEST_SKIP() << "the Jet reader is not built";
    }
    fs::copy_file(kDemoJet, folder_ / "demo.mdb");
    const ProgramResult run = import({"--start-period", "5", "--output", "out", "demo.mdb"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    for (const char* name : kCsvFiles) {
        if (std::string(name) == "company.csv") continue;  // names the file
        EXPECT_EQ(read_file(folder_ / "out" / name), read_file(kExpected / "demo-period5" / name))
            << name;
    }
}

TEST_F(DemoCompany, InstalledProgramFindsTheModuleThroughItsLink) {
    const fs::path prefix = folder_ / "installed";
    const ProgramResult install = run_program(
        AAP_CMAKE_COMMAND, {"--install", AAP_BUILD_DIR, "--prefix", prefix.string()}, folder_);
    ASSERT_EQ(install.exit_status, 0) << install.out << install.err;
    ASSERT_TRUE(fs::is_symlink(prefix / "bin/aap-import"));

    const ProgramResult installed =
        run_program(prefix / "bin/aap-import",
                    {"--start-period", "5", "--output", "out", "--quiet",
                     (prefix / "share/aapvantrel/demo.db").string()},
                    folder_);
    ASSERT_EQ(installed.exit_status, 0) << installed.err;
    EXPECT_EQ(read_file(folder_ / "out/lines.csv"),
              read_file(kExpected / "demo-period5" / "lines.csv"));
}

TEST_F(DemoCompany, ProbeShowsThePackageAndTheCompany) {
    const ProgramResult run = import({"--probe", "demo.db"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    expect_file(kExpected / "demo-probe.txt", run.out);
}

TEST_F(DemoCompany, FilesThatAreNoCompanyDatabase) {
    write_file(folder_ / "notes.mdb", "These are notes, not a database.\n");
    ProgramResult run = import({"--output", "out", "notes.mdb"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, "aap-import: notes.mdb is not a company database\n");

    run = import({"--probe", "notes.mdb"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, "aap-import: notes.mdb is not a company database\n");

    run = import({"--output", "out", "missing.db"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, "aap-import: cannot read missing.db: No such file or directory\n");
    EXPECT_FALSE(fs::exists(folder_ / "out"));
}

TEST_F(DemoCompany, ThirteenPeriodCompanyIsRefused) {
    // The demo company with a 13-period year.
    std::string sql = read_file(kDemoSql);
    const std::string twelve = "('Harrow Valley Arts Alliance', 1997, 12, 5)";
    const auto at = sql.find(twelve);
    ASSERT_NE(at, std::string::npos);
    sql.replace(at, twelve.size(), "('Harrow Valley Arts Alliance', 1997, 13, 5)");
    write_file(folder_ / "thirteen.sql", sql);
    ASSERT_EQ(run_program(kSqlToSqlite, {"thirteen.sql", "thirteen.db"}, folder_).exit_status, 0);

    const ProgramResult run = import({"--output", "out", "thirteen.db"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err.rfind("Orvelle: 13-period accounting is not currently supported.\n", 0), 0u)
        << run.err;
    const std::string reason = "aap-import: the module refused the company\n";
    ASSERT_GE(run.err.size(), reason.size());
    EXPECT_EQ(run.err.substr(run.err.size() - reason.size()), reason) << run.err;
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace aap::host::test
