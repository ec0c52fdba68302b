// entry_key.cpp - reading the Batch and Entry of a row.

#include "journal/entry_key.h"

#include "db/field_readers.h"

namespace aap {

std::optional<EntryKey> ReadEntryKey(const cdb::CdbRecordset& rs) {
    const std::optional<int64_t> batch = ReadWholeNumberField(rs, "Batch");
    const std::optional<int64_t> entry = ReadWholeNumberField(rs, "Entry");
    if (!batch || !entry) return std::nullopt;
    return EntryKey{*batch, *entry};
}

}  // namespace aap
