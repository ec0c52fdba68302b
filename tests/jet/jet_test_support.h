// jet_test_support.h - helpers shared by the Jet tests: where the fixtures
// are, SQLite handles, and a table's rows as comparable values.

#ifndef AAP_TESTS_JET_JET_TEST_SUPPORT_H_
#define AAP_TESTS_JET_JET_TEST_SUPPORT_H_

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace jet_test {

// tests/data/jet/<name>.
std::string DataFile(const std::string& name);
// The shared Jet samples folder (jet-samples) and a file in it; the folder
// may be absent on a machine without the shared fixtures.
std::string SamplesFolder();
std::string SampleFile(const std::string& name);
bool Exists(const std::string& path);

// A private scratch folder, removed with everything in it on destruction.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, SqliteCloser>;

// An empty in-memory database, or an existing file opened read-only.
Database MemoryDatabase();
Database OpenReadOnly(const std::string& path);

struct Blob {
    std::string bytes;
    bool operator==(const Blob&) const = default;
};
// One SQLite value: NULL, integer, real, text or blob.
using Value = std::variant<std::monostate, std::int64_t, double, std::string, Blob>;
using Row = std::vector<Value>;

// The rows of `sql` (texts and blobs whole, zero bytes included).
std::vector<Row> Query(sqlite3* db, const std::string& sql);

struct ColumnInfo {
    std::string name;
    std::string declaredType;
};
std::vector<ColumnInfo> Columns(sqlite3* db, const std::string& table);

std::string Describe(const Value& value);

// Days from 1899-12-30 of an ISO date "YYYY-MM-DD[ HH:MM[:SS[.fff]]]" as a
// Jet file stores it: whole days counted back for earlier dates, the time
// of day always forward.
double OleDateFromIso(const std::string& iso);

}  // namespace jet_test

#endif  // AAP_TESTS_JET_JET_TEST_SUPPORT_H_
