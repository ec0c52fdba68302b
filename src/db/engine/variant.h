// variant.h - COleVariant, the typed column value of the database classes.
//
// A value read from a recordset arrives as a variant: a 16-bit type code and
// the value of that type.  The codes are the OLE Automation ones; callers
// compare the code whole.  Text is single-byte Windows-1252 and may hold zero
// bytes (a reader that copies into zero-terminated text stops at the first).
// Currency is the exact signed 64-bit count of ten-thousandths; a date is the
// OLE date, a double counting days from 30 December 1899.

#ifndef AAP_DB_ENGINE_VARIANT_H_
#define AAP_DB_ENGINE_VARIANT_H_

#include <cstdint>
#include <string>

namespace cdb {

// Variant type codes used by the engine (values as in OLE Automation).
enum VarType : uint16_t {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,     // 16-bit signed integer (Jet Integer)
    VT_I4 = 3,     // 32-bit signed integer (Jet Long)
    VT_R4 = 4,     // single
    VT_R8 = 5,     // double
    VT_CY = 6,     // currency: int64 count of ten-thousandths
    VT_DATE = 7,   // OLE date
    VT_BSTR = 8,   // text (Windows-1252 bytes)
    VT_BOOL = 11,  // yes/no
    VT_UI1 = 17,   // byte
    // Added by the engine: long binary (OLE object) data, as the database delivers it
    // (VT_ARRAY | VT_UI1); the bytes are in strVal.  No reader accepts it.
    VT_ARRAY_UI1 = 0x2011,
};

// A value together with its type code.  Copyable, cheap for numbers.
class COleVariant {
  public:
    COleVariant() = default;  // VT_EMPTY

    static COleVariant Null();
    static COleVariant Short(int16_t v);
    static COleVariant Long(int32_t v);
    static COleVariant Single(float v);
    static COleVariant Double(double v);
    static COleVariant Currency(int64_t tenThousandths);
    static COleVariant Date(double oleDate);
    static COleVariant Text(std::string cp1252);
    static COleVariant Bool(bool v);
    static COleVariant Byte(uint8_t v);
    static COleVariant Binary(std::string bytes);  // VT_ARRAY_UI1 (added)

    uint16_t vt = VT_EMPTY;
    int16_t iVal = 0;      // VT_I2
    int32_t lVal = 0;      // VT_I4
    float fltVal = 0;      // VT_R4
    double dblVal = 0;     // VT_R8
    int64_t cyVal = 0;     // VT_CY
    double date = 0;       // VT_DATE
    bool boolVal = false;  // VT_BOOL
    uint8_t bVal = 0;      // VT_UI1
    std::string strVal;    // VT_BSTR (Windows-1252); VT_ARRAY_UI1 (bytes)
};

}  // namespace cdb

#endif  // AAP_DB_ENGINE_VARIANT_H_
