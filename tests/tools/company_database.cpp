// Temporary folders and read-only access to generated companies, for the generator tests.
#include "company_database.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("make-company-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CompanyDatabase::CompanyDatabase(const std::filesystem::path& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        throw std::runtime_error("cannot open " + path.string());
    }
}

CompanyDatabase::~CompanyDatabase() {
    sqlite3_close(db_);
}

std::vector<std::vector<std::string>> CompanyDatabase::rows(const std::string& sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    }
    std::vector<std::vector<std::string>> result;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* text = sqlite3_column_text(statement, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        result.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    }
    return result;
}

std::int64_t CompanyDatabase::number(const std::string& sql) const {
    const auto result = rows(sql);
    if (result.empty() || result[0].empty()) {
        throw std::runtime_error("no value from: " + sql);
    }
    return std::stoll(result[0][0]);
}

std::vector<std::string> CompanyDatabase::column(const std::string& sql) const {
    std::vector<std::string> values;
    for (auto& row : rows(sql)) {
        values.push_back(row.at(0));
    }
    return values;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
