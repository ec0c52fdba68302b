// A new SQLite file written through the SQLite C API: statements to run once, and
// prepared inserts whose values are bound column by column.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

class SqliteFile {
  public:
    // Creates the file, which must not exist yet.
    explicit SqliteFile(const std::string& path);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void execute(const std::string& sql);
    void close();
    sqlite3* handle() { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

// One prepared INSERT. Bind the row's values in column order, then insertRow().
class InsertStatement {
  public:
    InsertStatement(SqliteFile& file, const std::string& sql);
    ~InsertStatement();
    InsertStatement(const InsertStatement&) = delete;
    InsertStatement& operator=(const InsertStatement&) = delete;

    InsertStatement& integer(std::int64_t value);
    InsertStatement& real(double value);
    InsertStatement& text(std::string_view value);
    InsertStatement& null();
    void insertRow();

  private:
    void check(int result);

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    int column_ = 1;
};
