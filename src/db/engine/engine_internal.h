// engine_internal.h - the objects behind the Cdb* handles.
//
// DatabaseImpl owns one SQLite connection:
//   - a SQLite company file, opened with file:...?immutable=1 (never written);
//   - a writable SQLite file (CreateDatabase, or OpenDatabase not read-only);
//   - a Jet file: a private temporary SQLite copy (WAL mode, in $TMPDIR or
//     /tmp, removed on Close and at process end) into which the tables a
//     query names are loaded on first use through jet::JetTableLoader.
// Databases named by IN "path" are ATTACHed to the connection (x1, x2, ...)
// and stay attached while recordsets use them.  A path naming a database
// open in this process (same device and inode) reuses it: its file (or, for
// a Jet file, its copy) is attached instead of reading the Jet file again.
//
// RecordsetImpl streams one prepared statement.  Closing a database closes
// its recordsets; a closed recordset throws on every use.

#ifndef AAP_DB_ENGINE_ENGINE_INTERNAL_H_
#define AAP_DB_ENGINE_ENGINE_INTERNAL_H_

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/engine/sql_translate.h"
#include "db/engine/variant.h"

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace cdb::jet {
class JetTableLoader;
}

namespace cdb::internal {

struct FileKey {
    dev_t dev = 0;
    ino_t ino = 0;
    bool operator==(const FileKey& o) const { return dev == o.dev && ino == o.ino; }
};

// A private temporary file, removed (with its -wal, -shm and -journal) when
// the last owner lets it go, or at process end.
class TempFile {
  public:
    static std::shared_ptr<TempFile> Create(const char* stem);
    ~TempFile();
    const std::string& Path() const { return path_; }

  private:
    explicit TempFile(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

// Tables of a Jet file, loaded on demand into a SQLite schema.
class JetSource {
  public:
    virtual ~JetSource() = default;
    virtual const std::vector<std::string>& Names() = 0;  // UTF-8
    virtual void Load(const std::string& utf8Name) = 0;
};

// The catalog of one schema of a connection.
class SchemaCatalog : public Catalog {
  public:
    SchemaCatalog(sqlite3* db, std::string schema, std::string displayPath, JetSource* jet);
    const TableInfo* FindTable(std::string_view name) override;
    const StoredQuery* FindQuery(std::string_view name) override;
    const std::string& DisplayPath() const override { return display_; }
    // Reads the list of tables now (throws CdbException when the schema is
    // not a readable database).
    void Validate();
    void Invalidate();
    bool HasObject(std::string_view name);

  private:
    struct Entry {
        std::string utf8;
        bool rowid = true;
        std::unique_ptr<TableInfo> info;
    };
    void List();
    const TableInfo* Columns(Entry& e);

    sqlite3* db_;
    std::string schema_;
    std::string display_;
    JetSource* jet_;
    bool listed_ = false;
    bool hasQueryTable_ = false;
    std::map<std::string, Entry> tables_;  // by folded Windows-1252 name
    bool queriesRead_ = false;
    std::map<std::string, StoredQuery> queries_;
};

class RecordsetImpl;

class DatabaseImpl : public std::enable_shared_from_this<DatabaseImpl>, public Resolver {
  public:
    enum class Kind { SqliteCompany, SqliteWritable, Jet };

    static std::shared_ptr<DatabaseImpl> Open(const char* path, bool readOnly);
    static std::shared_ptr<DatabaseImpl> Create(const char* path);
    ~DatabaseImpl() override;
    DatabaseImpl(const DatabaseImpl&) = delete;
    DatabaseImpl& operator=(const DatabaseImpl&) = delete;

    std::shared_ptr<RecordsetImpl> OpenRecordset(const char* source, int type, int options);
    void CreateQueryDef(const char* name, const char* sql);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Resolver
    Catalog* DefaultCatalog() override { return main_.get(); }
    Catalog* CatalogForPath(const std::string& path, const std::string& where) override;

    const std::string& DisplayPath() const { return display_; }
    sqlite3* Handle() const { return db_; }
    void ReleaseAttachments(const std::vector<int>& ids);

    // For other databases of the process (the reuse rule).
    Kind GetKind() const { return kind_; }
    const FileKey& Key() const { return key_; }
    const std::string& FsPath() const { return fsPath_; }
    std::shared_ptr<TempFile> JetCopy() const { return copy_; }
    const std::vector<std::string>& JetTableNames();
    void EnsureJetTable(const std::string& utf8Name);

  private:
    struct Attachment;
    DatabaseImpl() = default;
    void CheckOpen(const char* doing) const;
    void Attach(const std::string& uri, const std::string& alias, const std::string& display);
    void MakeRoomForAttachment();

    sqlite3* db_ = nullptr;
    Kind kind_ = Kind::SqliteCompany;
    FileKey key_;
    std::string display_;  // the path as given (Windows-1252)
    std::string fsPath_;   // the path in the file system
    std::unique_ptr<SchemaCatalog> main_;
    std::unique_ptr<jet::JetTableLoader> loader_;
    std::unique_ptr<JetSource> mainJet_;
    std::shared_ptr<TempFile> copy_;
    std::vector<std::unique_ptr<Attachment>> attachments_;
    std::vector<std::weak_ptr<RecordsetImpl>> recordsets_;
    std::vector<int> used_;  // attachments reached by the statement being translated
    int nextAttachment_ = 1;
};

class RecordsetImpl {
  public:
    RecordsetImpl(std::shared_ptr<DatabaseImpl> db, sqlite3_stmt* stmt,
                  std::vector<OutputColumn> columns, std::string sql, std::vector<int> attachments,
                  std::string countSql);
    ~RecordsetImpl();
    RecordsetImpl(const RecordsetImpl&) = delete;
    RecordsetImpl& operator=(const RecordsetImpl&) = delete;

    void Start();
    bool Eof() const;
    void MoveNext();
    void MoveFirst();
    void MoveLast();
    int32_t RecordCount();
    int FieldCount() const;
    int FieldIndex(const char* name);
    const OutputColumn& Column(int index) const;
    void Value(int index, COleVariant& out) const;
    void Close();
    bool IsOpen() const { return !closed_; }

  private:
    void CheckOpen(const char* doing) const;
    void CheckIndex(int index) const;
    bool Step();
    void DropCopy();
    [[noreturn]] void StepFailed(int rc);

    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    std::shared_ptr<DatabaseImpl> db_;
    sqlite3_stmt* stmt_;
    std::vector<OutputColumn> columns_;
    std::string sql_;
    std::string display_;
    std::vector<int> attachments_;
    std::string countSql_;  // table-type: counts the table
    bool closed_ = false;
    bool eof_ = true;
    int64_t pos_ = -1;     // index of the current row
    int64_t reached_ = 0;  // rows reached so far
    bool atEnd_ = false;   // the statement has run to its end
    bool onCopy_ = false;  // the current row is the copy below (after MoveLast)
    std::vector<sqlite3_value*> copy_;
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> names_;
};

// Opens the Jet loader for a file (tests may replace it).
using JetLoaderFactory =
    std::function<std::unique_ptr<jet::JetTableLoader>(const std::string& mdbPath)>;
void SetJetLoaderFactoryForTesting(JetLoaderFactory factory);

// A file: URI for a file system path, percent-escaped, made absolute.
std::string FileUri(const std::string& fsPath, const char* query);

}  // namespace cdb::internal

#endif  // AAP_DB_ENGINE_ENGINE_INTERNAL_H_
