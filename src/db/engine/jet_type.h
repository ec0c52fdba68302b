// jet_type.h - the Jet type of a column or expression.
//
// Every result column of a query has a Jet type, from the declared type of a
// table column or from the typing rules of the SQL front end.  Inside the
// SQLite SQL that the engine writes, values keep one form per type:
//   Currency  an integer count of ten-thousandths (exact; see cdb_cy)
//   DateTime  an OLE date as a REAL (ISO text is turned into it by cdb_date)
//   others    as stored.

#ifndef AAP_DB_ENGINE_JET_TYPE_H_
#define AAP_DB_ENGINE_JET_TYPE_H_

#include <cstdint>
#include <string_view>

namespace cdb {

enum class JetType : uint8_t {
    Null,      // the Null literal: takes the type of what it meets
    Bit,       // yes/no
    Byte,      // 8-bit unsigned
    Short,     // 16-bit signed
    Long,      // 32-bit signed
    Currency,  // 64-bit ten-thousandths
    Single,
    Double,
    DateTime,
    Text,
    Memo,
    Binary,   // long binary (OLE object)
    Unknown,  // no declared type: the value's own storage class decides
};

// How a table column's stored values are turned into the engine's form.
enum class StoredForm : uint8_t {
    AsIs,           // already in the engine's form
    CurrencyUnits,  // CURRENCY in a SQLite file: a number in currency units
    DateAny,        // DATETIME: ISO-8601 text or an OLE date number
};

struct DeclaredType {
    JetType type = JetType::Unknown;
    StoredForm form = StoredForm::AsIs;
};

// The Jet type of a SQLite declared column type: Jet names (SHORT, LONG,
// CURRENCY, DOUBLE, SINGLE, DATETIME, TEXT(n), MEMO, BIT, BYTE), the usual
// synonyms, and CURRENCY_E4 / LONGBINARY of the Jet copies.
DeclaredType ParseDeclaredType(std::string_view decl);

// The variant type code that values of this type arrive as (VT_EMPTY for
// Null and Unknown, whose values decide for themselves).
uint16_t VarTypeOf(JetType t);

// The wider of two types, in the order yes/no < byte < 16-bit < 32-bit <
// currency < single < double < text (memo counts as text and wins over it).
// Null gives way to anything.  Date/time meets date/time as date/time, a
// number as double, text as text.  Binary or Unknown with anything else
// gives Unknown.
JetType Widen(JetType a, JetType b);

bool IsTextType(JetType t);     // Text, Memo
bool IsIntegerType(JetType t);  // Bit, Byte, Short, Long
bool IsNumericType(JetType t);  // integers, Currency, Single, Double

const char* JetTypeName(JetType t);

}  // namespace cdb

#endif  // AAP_DB_ENGINE_JET_TYPE_H_
