// Creating a SQLite file and inserting rows through prepared statements; every failure
// becomes a std::runtime_error carrying SQLite's message.
#include "sqlite_file.h"

#include <stdexcept>

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

SqliteFile::SqliteFile(const std::string& path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw std::runtime_error("cannot create " + path + ": " + message);
    }
}

SqliteFile::~SqliteFile() {
    sqlite3_close(db_);
}

void SqliteFile::execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sql);
    }
}

void SqliteFile::close() {
    if (sqlite3_close(db_) != SQLITE_OK) {
        fail(db_, "cannot close the database");
    }
    db_ = nullptr;
}

InsertStatement::InsertStatement(SqliteFile& file, const std::string& sql) : db_(file.handle()) {
    if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) !=
        SQLITE_OK) {
        fail(db_, "cannot prepare " + sql);
    }
}

InsertStatement::~InsertStatement() {
    sqlite3_finalize(statement_);
}

InsertStatement& InsertStatement::integer(std::int64_t value) {
    check(sqlite3_bind_int64(statement_, column_++, value));
    return *this;
}

InsertStatement& InsertStatement::real(double value) {
    check(sqlite3_bind_double(statement_, column_++, value));
    return *this;
}

InsertStatement& InsertStatement::text(std::string_view value) {
    // An empty view may carry no pointer, which SQLite would store as NULL.
    const char* characters = value.data() ? value.data() : "";
    check(sqlite3_bind_text(statement_, column_++, characters, static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

InsertStatement& InsertStatement::null() {
    check(sqlite3_bind_null(statement_, column_++));
    return *this;
}

void InsertStatement::insertRow() {
    if (sqlite3_step(statement_) != SQLITE_DONE) {
        fail(db_, "insert failed");
    }
    check(sqlite3_reset(statement_));
    column_ = 1;
}

void InsertStatement::check(int result) {
    if (result != SQLITE_OK) {
        fail(db_, "cannot bind value " + std::to_string(column_));
    }
}
