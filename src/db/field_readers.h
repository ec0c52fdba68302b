// field_readers.h - the six typed readers of a column on a recordset's row.
//
// Each reader takes one named column of the current row of a recordset and
// turns its value into a plain value for a host record.  A reader accepts
// exactly the variant types listed with it and gives zero, (0, 0, 0) or empty
// text for any other type, an empty (Null) column included: a value of the
// wrong type is never an error.  A missing column or a recordset without a
// current row is an engine failure and leaves as a CdbException.  No reader
// moves the recordset.

#ifndef AAP_DB_FIELD_READERS_H_
#define AAP_DB_FIELD_READERS_H_

#include <cstddef>
#include <cstdint>
#include <optional>

#include "db/engine/cdb.h"
#include "plugin/host_records.h"

namespace aap {

// VT_DATE: the calendar date of the OLE date; otherwise 0, 0, 0.
HostDate ReadDateField(const cdb::CdbRecordset& rs, const char* column);
// VT_I2 only; otherwise 0.
int16_t ReadShortField(const cdb::CdbRecordset& rs, const char* column);
// VT_I4 only; otherwise 0.
int32_t ReadLongField(const cdb::CdbRecordset& rs, const char* column);
// VT_R8 only; otherwise 0.0.
double ReadDoubleField(const cdb::CdbRecordset& rs, const char* column);
// VT_CY, changed to a double (the count of ten-thousandths / 10000); otherwise 0.0.
double ReadCurrencyField(const cdb::CdbRecordset& rs, const char* column);
// VT_BSTR as the text, VT_I2 and VT_I4 as decimal digits; otherwise empty
// text.  The text is cut to the field: at most width - 1 bytes and the
// terminator are written.
void ReadTextField(const cdb::CdbRecordset& rs, const char* column, char* dest, std::size_t width);

// A whole number of any integer type (VT_I2, VT_I4, VT_UI1); nothing for any
// other type, an empty column included.  For the columns that only have to be
// whole numbers: the keys of journal entries and lines, budget numbers.
std::optional<int64_t> ReadWholeNumberField(const cdb::CdbRecordset& rs, const char* column);

template <std::size_t N>
void ReadTextField(const cdb::CdbRecordset& rs, const char* column, char (&dest)[N]) {
    ReadTextField(rs, column, dest, N);
}

}  // namespace aap

#endif  // AAP_DB_FIELD_READERS_H_
