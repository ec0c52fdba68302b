// database.cpp - opening, creating and closing databases; IN "path"
// attachments; preparing recordsets.
#include <errno.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>

#include "db/engine/cdb.h"
#include "db/engine/cdb_exception.h"
#include "db/engine/engine_internal.h"
#include "db/engine/jet/jet_table_loader.h"
#include "db/engine/sql_ast.h"
#include "db/engine/text_cp1252.h"
#include "db/engine/value_codec.h"

namespace cdb::internal {

// ------------------------------------------------------------------ files

namespace {

// Temporary files still on disk; removed at process end.  The registries of
// this file are plain pointers, made on first use and freed again once empty:
// static destructors of other objects (the converter state of a module) may
// still close databases after ours would have run, and a module that is
// unloaded must not leave them behind.
std::mutex g_tempMutex;  // constant-initialised, trivially destroyed on this platform
std::set<std::string>* g_tempPaths = nullptr;
bool g_tempCleanupRegistered = false;

void RemoveTempFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        ::unlink((path + suffix).c_str());
    }
}

void RemoveAllTempFilesAtExit() {
    std::lock_guard<std::mutex> lock(g_tempMutex);
    if (g_tempPaths == nullptr) return;
    for (const std::string& p : *g_tempPaths) RemoveTempFiles(p);
    delete g_tempPaths;
    g_tempPaths = nullptr;
}

void RegisterTemp(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_tempMutex);
    if (g_tempPaths == nullptr) g_tempPaths = new std::set<std::string>;
    g_tempPaths->insert(path);
    if (!g_tempCleanupRegistered) {
        std::atexit(RemoveAllTempFilesAtExit);
        g_tempCleanupRegistered = true;
    }
}

void UnregisterTemp(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_tempMutex);
    if (g_tempPaths == nullptr) return;
    g_tempPaths->erase(path);
    if (g_tempPaths->empty()) {
        delete g_tempPaths;
        g_tempPaths = nullptr;
    }
}

// Databases open in this process, for the reuse rule of IN "path".
std::vector<std::weak_ptr<DatabaseImpl>>* g_openDatabases = nullptr;

void PruneOpen() {
    if (g_openDatabases == nullptr) return;
    auto& v = *g_openDatabases;
    v.erase(std::remove_if(v.begin(), v.end(), [](const auto& w) { return w.expired(); }), v.end());
    if (v.empty()) {
        delete g_openDatabases;
        g_openDatabases = nullptr;
    }
}

void RegisterOpen(const std::shared_ptr<DatabaseImpl>& d) {
    PruneOpen();
    if (g_openDatabases == nullptr) g_openDatabases = new std::vector<std::weak_ptr<DatabaseImpl>>;
    g_openDatabases->push_back(d);
}

std::shared_ptr<DatabaseImpl> FindOpen(const FileKey& key) {
    PruneOpen();
    if (g_openDatabases == nullptr) return nullptr;
    for (const auto& w : *g_openDatabases) {
        auto d = w.lock();
        if (d && d->IsOpen() && d->Key() == key) return d;
    }
    return nullptr;
}

// Set only by tests; null means the real loader.
JetLoaderFactory* g_loaderFactory = nullptr;

std::unique_ptr<jet::JetTableLoader> OpenLoader(const std::string& fsPath,
                                                const std::string& display) {
    try {
        if (g_loaderFactory != nullptr) return (*g_loaderFactory)(fsPath);
        return jet::JetTableLoader::Open(fsPath);
    } catch (const CdbException&) {
        throw;
    } catch (const std::exception& e) {
        throw CdbException("Cannot read the Jet database '" + display + "': " + e.what());
    }
}

