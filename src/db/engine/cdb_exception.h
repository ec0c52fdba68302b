// cdb_exception.h - CdbException, the one failure the database classes throw.
//
// Every operation of the database classes reports failure by throwing a
// CdbException whose text says what failed and on what (file, table, column
// or SQL token and its position), so that a person can act on it.

#ifndef AAP_DB_ENGINE_CDB_EXCEPTION_H_
#define AAP_DB_ENGINE_CDB_EXCEPTION_H_

#include <stdexcept>
#include <string>

namespace cdb {

class CdbException : public std::runtime_error {
  public:
    explicit CdbException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace cdb

#endif  // AAP_DB_ENGINE_CDB_EXCEPTION_H_
