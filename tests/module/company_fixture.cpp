// company_fixture.cpp - building test companies and recording messages.

#include "company_fixture.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace aap::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "aap-module-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void BuildSqliteFile(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + path);
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("SQL failed on " + path + ": " + message);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CompanySchemaSql() {
    return ReadFile(std::string(AAP_TEST_DATA_DIR) + "/module/company-schema.sql");
}

std::string SmallCompanySql() {
    return CompanySchemaSql() + R"SQL(
INSERT INTO GL_ControlInformation VALUES ('Small Test Company', 1997, 12, 7);
INSERT INTO GL_AcctPeriod VALUES (1997, 0, '1996-07-01', '1996-07-01');
INSERT INTO GL_AcctPeriod VALUES (1997, 1, '1996-07-01', '1996-07-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 2, '1996-08-01', '1996-08-31');
INSERT INTO AA_AccountParts VALUES (3, 'Dept', 'Derived', 4, 'Department');
INSERT INTO AA_AccountParts VALUES (1, 'Account', 'Prime', 10, 'Account');
INSERT INTO AA_AccountParts VALUES (2, 'Fund', 'Segment', 3, 'Fund');
INSERT INTO AA_Rollups VALUES ('Region', 'Dept', 4, 'Region');
INSERT INTO AA_Rollups VALUES ('Group', 'Fund', 0, 'Group');
INSERT INTO Account VALUES ('1000', 'Cash', 'Cash', 'A', 10, 'D1');
INSERT INTO Account VALUES ('4000', 'Revenue', 'Rev', 'A', 45, 'D2');
INSERT INTO Account VALUES ('5000', 'Expense', 'Exp', 'I', 50, 'D1');
INSERT INTO Fund VALUES ('GEN', 'General', 'Gen', 'A', 'UNR');
INSERT INTO Fund VALUES ('BLD', 'Building', 'Bld', 'A', 'RES');
INSERT INTO Dept VALUES ('D1', 'Administration', 'Adm', 'A', 'R1');
INSERT INTO Dept VALUES ('D2', 'Programs', 'Prg', 'A', 'R2');
INSERT INTO Region VALUES ('R1', 'North', 'N', 'A');
INSERT INTO Region VALUES ('R2', 'South', 'S', 'A');
INSERT INTO [Group] VALUES ('RES', 'Restricted', 'Res', 'A');
INSERT INTO [Group] VALUES ('UNR', 'Unrestricted', 'Unr', 'A');
INSERT INTO GL_SummaryCodeBlock VALUES (1, '1000', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (2, '4000', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (3, '5000', 'BLD');
INSERT INTO GL_SumActualBalances VALUES (1, 1997, 0, 100.5, 0);
INSERT INTO GL_SumActualBalances VALUES (2, 1997, 0, 0, 100.5);
INSERT INTO GL_SumActualBalances VALUES (3, 1997, 1, 5, 0);
INSERT INTO GL_SumBudgetBalances VALUES (2, 1, 1997, 1, -50);
INSERT INTO GL_SumBudgetBalances VALUES (2, 2, 1997, 1, -60.25);
INSERT INTO GL_SumBudgetBalances VALUES (3, 2, 1997, 2, 70);
INSERT INTO GL_SumBudgetQuantities VALUES (3, 1, 1997, 1, 3);
INSERT INTO GL_JournalEntry VALUES (1, 2, 1997, 6, 0, '1996-12-01', 'GJ', 1997, 6, '1996-12-02', 'REF2', 'Second');
INSERT INTO GL_JournalEntry VALUES (1, 1, 1997, 5, 0, '1996-11-03', 'CD', 1997, 5, '1996-11-02', 'REF1', 'First');
INSERT INTO GL_JournalEntry VALUES (2, 1, 1997, 4, 0, '1996-10-01', 'GJ', 1997, 4, '1996-10-01', 'OLD', 'Before the start');
INSERT INTO GL_JournalEntry VALUES (2, 2, 1997, 7, 1, '1997-01-01', 'GJ', 1997, 0, '1997-01-01', 'BB', 'Updates the opening');
INSERT INTO GL_JournalDetail VALUES (1, 1, 2, 0, '4000', 'GEN', 'line b', 0, 10.25);
INSERT INTO GL_JournalDetail VALUES (1, 1, 1, 0, '1000', 'GEN', 'line a', 10.25, 0);
INSERT INTO GL_JournalDetail VALUES (1, 2, 1, 0, '5000', 'BLD', 'line c', 2.5, 0);
INSERT INTO GL_JournalDetail VALUES (1, 2, 1, 1, '1000', 'BLD', 'line d', 0, 2.5);
INSERT INTO GL_JournalDetail VALUES (2, 1, 1, 0, '1000', 'GEN', 'old line', 1, 0);
INSERT INTO GL_JournalDetail VALUES (2, 2, 1, 0, '1000', 'GEN', 'bb line', 1, 0);
)SQL";
}

MessageRecorder::MessageRecorder() {
    SetMessageObserver([this](const ShownMessage& message) { messages_.push_back(message); });
}

MessageRecorder::~MessageRecorder() {
    SetMessageObserver(nullptr);
}

std::vector<std::string> MessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : messages_) texts.push_back(message.text);
    return texts;
}

void HostRecords::Prepare(const std::string& path, int16_t startPeriod) {
    WriteRecordText(company.companyPath, path);
    company.currentPeriod = startPeriod;
}

}  // namespace aap::test
