// sql_translate.h - writes a Jet syntax tree out as SQLite SQL.
//
// The translator resolves every table, stored query and column of the tree
// against catalogs (one per database that the statement reaches), types every
// expression with Jet's rules, names the result columns as Jet does, and
// writes SQLite SQL in which every table is schema-qualified and every
// column qualified by a private alias (t0, t1, ...).  Stored queries become
// common table expressions (q0, q1, ...).  Text comparisons, grouping,
// sorting and DISTINCT use the collation JETTEXT; currency is computed as
// exact ten-thousandths and dates as OLE dates (see jet_type.h).

#ifndef AAP_DB_ENGINE_SQL_TRANSLATE_H_
#define AAP_DB_ENGINE_SQL_TRANSLATE_H_

#include <string>
#include <string_view>
#include <vector>

#include "db/engine/jet_type.h"
#include "db/engine/sql_ast.h"

namespace cdb::internal {

struct TableColumn {
    std::string name;     // Windows-1252
    std::string sqlName;  // UTF-8, as stored
    DeclaredType type;
};

struct TableInfo {
    std::string schema;   // UTF-8 schema name in the connection ("main", "x1")
    std::string sqlName;  // UTF-8 table name as stored
    std::string name;     // Windows-1252 table name as stored
    bool hasRowid = true;
    std::vector<TableColumn> columns;
};

struct StoredQuery {
    std::string name;  // Windows-1252
    std::string sql;   // Windows-1252 Jet SQL
};

// One database as seen from the connection that runs the statement.
class Catalog {
  public:
    virtual ~Catalog() = default;
    // A table (or view) by name, compared without regard to case; tables of
    // a Jet file are copied in on first use.  Null when there is none.
    virtual const TableInfo* FindTable(std::string_view name) = 0;
    // A stored query by name, without regard to case.  Null when none.
    virtual const StoredQuery* FindQuery(std::string_view name) = 0;
    // The database file, for messages (Windows-1252).
    virtual const std::string& DisplayPath() const = 0;
};

// Finds the catalogs of a statement.
class Resolver {
  public:
    virtual ~Resolver() = default;
    // The database the statement runs on.
    virtual Catalog* DefaultCatalog() = 0;
    // The database named by an IN clause (Windows-1252 path), made reachable
    // from the connection (attached) as needed.  Throws CdbException when the
    // file cannot be opened; `where` says where the clause is.
    virtual Catalog* CatalogForPath(const std::string& path, const std::string& where) = 0;
};

struct OutputColumn {
    std::string name;       // offered name: plain, or Table.Column
    std::string plain;      // plain name
    std::string qualifier;  // table (or alias) the column comes from, or empty
    JetType type = JetType::Unknown;
};

struct Translation {
    std::string sql;  // UTF-8 SQLite SQL
    std::vector<OutputColumn> columns;
};

// Translates a parsed statement.  `sqlText` is the Jet SQL it was parsed
// from, for messages.  Throws CdbException naming the table, column or token
// (with its position) that cannot be resolved or typed.
Translation Translate(const sql::Query& query, std::string_view sqlText, Resolver& resolver);

// Quotes a UTF-8 identifier for SQLite ("name", inner quotes doubled).
std::string QuoteIdent(std::string_view utf8);

}  // namespace cdb::internal

#endif  // AAP_DB_ENGINE_SQL_TRANSLATE_H_
