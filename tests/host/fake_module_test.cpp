// fake_module_test.cpp - aap-import driven against a stand-in module (see
// fake_module.cpp): the whole output of a small company, failures reported
// half-way, refusals, a module without all exports, unbalanced entries, and
// finding the module through a symbolic link as installed.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace aap::host::test {
namespace {

namespace fs = std::filesystem;

const fs::path kImport = AAP_IMPORT_PATH;
const fs::path kFakeModule = AAP_FAKE_MODULE_PATH;
const fs::path kIncompleteModule = AAP_FAKE_INCOMPLETE_MODULE_PATH;

// A folder holding a fake company file "company.txt" with these settings.
fs::path fake_company(const std::string& test_name, const std::string& settings) {
    const fs::path folder = fresh_folder("fake/" + test_name);
    write_file(folder / "company.txt", "AAP-FAKE-COMPANY\n" + settings);
    return folder;
}

ProgramResult import(const fs::path& folder, std::vector<std::string> arguments,
                     const fs::path& module = kFakeModule) {
    arguments.insert(arguments.begin(), {"--module", module.string()});
    arguments.push_back("company.txt");
    return run_program(kImport, arguments, folder);
}

TEST(FakeModuleImport, WritesEveryRecordToCsv) {
    const fs::path folder = fake_company("csv",
                                         "name=Caf\xE9 \x80 Co\njournal_entries=2\n"
                                         "opening_lines=1\nbudget_entries=1\n"
                                         "budget_lines=1\n");
    const ProgramResult run = import(folder, {"-o", "out"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const fs::path out = folder / "out";
    EXPECT_EQ(read_file(out / "company.csv"),
              "package,company_name,company_path,fiscal_year,fiscal_start_month,current_period,"
              "start_period,selected_journal_entries\r\n"
              "Fake Package,Caf\u00E9 \u20AC Co,company.txt,1997,7,5,1,2\r\n");
    EXPECT_EQ(read_file(out / "parts.csv"),
              "slot,part,kind,type,base_part,field_size,brief_heading\r\n"
              "0,Account,base,Prime,,4,Account\r\n"
              "1,Fund,base,Other,,4,Fund\r\n"
              "2,Dept,linked,Joined,Account,4,Dept\r\n");
    // balance_side and category only for the Prime part; linked codes only
    // where the module wrote them.
    EXPECT_EQ(read_file(out / "codes.csv"),
              "slot,part,code,description,brief_description,status,balance_side,category,Dept\r\n"
              "0,Account,1000,Code 1000,1000,A,D,1110,ADM\r\n"
              "0,Account,4000,Code 4000,4000,A,C,4000,OPS\r\n"
              "1,Fund,GEN,Code GEN,GEN,A,,,\r\n"
              "1,Fund,Caf\u00E9,Code Caf\u00E9,Caf\u00E9,A,,,\r\n"
              "2,Dept,ADM,Code ADM,ADM,A,,,\r\n"
              "2,Dept,OPS,Code OPS,OPS,A,,,\r\n");
    EXPECT_EQ(read_file(out / "entries.csv"),
              "entry,phase,entry_date,transaction_date,apply_to_year,apply_to_period,"
              "source_code,kind,reference,explanation,description\r\n"
              "1,journal,1996-11-02,1996-11-02,1997,5,GJ,A,JE 1,Journal entry 1,\r\n"
              "2,journal,1996-11-03,1996-11-03,1997,5,GJ,A,JE 2,Journal entry 2,\r\n"
              "3,beginning-balance,1997-07-01,1997-07-01,1997,0,BB,A,,Beginning Balances,"
              "Beginning Balance\r\n"
              "4,budget,1997-01-01,1997-01-01,1997,1,NBG,B,,Budgets,Budget\r\n");
    // Budget lines carry no description: nothing of the journal lines before
    // them shows through.
    EXPECT_EQ(read_file(out / "lines.csv"),
              "entry,phase,line,Account,Fund,description,debit,credit,quantity\r\n"
              "1,journal,1,1000,GEN,Line 1,1234.5678,0,0\r\n"
              "1,journal,2,4000,Caf\u00E9,Line 2,0,1234.5678,0\r\n"
              "2,journal,1,1000,GEN,Line 1,1234.5678,0,0\r\n"
              "2,journal,2,4000,Caf\u00E9,Line 2,0,1234.5678,0\r\n"
              "3,beginning-balance,1,1000,GEN,,0,0,0\r\n"
              "4,budget,1,1000,GEN,,0.3,0,2.5\r\n");
    EXPECT_EQ(run.out,
              "Caf\u00E9 \u20AC Co: fiscal year 1997 (starts in month 7), entries from period 1\n"
              "Account codes: Account 2, Fund 2, Dept 2\n"
              "Journal: 2 entries, 4 lines, debits 2469.1356, credits 2469.1356\n"
              "Beginning balance: 1 line, debits 0, credits 0\n"
              "Budget: 1 entry, 1 line, debits 0.3, credits 0, quantity 2.5\n"
              "Output: out (company.csv, parts.csv, codes.csv, entries.csv, lines.csv)\n");
}

TEST(FakeModuleImport, JsonLinesOnStandardOutputWithTheSummaryOnStandardError) {
    const fs::path folder = fake_company("jsonl", "journal_entries=1\nbudget_entries=1\n");
    const ProgramResult run = import(folder, {"--format", "jsonl"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_NE(run.err.find("Journal: 1 entry, 2 lines"), std::string::npos) << run.err;

    std::istringstream lines(run.out);
    std::string text;
    std::vector<nlohmann::json> objects;
    while (std::getline(lines, text)) objects.push_back(nlohmann::json::parse(text));
    // company, 3 parts, 6 codes, 3 entries, 2 + 2 + 2 lines
    ASSERT_EQ(objects.size(), 1u + 3 + 6 + 3 + 6);
    EXPECT_EQ(objects[0]["type"], "company");
    EXPECT_EQ(objects[4]["linked"], nlohmann::json({{"Dept", "ADM"}}));
    EXPECT_TRUE(objects[6]["balance_side"].is_null());  // a Fund code
    const nlohmann::json& credit_line = objects[12];
    EXPECT_EQ(credit_line["type"], "line");
    EXPECT_EQ(credit_line["account"], nlohmann::json({{"Account", "4000"}, {"Fund", "Caf\u00E9"}}));
    EXPECT_EQ(credit_line["credit"].get<double>(), 1234.5678);
    EXPECT_TRUE(credit_line["debit"].is_number_integer());
    EXPECT_NE(run.out.find("\"debit\":0.3,"), std::string::npos) << "budget sum without noise";
    EXPECT_EQ(objects.back()["phase"], "budget");
}

TEST(FakeModuleImport, FailureHalfWayIsPassedOnAndEndsWithStatusOne) {
    const fs::path folder = fake_company("failure", "journal_entries=3\nfail=entry:5\n");
    const ProgramResult run = import(folder, {"-o", "out"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err,
              "Orvelle: Unable to build the budget totals.\n"
              "aap-import: the module reported a failure in AAP_LoadEntry\n");
    EXPECT_EQ(run.out, "");
}

TEST(FakeModuleImport, ModuleThatCrashesStillHasItsLastWordsShown) {
    const fs::path folder = fake_company("crash", "journal_entries=3\nfail=crash:2\n");
    const ProgramResult run = import(folder, {"--format", "none"});
    EXPECT_EQ(run.exit_status, -1) << "killed by its signal";
    EXPECT_EQ(run.err, "fake module: giving up at entry 2\n");
}

TEST(FakeModuleImport, RefusedCompanyEndsWithStatusOne) {
    const fs::path folder = fake_company("refused", "fail=load\n");
    const ProgramResult run = import(folder, {"--format", "none"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err,
              "Orvelle: 13-period accounting is not currently supported.\n"
              "aap-import: the module refused the company\n");
}

TEST(FakeModuleImport, ModuleWithoutAllExportsIsRefused) {
    const fs::path folder = fake_company("incomplete", "");
    const ProgramResult run = import(folder, {"--format", "none"}, kIncompleteModule);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.err.find("does not export AAP_LoadDetail"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";
}

TEST(FakeModuleImport, UnbalancedEntriesAreListedUpToACap) {
    const fs::path folder =
        fake_company("unbalanced", "journal_entries=30\nunbalanced=25\nbudget_entries=0\n");
    const ProgramResult run = import(folder, {"--format", "none"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_NE(run.out.find("Warning: 25 journal entries do not balance:\n"
                           "  entry 1 (JE 1, 1996-11-02): debits 1234.5678, credits 1234.5578\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("  entry 20 (JE 20, 1996-11-21)"), std::string::npos);
    EXPECT_EQ(run.out.find("  entry 21 "), std::string::npos);
    EXPECT_NE(run.out.find("  and 5 more\n"), std::string::npos);
}

TEST(FakeModuleImport, FilesThatAreNoCompany) {
    const fs::path folder = fake_company("not-a-company", "");
    write_file(folder / "notes.txt", "just some text\n");

    ProgramResult run =
        run_program(kImport, {"--module", kFakeModule.string(), "-o", "out", "notes.txt"}, folder);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, "aap-import: notes.txt is not a company database\n");
    EXPECT_FALSE(fs::exists(folder / "out")) << "nothing written for a file that is no company";

    run =
        run_program(kImport, {"--module", kFakeModule.string(), "-o", "out", "missing.db"}, folder);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, "aap-import: cannot read missing.db: No such file or directory\n");

    run = run_program(kImport, {"--module", kFakeModule.string(), "--probe", "notes.txt"}, folder);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.out, "Package: Fake Package\nFile filter: *.fake\nLevel: 2\n");
    EXPECT_EQ(run.err, "aap-import: notes.txt is not a company database\n");
}

TEST(FakeModuleImport, FindsTheModuleBesideItselfThroughASymbolicLink) {
    // The installed layout: lib/aapvantrel/{aap-import,AAPVantrel.so} and a
    // link bin/aap-import pointing at the program.
    const fs::path root = fresh_folder("fake/installed");
    fs::create_directories(root / "lib/aapvantrel");
    fs::create_directories(root / "bin");
    fs::copy_file(kImport, root / "lib/aapvantrel/aap-import");
    fs::copy_file(kFakeModule, root / "lib/aapvantrel/AAPVantrel.so");
    fs::create_symlink("../lib/aapvantrel/aap-import", root / "bin/aap-import");
    write_file(root / "company.txt", "AAP-FAKE-COMPANY\nname=Linked\n");

    const ProgramResult run =
        run_program(root / "bin/aap-import", {"--probe", "company.txt"}, root);
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Package: Fake Package\nFile filter: *.fake\nLevel: 2\n"
              "Company: Linked\nPath: company.txt\n");
}

}  // namespace
}  // namespace aap::host::test