bool Exists(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

// The file system path of a Windows-1252 path: as UTF-8 when that names a
// file (or the path is plain ASCII), else the bytes as given.
std::string FsPathOf(const std::string& cp1252) {
    if (text::IsAscii(cp1252.data(), cp1252.size())) return cp1252;
    std::string utf8 = text::Cp1252ToUtf8(cp1252);
    if (Exists(utf8) || !Exists(cp1252)) return utf8;
    return cp1252;
}

struct FileFacts {
    FileKey key;
    off_t size = 0;
    unsigned char head[100] = {};
    size_t headLen = 0;
};

// Checks that `fs` is a readable regular file and reads its first bytes.
FileFacts Inspect(const std::string& fs, const std::string& what) {
    struct stat st;
    if (::stat(fs.c_str(), &st) != 0) {
        int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            throw CdbException("Cannot open " + what + ": the file does not exist");
        }
        throw CdbException("Cannot open " + what + ": " + std::strerror(err));
    }
    if (S_ISDIR(st.st_mode)) {
        throw CdbException("Cannot open " + what + ": it is a folder, not a database file");
    }
    if (!S_ISREG(st.st_mode)) {
        throw CdbException("Cannot open " + what + ": it is not a regular file");
    }
    FileFacts f;
    f.key = FileKey{st.st_dev, st.st_ino};
    f.size = st.st_size;
    if (st.st_size == 0) {
        throw CdbException("Cannot open " + what + ": the file is empty (0 bytes), not a database");
    }
    int fd = ::open(fs.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw CdbException("Cannot open " + what + ": " + std::strerror(errno));
    }
    ssize_t n;
    do {
        n = ::read(fd, f.head, sizeof f.head);
    } while (n < 0 && errno == EINTR);
    int err = errno;
    ::close(fd);
    if (n < 0) throw CdbException("Cannot read " + what + ": " + std::strerror(err));
    f.headLen = static_cast<size_t>(n);
    return f;
}

bool IsSqlite(const FileFacts& f) {
    return f.headLen >= 16 && std::memcmp(f.head, "SQLite format 3", 16) == 0;
}

uint32_t Be32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// The header of a SQLite file against its length: a truncated copy is
// refused here rather than failing somewhere in the middle of a query.
void CheckSqliteHeader(const FileFacts& f, const std::string& what) {
    if (f.headLen < 100) {
        throw CdbException("Cannot open " + what + ": the SQLite file is truncated (" +
                           std::to_string(f.size) + " bytes, shorter than its header)");
    }
    uint32_t pageSize = (uint32_t{f.head[16]} << 8) | f.head[17];
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) {
        throw CdbException("Cannot open " + what + ": the SQLite header is damaged (page size " +
                           std::to_string(pageSize) + ")");
    }
    const uint32_t pages = Be32(f.head + 28);
    const uint32_t changes = Be32(f.head + 24);
    const uint32_t validFor = Be32(f.head + 92);
    if (pages != 0 && changes == validFor) {
        const uint64_t expected = uint64_t{pages} * pageSize;
        if (static_cast<uint64_t>(f.size) < expected) {
            throw CdbException("Cannot open " + what + ": the SQLite file is truncated (" +
                               std::to_string(f.size) + " bytes, its header says " +
                               std::to_string(expected) + ")");
        }
    }
}

// immutable=1 would silently ignore rows that sit in a -wal file.
void CheckNoWal(const std::string& fs, const std::string& what) {
    struct stat st;
    std::string wal = fs + "-wal";
    if (::stat(wal.c_str(), &st) == 0 && st.st_size > 0) {
        throw CdbException("Cannot open " + what + " read-only: a write-ahead log ('" + wal +
                           "', " + std::to_string(st.st_size) +
                           " bytes) holds changes not yet in the database file. Checkpoint it "
                           "first (for example: sqlite3 <file> \"PRAGMA wal_checkpoint(TRUNCATE);\""
                           "), then open it again");
    }
}

// immutable=1 would equally ignore a hot rollback journal: the changes of a
// writer that stopped half way, which SQLite rolls back on the next write
// open.  Refused too.
void CheckNoHotJournal(const std::string& fs, const std::string& what) {
    static const unsigned char kMagic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    std::string journal = fs + "-journal";
    int fd = ::open(journal.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    unsigned char head[8] = {};
    ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    if (n == 8 && std::memcmp(head, kMagic, 8) == 0) {
        throw CdbException("Cannot open " + what + " read-only: the rollback journal '" + journal +
                           "' holds an unfinished change. Open the database once with a program "
                           "that can write it (for example: sqlite3 <file> \"PRAGMA "
                           "integrity_check;\") so that SQLite rolls the change back, then open "
                           "it again");
    }
}

sqlite3* OpenConnection(const std::string& uri, int flags, const std::string& what) {
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(uri.c_str(), &db, flags | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        throw CdbException("Cannot open " + what + ": " + msg);
    }
    sqlite3_extended_result_codes(db, 1);
    rc = codec::RegisterFunctions(db);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw CdbException("Cannot open " + what + ": cannot register the engine's functions (" +
                           std::string(sqlite3_errstr(rc)) + ")");
    }
    return db;
}

