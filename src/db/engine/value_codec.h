// value_codec.h - exact conversions between stored values and variants.
//
// Currency: a number in currency units becomes the exact count of
// ten-thousandths, rounded half away from zero at the fourth decimal of its
// shortest decimal form (12.3456 -> 123456, not 123455).
// Dates: ISO-8601 text ('1997-07-01', '1997-07-01 13:45', '...:00.568')
// becomes the OLE date, the closest double to days + time/86400 (before
// 1899-12-30 the whole part counts back and the fraction forward).
//
// The SQLite side: every connection of the engine gets the collation
// JETTEXT and the functions cdb_cy(x) (currency units -> ten-thousandths)
// and cdb_date(x) (ISO text or number -> OLE date); values that do not fit
// come back unchanged (text stays text), so a reader sees what they are.

#ifndef AAP_DB_ENGINE_VALUE_CODEC_H_
#define AAP_DB_ENGINE_VALUE_CODEC_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "db/engine/jet_type.h"
#include "db/engine/variant.h"

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace cdb::codec {

// Currency units (a double) -> ten-thousandths.  False when not finite or
// outside the currency range.
bool UnitsToTenThousandths(double units, int64_t* out);
// Whole currency units -> ten-thousandths.  False when outside the range.
bool WholeUnitsToTenThousandths(int64_t units, int64_t* out);

// ISO-8601 date text -> OLE date.  False when the text is not a date.
bool ParseIsoDate(const char* text, size_t len, double* oleDate);

// Days from 1899-12-30 of a proleptic Gregorian date.
int64_t OleDayNumber(int64_t year, unsigned month, unsigned day);

// Registers the collation and functions on a connection.  Returns a SQLite
// result code.
int RegisterFunctions(sqlite3* db);

// The value of column `col` of the current row of `stmt`, as a variant of
// the column's Jet type (or of what the value is, when it does not fit).
void ReadColumn(sqlite3_stmt* stmt, int col, JetType type, COleVariant& out);
// The same for a protected value (a copy of a row).
void ReadValue(sqlite3_value* value, JetType type, COleVariant& out);

}  // namespace cdb::codec

#endif  // AAP_DB_ENGINE_VALUE_CODEC_H_
