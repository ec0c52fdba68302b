// entry_key.cpp - reading the Batch and Entry of a row.

#include "journal/entry_key.h"

namespace aap {

namespace {

std::optional<int64_t> WholeNumber(const cdb::COleVariant& value) {
    switch (value.vt) {
        case cdb::VT_I2:
            return value.iVal;
        case cdb::VT_I4:
            return value.lVal;
        case cdb::VT_UI1:
            return value.bVal;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<EntryKey> ReadEntryKey(const cdb::CdbRecordset& rs) {
    const std::optional<int64_t> batch = WholeNumber(rs.GetField("Batch"));
    const std::optional<int64_t> entry = WholeNumber(rs.GetField("Entry"));
    if (!batch || !entry) return std::nullopt;
    return EntryKey{*batch, *entry};
}

}  // namespace aap