void Exec(sqlite3* db, const std::string& sql, const std::string& doing) {
    char* err = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string msg = err ? err : sqlite3_errstr(rc);
        sqlite3_free(err);
        throw CdbException(doing + ": " + msg);
    }
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// ---------------------------------------------------------------- Jet sources

// The Jet company itself: tables go into the main schema of its copy.
class MainJetSource : public JetSource {
  public:
    MainJetSource(jet::JetTableLoader* loader, sqlite3* db, std::string display)
        : loader_(loader), db_(db), display_(std::move(display)) {}
    const std::vector<std::string>& Names() override { return loader_->TableNames(); }
    void Load(const std::string& name) override {
        try {
            loader_->LoadTable(name, db_, "main");
        } catch (const CdbException&) {
            throw;
        } catch (const std::exception& e) {
            throw CdbException("Cannot copy the table '" + text::Utf8ToCp1252(name) +
                               "' of the Jet database '" + display_ + "': " + e.what());
        }
    }

  private:
    jet::JetTableLoader* loader_;
    sqlite3* db_;
    std::string display_;
};

// A Jet file named by IN "path" and open nowhere else: a private copy,
// attached for the queries of this connection.
class PrivateJetSource : public JetSource {
  public:
    PrivateJetSource(std::unique_ptr<jet::JetTableLoader> loader, sqlite3* db, std::string schema,
                     std::string display)
        : loader_(std::move(loader)),
          db_(db),
          schema_(std::move(schema)),
          display_(std::move(display)) {}
    const std::vector<std::string>& Names() override { return loader_->TableNames(); }
    void Load(const std::string& name) override {
        try {
            loader_->LoadTable(name, db_, schema_);
        } catch (const CdbException&) {
            throw;
        } catch (const std::exception& e) {
            throw CdbException("Cannot copy the table '" + text::Utf8ToCp1252(name) +
                               "' of the Jet database '" + display_ + "': " + e.what());
        }
    }

  private:
    std::unique_ptr<jet::JetTableLoader> loader_;
    sqlite3* db_;
    std::string schema_;
    std::string display_;
};

// A Jet file open as another database of this process: its copy is attached
// and that database loads what is missing.
class SharedJetSource : public JetSource {
  public:
    explicit SharedJetSource(const std::shared_ptr<DatabaseImpl>& owner)
        : owner_(owner), names_(owner->JetTableNames()), display_(owner->DisplayPath()) {}
    const std::vector<std::string>& Names() override { return names_; }
    void Load(const std::string& name) override {
        auto owner = owner_.lock();
        if (!owner || !owner->IsOpen()) {
            throw CdbException("The Jet database '" + display_ +
                               "' was closed while a query still needed its table '" +
                               text::Utf8ToCp1252(name) + "'");
        }
        owner->EnsureJetTable(name);
    }
    bool OwnerOpen() const {
        auto owner = owner_.lock();
        return owner && owner->IsOpen();
    }

  private:
    std::weak_ptr<DatabaseImpl> owner_;
    std::vector<std::string> names_;
    std::string display_;
};

}  // namespace

