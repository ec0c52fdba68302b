// entry_key.h - the Batch and Entry that tie journal lines to their entry.

#ifndef AAP_JOURNAL_ENTRY_KEY_H_
#define AAP_JOURNAL_ENTRY_KEY_H_

#include <compare>
#include <cstdint>
#include <optional>

#include "db/engine/cdb.h"

namespace aap {

// The key of a journal entry or line.  Both columns are whole numbers; a
// row whose Batch or Entry is empty (or not a whole number) has no key and
// belongs to no entry.
struct EntryKey {
    int64_t batch = 0;
    int64_t entry = 0;
    auto operator<=>(const EntryKey&) const = default;
};

// The key of the recordset's current row, read from its Batch and Entry columns.
std::optional<EntryKey> ReadEntryKey(const cdb::CdbRecordset& rs);

}  // namespace aap

#endif  // AAP_JOURNAL_ENTRY_KEY_H_
