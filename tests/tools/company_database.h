// Test helpers: a generated company in a temporary file, read through SQLite.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "company_options.h"

// A temporary folder removed with the object.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// A company file opened read-only.
class CompanyDatabase {
  public:
    explicit CompanyDatabase(const std::filesystem::path& path);
    ~CompanyDatabase();
    CompanyDatabase(const CompanyDatabase&) = delete;
    CompanyDatabase& operator=(const CompanyDatabase&) = delete;

    // Every row of the query, each value as text (NULL as "NULL").
    std::vector<std::vector<std::string>> rows(const std::string& sql) const;
    // The first column of the first row as an integer.
    std::int64_t number(const std::string& sql) const;
    // The first column of every row.
    std::vector<std::string> column(const std::string& sql) const;

  private:
    sqlite3* db_ = nullptr;
};

std::string readBytes(const std::filesystem::path& path);