std::shared_ptr<TempFile> TempFile::Create(const char* stem) {
    const char* dir = std::getenv("TMPDIR");
    std::string base = (dir && *dir) ? dir : "/tmp";
    struct stat st;
    if (::stat(base.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) base = "/tmp";
    std::string tmpl = base + "/" + stem + "-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    int fd = ::mkstemp(buf.data());
    if (fd < 0) {
        throw CdbException("Cannot create a temporary file in '" + base +
                           "': " + std::strerror(errno));
    }
    ::close(fd);
    std::string path(buf.data());
    RegisterTemp(path);
    return std::shared_ptr<TempFile>(new TempFile(path));
}

TempFile::~TempFile() {
    RemoveTempFiles(path_);
    UnregisterTemp(path_);
}

std::string FileUri(const std::string& fsPath, const char* query) {
    std::string p = fsPath;
    if (p.empty() || p[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        if (cwd != nullptr) {
            p = std::string(cwd) + "/" + p;
            std::free(cwd);
        }
    }
    size_t lead = 0;
    while (lead + 1 < p.size() && p[lead] == '/' && p[lead + 1] == '/') ++lead;
    p.erase(0, lead);
    static const char* kHex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : p) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            uri.push_back(static_cast<char>(c));
        } else {
            uri.push_back('%');
            uri.push_back(kHex[c >> 4]);
            uri.push_back(kHex[c & 15]);
        }
    }
    if (query != nullptr && *query) {
        uri.push_back('?');
        uri += query;
    }
    return uri;
}

void SetJetLoaderFactoryForTesting(JetLoaderFactory factory) {
    delete g_loaderFactory;
    g_loaderFactory = factory ? new JetLoaderFactory(std::move(factory)) : nullptr;
}

// ------------------------------------------------------------------ attachments

struct DatabaseImpl::Attachment {
    int id = 0;
    std::string alias;
    FileKey key;
    std::unique_ptr<JetSource> jet;
    std::unique_ptr<SchemaCatalog> catalog;
    std::shared_ptr<TempFile> temp;
    int users = 0;
    bool stale = false;  // a shared Jet copy whose owner closed: not reused
};

// ------------------------------------------------------------------ open / create

std::shared_ptr<DatabaseImpl> DatabaseImpl::Open(const char* path, bool readOnly) {
    if (path == nullptr || *path == '\0') {
        throw CdbException("Cannot open a database: no file name was given");
    }
    const std::string display = path;
    const std::string what = "the database " + Quoted(display);
    const std::string fs = FsPathOf(display);
    FileFacts facts = Inspect(fs, what);

    std::shared_ptr<DatabaseImpl> d(new DatabaseImpl);
    d->display_ = display;
    d->fsPath_ = fs;
    d->key_ = facts.key;
    if (IsSqlite(facts)) {
        CheckSqliteHeader(facts, what);
        if (readOnly) {
            CheckNoWal(fs, what);
            CheckNoHotJournal(fs, what);
            d->kind_ = Kind::SqliteCompany;
            d->db_ = OpenConnection(FileUri(fs, "immutable=1"), SQLITE_OPEN_READONLY, what);
        } else {
            d->kind_ = Kind::SqliteWritable;
            d->db_ = OpenConnection(FileUri(fs, nullptr), SQLITE_OPEN_READWRITE, what);
        }
        d->main_ = std::make_unique<SchemaCatalog>(d->db_, "main", display, nullptr);
        try {
            d->main_->Validate();
        } catch (...) {
            d->Close();
            throw;
        }
    } else if (jet::LooksLikeJetFile(fs)) {
        d->kind_ = Kind::Jet;
        d->loader_ = OpenLoader(fs, display);
        d->copy_ = TempFile::Create("cdb-jet");
        d->db_ = OpenConnection(FileUri(d->copy_->Path(), nullptr),
                                SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                "the working copy of " + what);
        try {
            Exec(d->db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF;",
                 "Cannot prepare the working copy of " + what);
        } catch (...) {
            d->Close();
            throw;
        }
        d->mainJet_ = std::make_unique<MainJetSource>(d->loader_.get(), d->db_, display);
        d->main_ = std::make_unique<SchemaCatalog>(d->db_, "main", display, d->mainJet_.get());
    } else {
        throw CdbException("Cannot open " + what +
                           ": it is neither a SQLite nor a Jet (.mdb) database file");
    }
    RegisterOpen(d);
    return d;
}

