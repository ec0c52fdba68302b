// engine_test_util.h - helpers of the engine tests: private temporary
// folders, SQLite files built from SQL scripts, variant checks.
#ifndef AAP_TESTS_ENGINE_ENGINE_TEST_UTIL_H_
#define AAP_TESTS_ENGINE_ENGINE_TEST_UTIL_H_

#include <string>
#include <vector>

#include "db/engine/cdb.h"

namespace enginetest {

// A fresh folder under $TMPDIR (or /tmp), removed with its contents.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// A file of tests/data/engine.
std::string DataFile(const std::string& name);
std::string ReadFile(const std::string& path);
std::vector<std::string> ListFolder(const std::string& path);

// Creates the SQLite file `dbPath` and runs the SQL script (a file) or SQL
// text in it with the sqlite3 library directly.
void BuildFromScript(const std::string& dbPath, const std::string& scriptPath);
void ExecSql(const std::string& dbPath, const std::string& sql);

// The demo company (tests/data/engine/demo.sql) built once per process in a
// private folder; the path of the file.
const std::string& DemoDb();
const std::string& TypesDb();

// Opens a database read-only the way the module does.
cdb::CdbDatabase OpenReadOnly(const std::string& path);

// All rows of a recordset as text: each value formatted by Show().
std::vector<std::vector<std::string>> Rows(cdb::CdbRecordset& rs);
// A value with its type, e.g. "I2:5", "BSTR:abc", "CY:123456", "NULL".
std::string Show(const cdb::COleVariant& v);
// Rows of plain SQLite SQL run with the sqlite3 library directly (the
// oracle of the tests): each value as sqlite3_column_text gives it, NULL as
// "NULL".
std::vector<std::vector<std::string>> SqliteRows(const std::string& dbPath, const std::string& sql);

// The field names of a recordset.
std::vector<std::string> Names(cdb::CdbRecordset& rs);

}  // namespace enginetest

#endif  // AAP_TESTS_ENGINE_ENGINE_TEST_UTIL_H_
