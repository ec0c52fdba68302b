// sqlite_table_copy.h - writes one Jet table, as the reader sends it, into a
// table of a SQLite database.

#ifndef AAP_DB_ENGINE_JET_SQLITE_TABLE_COPY_H_
#define AAP_DB_ENGINE_JET_SQLITE_TABLE_COPY_H_

#include <cstdint>
#include <string>
#include <vector>

#include "db/engine/jet/reader_protocol.h"

struct sqlite3;
struct sqlite3_stmt;

namespace cdb::jet {

struct CopiedColumn {
    std::string name;
    wire::ValueKind kind;
    std::uint32_t textSize;  // characters of a Text column
};

// The SQL type a column of `kind` is declared with (see jet_table_loader.h).
std::string DeclaredType(wire::ValueKind kind, std::uint32_t textSize);

// One table being filled.  The constructor opens a savepoint, creates the
// table and prepares its INSERT; InsertRow adds rows; Commit releases the
// savepoint.  Destroyed without Commit, it rolls back, so a failed copy
// leaves no table behind.  Failures throw CdbException starting with
// `context` (which names the Jet file and table).
class SqliteTableCopy {
  public:
    SqliteTableCopy(sqlite3* db, const std::string& schema, const std::string& table,
                    const std::vector<CopiedColumn>& columns, std::string context);
    ~SqliteTableCopy();
    SqliteTableCopy(const SqliteTableCopy&) = delete;
    SqliteTableCopy& operator=(const SqliteTableCopy&) = delete;

    // Decodes one row of a kRows payload from `row` and inserts it.
    void InsertRow(wire::ByteReader& row);

    void Commit();

  private:
    // Rolls back whatever the copy did, if it is not committed.
    void Abandon();
    void Execute(const std::string& sql);
    [[noreturn]] void FailWithSqliteError(const std::string& doing);

    sqlite3* db_;
    std::vector<wire::ValueKind> kinds_;
    std::string context_;
    sqlite3_stmt* insert_ = nullptr;
    bool open_ = false;
};

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_SQLITE_TABLE_COPY_H_