std::shared_ptr<DatabaseImpl> DatabaseImpl::Create(const char* path) {
    if (path == nullptr || *path == '\0') {
        throw CdbException("Cannot create a database: no file name was given");
    }
    const std::string display = path;
    const std::string what = "the database " + Quoted(display);
    const std::string fs =
        text::IsAscii(display.data(), display.size()) ? display : text::Cp1252ToUtf8(display);
    int fd = ::open(fs.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        int err = errno;
        if (err == EEXIST) {
            throw CdbException("Cannot create " + what + ": the file already exists");
        }
        throw CdbException("Cannot create " + what + ": " + std::strerror(err));
    }
    ::close(fd);
    std::shared_ptr<DatabaseImpl> d(new DatabaseImpl);
    d->display_ = display;
    d->fsPath_ = fs;
    d->kind_ = Kind::SqliteWritable;
    try {
        d->db_ = OpenConnection(FileUri(fs, nullptr), SQLITE_OPEN_READWRITE, what);
        Exec(d->db_, "CREATE TABLE MSysCdbQueries (Name TEXT NOT NULL, SQL TEXT NOT NULL)",
             "Cannot create " + what);
    } catch (...) {
        if (d->db_) sqlite3_close_v2(d->db_);
        d->db_ = nullptr;
        ::unlink(fs.c_str());
        throw;
    }
    struct stat st;
    if (::stat(fs.c_str(), &st) == 0) d->key_ = FileKey{st.st_dev, st.st_ino};
    d->main_ = std::make_unique<SchemaCatalog>(d->db_, "main", display, nullptr);
    RegisterOpen(d);
    return d;
}

DatabaseImpl::~DatabaseImpl() {
    Close();
    PruneOpen();  // this database's own entry has expired by now
}

void DatabaseImpl::Close() {
    for (auto& w : recordsets_) {
        if (auto rs = w.lock()) rs->Close();
    }
    recordsets_.clear();
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    attachments_.clear();
    main_.reset();
    mainJet_.reset();
    loader_.reset();
    copy_.reset();
}

void DatabaseImpl::CheckOpen(const char* doing) const {
    if (db_ == nullptr) {
        throw CdbException(std::string("Cannot ") + doing + ": the database '" + display_ +
                           "' is closed");
    }
}

const std::vector<std::string>& DatabaseImpl::JetTableNames() {
    static const std::vector<std::string> kNone;
    return loader_ ? loader_->TableNames() : kNone;
}

void DatabaseImpl::EnsureJetTable(const std::string& utf8Name) {
    CheckOpen("copy a Jet table");
    if (main_->FindTable(text::Utf8ToCp1252(utf8Name)) == nullptr) {
        throw CdbException("The Jet database '" + display_ + "' has no table '" +
                           text::Utf8ToCp1252(utf8Name) + "'");
    }
}

// ------------------------------------------------------------------ IN "path"

