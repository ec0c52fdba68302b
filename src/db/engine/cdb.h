// cdb.h - the public interface of the database engine.
//
// The converter reaches every database through these classes, in this order
// of use: an engine object, its workspace 0, a database opened on it, and
// recordsets opened on the database.  The SQL they accept is the Jet dialect
// (bracketed names, IIf, DISTINCTROW, UNION, IN "path", ...); the engine
// translates it and runs it over SQLite.  Company files may be SQLite files
// or Jet (.mdb) files; the engine tells them apart by their first bytes.
//
// Names, SQL text, paths and text values are single-byte Windows-1252.
// Every failure is thrown as a CdbException (cdb_exception.h).
//
// CdbDatabase and CdbRecordset are handles: default-constructed they hold
// nothing; assigning the result of an open over one releases (closes) what it
// held before; copies share the same open object.  Closing a database closes
// every recordset opened on it; using a closed recordset throws.
//
// The engine knows nothing of accounting or of the host.

#ifndef AAP_DB_ENGINE_CDB_H_
#define AAP_DB_ENGINE_CDB_H_

#include <cstdint>
#include <memory>
#include <string>

#include "db/engine/cdb_exception.h"
#include "db/engine/variant.h"

namespace cdb {

// Recordset types (OpenRecordset's second argument).
inline constexpr int dbOpenTable = 1;    // a whole table, standing on its first row
inline constexpr int dbOpenDynaset = 2;  // the rows of an SQL query
// Recordset options (third argument).
inline constexpr int dbReadOnly = 4;
// Lock setting (fourth argument): the default.
inline constexpr int dbDefaultLock = -1;
// Engine type (last argument of CdbDBEngine): Jet.
inline constexpr int dbUseJet = 2;
// MoveLast option: the default.
inline constexpr int dbMoveDefault = -1;

class CdbRecordset;
class CdbDatabase;

namespace internal {
class RecordsetImpl;
class DatabaseImpl;
}  // namespace internal

// One column of a recordset, bound to the recordset's current row.
class CdbField {
  public:
    // The column's value on the recordset's current row.  Throws when the
    // recordset is closed or has no current row.
    COleVariant GetValue() const;
    // The column's name as the recordset offers it (plain, or Table.Column
    // where two result columns share a name).
    std::string GetName() const;
    // The column's variant type code (VT_I2, VT_CY, VT_BSTR, ...).
    uint16_t GetType() const;

  private:
    friend class CdbFields;
    CdbField(std::shared_ptr<internal::RecordsetImpl> rs, int index);
    std::shared_ptr<internal::RecordsetImpl> rs_;
    int index_ = 0;
};

// The columns of a recordset.
class CdbFields {
  public:
    int GetCount() const;
    // By position, 0 .. GetCount()-1.
    CdbField Item(int index) const;
    // By name, compared without regard to case.  A plain name finds a column
    // offered as Table.Name when no other column has that name; Table.Name
    // finds a column offered under its plain name when it is unique.  Throws
    // CdbException naming the column when there is none.
    CdbField Item(const char* name) const;
    CdbField operator[](const char* name) const { return Item(name); }
    CdbField operator[](int index) const { return Item(index); }

  private:
    friend class CdbRecordset;
    explicit CdbFields(std::shared_ptr<internal::RecordsetImpl> rs);
    std::shared_ptr<internal::RecordsetImpl> rs_;
};

// A read-only, forward-streaming set of rows: a table or the result of a
// query.  Opening one never loads all its rows into memory.
class CdbRecordset {
  public:
    CdbRecordset();
    ~CdbRecordset();
    CdbRecordset(const CdbRecordset&);
    CdbRecordset& operator=(const CdbRecordset&);

    // Nonzero when there is no current row.
    bool GetEOF() const;
    void MoveNext();
    void MoveFirst();
    void MoveLast(int options = dbMoveDefault);
    // 0 when empty; at least 1 on a non-empty recordset; the whole number of
    // rows once MoveLast has run.
    int32_t GetRecordCount() const;

    CdbFields Fields() const;
    // Shortcut for Fields()[name].GetValue().
    COleVariant GetField(const char* name) const;

    void Close();
    bool IsOpen() const;

  private:
    friend class CdbDatabase;
    explicit CdbRecordset(std::shared_ptr<internal::RecordsetImpl> impl);
    std::shared_ptr<internal::RecordsetImpl> impl_;
};

// A stored query, as returned by CdbDatabase::CreateQueryDef.
class CdbQueryDef {
  public:
    CdbQueryDef() = default;
    explicit CdbQueryDef(std::string name) : name_(std::move(name)) {}
    const std::string& GetName() const { return name_; }

  private:
    std::string name_;
};

// An open database: a company file opened read-only, or a scratch database
// made by CdbWorkspace::CreateDatabase.
class CdbDatabase {
  public:
    CdbDatabase();
    ~CdbDatabase();
    CdbDatabase(const CdbDatabase&);
    CdbDatabase& operator=(const CdbDatabase&);

    // type: dbOpenTable with a table name, or dbOpenDynaset with Jet SQL.
    // options: dbReadOnly.  lockEdit: dbDefaultLock.
    CdbRecordset OpenRecordset(const char* source, int type = dbOpenDynaset,
                               int options = dbReadOnly, int lockEdit = dbDefaultLock);
    // Stores a named query in the database (which must be writable: one made
    // by CreateDatabase).  Later SQL may select from it by name, also after
    // the database was closed and opened again.
    CdbQueryDef CreateQueryDef(const char* name, const char* sql);

    // Closes the database and every recordset opened on it.
    void Close();
    bool IsOpen() const;

  private:
    friend class CdbWorkspace;
    explicit CdbDatabase(std::shared_ptr<internal::DatabaseImpl> impl);
    std::shared_ptr<internal::DatabaseImpl> impl_;
};

// A session of the engine.
class CdbWorkspace {
  public:
    // Opens a database file.  exclusive must be false; readOnly true for a
    // company (the file is never written); connect may be null.
    CdbDatabase OpenDatabase(const char* name, bool exclusive, bool readOnly,
                             const char* connect = nullptr);
    // Creates a new, empty database file at `name`; fails when the file
    // already exists.  locale (";LANGID=0x0409;CP=1252;COUNTRY=0") and
    // options (-1: default) are accepted as given.
    CdbDatabase CreateDatabase(const char* name, const char* locale, int options = -1);
};

// The workspaces of an engine; only workspace 0 exists.
class CdbWorkspaces {
  public:
    CdbWorkspace& Item(int index);
    CdbWorkspace& operator[](int index) { return Item(index); }

  private:
    CdbWorkspace workspace0_;
};

// The engine object.  Built per call with (false, true, nullptr, nullptr,
// nullptr, dbUseJet); databases opened through it outlive it.
class CdbDBEngine {
  public:
    explicit CdbDBEngine(bool privateEngine = false, bool start = true,
                         const char* iniPath = nullptr, const char* user = nullptr,
                         const char* password = nullptr, int type = dbUseJet);
    CdbWorkspaces Workspaces;
};

}  // namespace cdb

#endif  // AAP_DB_ENGINE_CDB_H_
