// jet_table_loader.h - copies tables of a Jet (.mdb) file into SQLite.
//
// The engine runs every query over SQLite.  For a Jet company it keeps a
// private SQLite copy of the tables a query names, read from the Jet file on
// first use.  This is the one door between the engine and the Jet reader:
// the reading itself happens in a separate program (the file's parser is not
// safe on damaged files, so it never runs inside the host's process).
//
// The copy of a table keeps the Jet table and column names exactly (UTF-8)
// and declares each column with its Jet type, so the engine types values the
// same way as for a SQLite company:
//
//   Jet column          declared type   stored as
//   Integer             SHORT           integer
//   Long Integer        LONG            integer
//   Byte                BYTE            integer
//   Yes/No              BIT             integer 0/1 (never NULL)
//   Currency            CURRENCY_E4     integer: exact count of ten-thousandths
//   Double              DOUBLE          real, bit-exact
//   Single              SINGLE          real (the float widened exactly)
//   Date/Time           DATETIME        real: the stored OLE date
//   Text (n)            TEXT(n)         text, UTF-8, whole
//   Memo                LONGTEXT        text, UTF-8, whole (TEXT affinity, so a
//                                       memo that looks like a number stays text)
//   OLE / Binary / other LONGBINARY     blob (or NULL)
//
// NULL stays NULL and is told apart from an empty text.

#ifndef AAP_DB_ENGINE_JET_JET_TABLE_LOADER_H_
#define AAP_DB_ENGINE_JET_JET_TABLE_LOADER_H_

#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace cdb::jet {

// True when the first bytes of the file say it is a Jet 3 or Jet 4 database.
bool LooksLikeJetFile(const std::string& path);

class JetTableLoader {
  public:
    // Checks that `mdbPath` is a readable Jet file and lists its user tables.
    // Throws CdbException (naming the file) when it is not.
    static std::unique_ptr<JetTableLoader> Open(const std::string& mdbPath);
    virtual ~JetTableLoader() = default;

    // The user tables of the file, as stored (UTF-8).
    virtual const std::vector<std::string>& TableNames() const = 0;

    // Creates table `name` (as listed by TableNames) in schema `schema` of
    // `db` with the declared types above and copies every row into it.
    // Throws CdbException when the table cannot be read whole (a crash, a
    // hang or a row count that disagrees with the table's header).
    virtual void LoadTable(const std::string& name, sqlite3* db,
                           const std::string& schema = "main") = 0;
};

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_JET_TABLE_LOADER_H_