void DatabaseImpl::Attach(const std::string& uri, const std::string& alias,
                          const std::string& display) {
    sqlite3_stmt* st = nullptr;
    std::string sql = "ATTACH DATABASE ?1 AS " + QuoteIdent(alias);
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(st, 1, uri.c_str(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    std::string msg = sqlite3_errmsg(db_);
    sqlite3_finalize(st);
    if (rc != SQLITE_OK) {
        throw CdbException("Cannot open the database " + Quoted(display) +
                           " named in an IN clause: " + msg);
    }
}

void DatabaseImpl::MakeRoomForAttachment() {
    const int limit = sqlite3_limit(db_, SQLITE_LIMIT_ATTACHED, -1);
    if (static_cast<int>(attachments_.size()) < limit) return;
    for (size_t i = 0; i < attachments_.size();) {
        Attachment& a = *attachments_[i];
        bool inUse = a.users > 0 || std::find(used_.begin(), used_.end(), a.id) != used_.end();
        if (!inUse) {
            std::string sql = "DETACH DATABASE " + QuoteIdent(a.alias);
            if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
                attachments_.erase(attachments_.begin() + static_cast<long>(i));
                if (static_cast<int>(attachments_.size()) < limit) return;
                continue;
            }
        }
        ++i;
    }
    throw CdbException("Too many other databases are in use by open recordsets of '" + display_ +
                       "' (at most " + std::to_string(limit) + "); close some recordsets first");
}

Catalog* DatabaseImpl::CatalogForPath(const std::string& path, const std::string& where) {
    const std::string what = "the database " + Quoted(path) + " named in " + where;
    const std::string fs = FsPathOf(path);
    FileFacts facts = Inspect(fs, what);
    if (facts.key == key_) return main_.get();

    for (auto& a : attachments_) {
        if (a->stale || !(a->key == facts.key)) continue;
        if (auto* shared = dynamic_cast<SharedJetSource*>(a->jet.get())) {
            if (!shared->OwnerOpen()) {
                a->stale = true;
                continue;
            }
        }
        used_.push_back(a->id);
        return a->catalog.get();
    }

    MakeRoomForAttachment();
    auto a = std::make_unique<Attachment>();
    a->id = nextAttachment_++;
    a->alias = "x" + std::to_string(a->id);
    a->key = facts.key;
    std::shared_ptr<DatabaseImpl> owner = FindOpen(facts.key);
    if (owner && owner.get() != this && owner->GetKind() == Kind::Jet) {
        // The reuse rule: attach the copy that the open database keeps.
        a->temp = owner->JetCopy();
        Attach(FileUri(a->temp->Path(), "mode=ro"), a->alias, path);
        a->jet = std::make_unique<SharedJetSource>(owner);
    } else if (owner && owner.get() != this && owner->GetKind() == Kind::SqliteWritable) {
        Attach(FileUri(owner->FsPath(), "mode=ro"), a->alias, path);
    } else if (IsSqlite(facts)) {
        CheckSqliteHeader(facts, what);
        CheckNoWal(fs, what);
        CheckNoHotJournal(fs, what);
        Attach(FileUri(fs, "immutable=1"), a->alias, path);
    } else if (jet::LooksLikeJetFile(fs)) {
        auto loader = OpenLoader(fs, path);
        a->temp = TempFile::Create("cdb-jet");
        Attach(FileUri(a->temp->Path(), nullptr), a->alias, path);
        try {
            // An in-memory journal, not none: a table load that fails half-way
            // rolls back and leaves no partial table in the copy.
            Exec(db_, "PRAGMA " + QuoteIdent(a->alias) + ".journal_mode=MEMORY",
                 "Cannot prepare the working copy of " + what);
        } catch (...) {
            sqlite3_exec(db_, ("DETACH DATABASE " + QuoteIdent(a->alias)).c_str(), nullptr, nullptr,
                         nullptr);
            throw;
        }
        a->jet = std::make_unique<PrivateJetSource>(std::move(loader), db_, a->alias, path);
    } else {
        throw CdbException("Cannot open " + what +
                           ": it is neither a SQLite nor a Jet (.mdb) database file");
    }
    a->catalog = std::make_unique<SchemaCatalog>(db_, a->alias, path, a->jet.get());
    try {
        a->catalog->Validate();
    } catch (...) {
        sqlite3_exec(db_, ("DETACH DATABASE " + QuoteIdent(a->alias)).c_str(), nullptr, nullptr,
                     nullptr);
        throw;
    }
    used_.push_back(a->id);
    attachments_.push_back(std::move(a));
    return attachments_.back()->catalog.get();
}

void DatabaseImpl::ReleaseAttachments(const std::vector<int>& ids) {
    for (int id : ids) {
        for (auto& a : attachments_) {
            if (a->id == id && a->users > 0) --a->users;
        }
    }
}

// ------------------------------------------------------------------ recordsets

std::shared_ptr<RecordsetImpl> DatabaseImpl::OpenRecordset(const char* source, int type,
                                                           int options) {
    CheckOpen("open a recordset");
    if (source == nullptr || *source == '\0') {
        throw CdbException("Cannot open a recordset on '" + display_ +
                           "': no table name or SQL text was given");
    }
    (void)options;  // every recordset is read-only
    const std::string text = source;
    sql::Query query;
    std::string countSql;
    if (type == dbOpenTable) {
        const TableInfo* ti = main_->FindTable(text);
        if (ti == nullptr) {
            throw CdbException("Cannot open the table '" + text + "' of '" + display_ +
                               "': there is no such table" +
                               (main_->FindQuery(text) ? " (it is a stored query; open it as a "
                                                         "dynaset)"
                                                       : ""));
        }
        sql::SelectCore core;
        sql::SelectItem star;
        star.kind = sql::SelectItem::Kind::Star;
        core.items.push_back(std::move(star));
        auto ref = std::make_unique<sql::TableRef>();
        ref->name = ti->name;
        core.from.push_back(std::move(ref));
        query.cores.push_back(std::move(core));
        countSql = "SELECT count(*) FROM " + QuoteIdent(ti->schema) + "." + QuoteIdent(ti->sqlName);
    } else if (type == dbOpenDynaset || type == 4 /* snapshot */ || type == 8 /* forward-only */) {
        query = sql::Parse(text);
    } else {
        throw CdbException("Cannot open a recordset on '" + display_ + "': the recordset type " +
                           std::to_string(type) + " is not supported (1 table, 2 dynaset)");
    }
    used_.clear();
    Translation t = Translate(query, text, *this);
    sqlite3_stmt* stmt = nullptr;
    int rc =
        sqlite3_prepare_v3(db_, t.sql.c_str(), static_cast<int>(t.sql.size()), 0, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        throw CdbException("The query cannot be run on '" + display_ + "': " + msg + ". SQL: " +
                           sql::Excerpt(text) + " [SQLite: " + sql::Excerpt(t.sql) + "]");
    }
    std::vector<int> ids = used_;
    used_.clear();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    for (int id : ids) {
        for (auto& a : attachments_) {
            if (a->id == id) ++a->users;
        }
    }
    auto rs = std::make_shared<RecordsetImpl>(shared_from_this(), stmt, std::move(t.columns), text,
                                              std::move(ids), std::move(countSql));
    recordsets_.erase(std::remove_if(recordsets_.begin(), recordsets_.end(),
                                     [](const auto& w) { return w.expired(); }),
                      recordsets_.end());
    recordsets_.push_back(rs);
    rs->Start();
    return rs;
}

void DatabaseImpl::CreateQueryDef(const char* name, const char* sqlText) {
    CheckOpen("create a stored query");
    if (kind_ != Kind::SqliteWritable) {
        throw CdbException("Cannot create a stored query in '" + display_ +
                           "': the database is open read-only");
    }
    if (name == nullptr || *name == '\0') {
        throw CdbException("Cannot create a stored query in '" + display_ + "': it has no name");
    }
    if (sqlText == nullptr || *sqlText == '\0') {
        throw CdbException("Cannot create the stored query '" + std::string(name) + "' in '" +
                           display_ + "': it has no SQL text");
    }
    try {
        sql::Parse(sqlText);
    } catch (const CdbException& e) {
        throw CdbException("Cannot create the stored query '" + std::string(name) + "' in '" +
                           display_ + "': " + e.what());
    }
    if (main_->HasObject(name)) {
        throw CdbException("Cannot create the stored query '" + std::string(name) + "' in '" +
                           display_ + "': a table or query of that name already exists");
    }
    Exec(db_, "CREATE TABLE IF NOT EXISTS MSysCdbQueries (Name TEXT NOT NULL, SQL TEXT NOT NULL)",
         "Cannot create the stored query '" + std::string(name) + "' in '" + display_ + "'");
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, "INSERT INTO MSysCdbQueries (Name, SQL) VALUES (?1, ?2)", -1,
                                &st, nullptr);
    if (rc == SQLITE_OK) {
        std::string n = text::Cp1252ToUtf8(name);
        std::string s = text::Cp1252ToUtf8(sqlText);
        sqlite3_bind_text(st, 1, n.c_str(), static_cast<int>(n.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    std::string msg = sqlite3_errmsg(db_);
    sqlite3_finalize(st);
    if (rc != SQLITE_OK) {
        throw CdbException("Cannot create the stored query '" + std::string(name) + "' in '" +
                           display_ + "': " + msg);
    }
    main_->Invalidate();
}

}  // namespace cdb::internal
