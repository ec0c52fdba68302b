// variant.cpp - the factory functions of COleVariant.
#include "db/engine/variant.h"

#include <utility>

namespace cdb {

COleVariant COleVariant::Null() {
    COleVariant v;
    v.vt = VT_NULL;
    return v;
}

COleVariant COleVariant::Short(int16_t x) {
    COleVariant v;
    v.vt = VT_I2;
    v.iVal = x;
    return v;
}

COleVariant COleVariant::Long(int32_t x) {
    COleVariant v;
    v.vt = VT_I4;
    v.lVal = x;
    return v;
}

COleVariant COleVariant::Single(float x) {
    COleVariant v;
    v.vt = VT_R4;
    v.fltVal = x;
    return v;
}

COleVariant COleVariant::Double(double x) {
    COleVariant v;
    v.vt = VT_R8;
    v.dblVal = x;
    return v;
}

COleVariant COleVariant::Currency(int64_t tenThousandths) {
    COleVariant v;
    v.vt = VT_CY;
    v.cyVal = tenThousandths;
    return v;
}

COleVariant COleVariant::Date(double oleDate) {
    COleVariant v;
    v.vt = VT_DATE;
    v.date = oleDate;
    return v;
}

COleVariant COleVariant::Text(std::string cp1252) {
    COleVariant v;
    v.vt = VT_BSTR;
    v.strVal = std::move(cp1252);
    return v;
}

COleVariant COleVariant::Bool(bool x) {
    COleVariant v;
    v.vt = VT_BOOL;
    v.boolVal = x;
    return v;
}

COleVariant COleVariant::Byte(uint8_t x) {
    COleVariant v;
    v.vt = VT_UI1;
    v.bVal = x;
    return v;
}

COleVariant COleVariant::Binary(std::string bytes) {
    COleVariant v;
    v.vt = VT_ARRAY_UI1;
    v.strVal = std::move(bytes);
    return v;
}

}  // namespace cdb
