// read_only_query.h - opening the module's queries: every recordset the
// company and journal code opens over SQL is a read-only dynaset with the
// default lock setting.

#ifndef AAP_DB_READ_ONLY_QUERY_H_
#define AAP_DB_READ_ONLY_QUERY_H_

#include <string>

#include "db/engine/cdb.h"

namespace aap {

inline cdb::CdbRecordset OpenReadOnlyQuery(cdb::CdbDatabase& db, const std::string& sql) {
    return db.OpenRecordset(sql.c_str(), cdb::dbOpenDynaset, cdb::dbReadOnly, cdb::dbDefaultLock);
}

}  // namespace aap

#endif  // AAP_DB_READ_ONLY_QUERY_H_
