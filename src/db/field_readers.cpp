// field_readers.cpp - the six typed column readers.

#include "db/field_readers.h"

#include <charconv>

#include "db/ole_date.h"

namespace aap {

HostDate ReadDateField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
    if (value.vt != cdb::VT_DATE) return HostDate{0, 0, 0};
    return OleDateToCalendar(value.date);
}

int16_t ReadShortField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
    return value.vt == cdb::VT_I2 ? value.iVal : 0;
}

int32_t ReadLongField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
    return value.vt == cdb::VT_I4 ? value.lVal : 0;
}

double ReadDoubleField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
    return value.vt == cdb::VT_R8 ? value.dblVal : 0.0;
}

double ReadCurrencyField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
    return value.vt == cdb::VT_CY ? static_cast<double>(value.cyVal) / 10000.0 : 0.0;
}

std::optional<int64_t> ReadWholeNumberField(const cdb::CdbRecordset& rs, const char* column) {
    const cdb::COleVariant value = rs.GetField(column);
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

void ReadTextField(const cdb::CdbRecordset& rs, const char* column, char* dest, std::size_t width) {
    const cdb::COleVariant value = rs.GetField(column);
    switch (value.vt) {
        case cdb::VT_BSTR:
            WriteRecordText(dest, width, value.strVal);
            return;
        case cdb::VT_I2:
        case cdb::VT_I4: {
            char digits[16];
            const int32_t number = value.vt == cdb::VT_I2 ? value.iVal : value.lVal;
            const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
            WriteRecordText(dest, width, std::string_view(digits, end - digits));
            return;
        }
        default:
            WriteRecordText(dest, width, std::string_view());
            return;
    }
}

}  // namespace aap
