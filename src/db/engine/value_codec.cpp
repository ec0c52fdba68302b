// value_codec.cpp - currency and date conversions, SQLite functions, reading
// column values as variants.
#include "db/engine/value_codec.h"

#include <sqlite3.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "db/engine/text_cp1252.h"

namespace cdb::codec {

// ---------------------------------------------------------------- currency

bool WholeUnitsToTenThousandths(int64_t units, int64_t* out) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max() / 10000;
    if (units > kMax || units < -kMax) return false;
    *out = units * 10000;
    return true;
}

bool UnitsToTenThousandths(double v, int64_t* out) {
    if (!std::isfinite(v)) return false;
    if (std::fabs(v) >= 922337203685477.5808) return false;
    // Fast path: far from a rounding boundary the nearest integer of
    // v * 10000 is what the decimal rule gives (see the header).
    if (std::fabs(v) < 1e9) {
        double s = v * 10000.0;
        double r = std::nearbyint(s);
        if (std::fabs(s - r) < 1e-3) {
            *out = static_cast<int64_t>(r);
            return true;
        }
    }
    // Exact path: the shortest decimal form of v, rounded half away from
    // zero at the fourth decimal.
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc()) return false;
    const char* p = buf;
    const char* end = res.ptr;
    bool neg = false;
    if (p < end && *p == '-') {
        neg = true;
        ++p;
    }
    __int128 whole = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        whole = whole * 10 + (*p - '0');
        if (whole > static_cast<__int128>(1) << 60) return false;
        ++p;
    }
    int frac = 0;
    int digits = 0;
    int roundDigit = 0;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && *p >= '0' && *p <= '9') {
            if (digits < 4) {
                frac = frac * 10 + (*p - '0');
            } else if (digits == 4) {
                roundDigit = *p - '0';
            }
            ++digits;
            ++p;
        }
    }
    while (digits < 4) {
        frac *= 10;
        ++digits;
    }
    __int128 e4 = whole * 10000 + frac + (roundDigit >= 5 ? 1 : 0);
    if (neg) e4 = -e4;
    if (e4 > std::numeric_limits<int64_t>::max() || e4 < std::numeric_limits<int64_t>::min()) {
        return false;
    }
    *out = static_cast<int64_t>(e4);
    return true;
}

// ---------------------------------------------------------------- dates

int64_t OleDayNumber(int64_t y, unsigned m, unsigned d) {
    // days_from_civil (H. Hinnant), relative to 1970-01-01.
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int64_t days1970 = era * 146097 + doe - 719468;
    return days1970 + 25569;  // 1899-12-30 is day -25569 of 1970
}

namespace {

bool Digits(const char*& p, const char* end, int n, int* value) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p >= end || *p < '0' || *p > '9') return false;
        v = v * 10 + (*p - '0');
        ++p;
    }
    *value = v;
    return true;
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

}  // namespace

bool ParseIsoDate(const char* text, size_t len, double* oleDate) {
    const char* p = text;
    const char* end = text + len;
    int year, month, day;
    if (!Digits(p, end, 4, &year) || p >= end || *p != '-') return false;
    ++p;
    if (!Digits(p, end, 2, &month) || p >= end || *p != '-') return false;
    ++p;
    if (!Digits(p, end, 2, &day)) return false;
    if (month < 1 || month > 12 || day < 1) return false;
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int dim = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    if (day > dim) return false;
    int hour = 0, minute = 0, second = 0;
    int64_t fraction = 0;  // in units of 10^-fracDigits seconds
    int fracDigits = 0;
    if (p < end) {
        if (*p != ' ' && *p != 'T') return false;
        ++p;
        if (!Digits(p, end, 2, &hour) || p >= end || *p != ':') return false;
        ++p;
        if (!Digits(p, end, 2, &minute)) return false;
        if (p < end && *p == ':') {
            ++p;
            if (!Digits(p, end, 2, &second)) return false;
            if (p < end && *p == '.') {
                ++p;
                if (p >= end || *p < '0' || *p > '9') return false;
                while (p < end && *p >= '0' && *p <= '9') {
                    if (fracDigits < 9) {
                        fraction = fraction * 10 + (*p - '0');
                        ++fracDigits;
                    }
                    ++p;
                }
            }
        }
        if (p != end) return false;
        if (hour > 23 || minute > 59 || second > 59) return false;
    }
    int64_t days = OleDayNumber(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    int64_t scale = 1;
    for (int i = 0; i < fracDigits; ++i) scale *= 10;
    const int64_t perDay = 86400 * scale;
    const int64_t t = (static_cast<int64_t>(hour) * 3600 + minute * 60 + second) * scale + fraction;
    const int64_t whole = days < 0 ? -days : days;
    double value;
    if (fracDigits <= 3) {
        // Both operands are exact doubles (< 2^53): one correctly rounded
        // division.
        value = static_cast<double>(whole * perDay + t) / static_cast<double>(perDay);
    } else {
        value = static_cast<double>(static_cast<long double>(whole * perDay + t) /
                                    static_cast<long double>(perDay));
    }
    *oleDate = days < 0 ? -value : value;
    return true;
}

// ---------------------------------------------------------------- SQLite

namespace {

void FnCurrency(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER: {
            int64_t n = sqlite3_value_int64(v);
            int64_t e4;
            if (WholeUnitsToTenThousandths(n, &e4)) {
                sqlite3_result_int64(ctx, e4);
            } else {
                sqlite3_result_double(ctx, static_cast<double>(n));
            }
            return;
        }
        case SQLITE_FLOAT: {
            double d = sqlite3_value_double(v);
            int64_t e4;
            if (UnitsToTenThousandths(d, &e4)) {
                sqlite3_result_int64(ctx, e4);
            } else {
                sqlite3_result_double(ctx, d);
            }
            return;
        }
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        default:
            sqlite3_result_value(ctx, v);
            return;
    }
}

void FnDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            sqlite3_result_double(ctx, sqlite3_value_double(v));
            return;
        case SQLITE_TEXT: {
            const char* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
            int n = sqlite3_value_bytes(v);
            double ole;
            if (s != nullptr && ParseIsoDate(s, static_cast<size_t>(n), &ole)) {
                sqlite3_result_double(ctx, ole);
            } else {
                sqlite3_result_value(ctx, v);
            }
            return;
        }
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        default:
            sqlite3_result_value(ctx, v);
            return;
    }
}

int Collate(void*, int alen, const void* a, int blen, const void* b) {
    return text::CompareJetText(a, alen, b, blen);
}

}  // namespace

int RegisterFunctions(sqlite3* db) {
    int rc =
        sqlite3_create_collation_v2(db, text::kCollation, SQLITE_UTF8, nullptr, Collate, nullptr);
    if (rc != SQLITE_OK) return rc;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    rc = sqlite3_create_function_v2(db, "cdb_cy", 1, flags, nullptr, FnCurrency, nullptr, nullptr,
                                    nullptr);
    if (rc != SQLITE_OK) return rc;
    return sqlite3_create_function_v2(db, "cdb_date", 1, flags, nullptr, FnDate, nullptr, nullptr,
                                      nullptr);
}

// ---------------------------------------------------------------- reading

namespace {

struct ColumnAccess {
    sqlite3_stmt* s;
    int c;
    int Type() const { return sqlite3_column_type(s, c); }
    int64_t Int() const { return sqlite3_column_int64(s, c); }
    double Real() const { return sqlite3_column_double(s, c); }
    const unsigned char* Text() const { return sqlite3_column_text(s, c); }
    const void* Blob() const { return sqlite3_column_blob(s, c); }
    int Bytes() const { return sqlite3_column_bytes(s, c); }
};

struct ValueAccess {
    sqlite3_value* v;
    int Type() const { return sqlite3_value_type(v); }
    int64_t Int() const { return sqlite3_value_int64(v); }
    double Real() const { return sqlite3_value_double(v); }
    const unsigned char* Text() const { return sqlite3_value_text(v); }
    const void* Blob() const { return sqlite3_value_blob(v); }
    int Bytes() const { return sqlite3_value_bytes(v); }
};

inline void SetNull(COleVariant& out) {
    out.vt = VT_NULL;
}

// An integer that does not fit its column's type: 32-bit when it fits, else
// a double.  `narrowest16` allows a 16-bit result (for a byte column).
inline void IntegerAsItIs(int64_t n, COleVariant& out, bool narrowest16) {
    if (narrowest16 && n >= INT16_MIN && n <= INT16_MAX) {
        out.vt = VT_I2;
        out.iVal = static_cast<int16_t>(n);
    } else if (n >= INT32_MIN && n <= INT32_MAX) {
        out.vt = VT_I4;
        out.lVal = static_cast<int32_t>(n);
    } else {
        out.vt = VT_R8;
        out.dblVal = static_cast<double>(n);
    }
}

template <class A>
void Read(const A& a, JetType type, COleVariant& out) {
    switch (a.Type()) {
        case SQLITE_NULL:
            SetNull(out);
            return;
        case SQLITE_INTEGER: {
            const int64_t n = a.Int();
            switch (type) {
                case JetType::Bit:
                    if (n == 0 || n == 1 || n == -1) {
                        out.vt = VT_BOOL;
                        out.boolVal = n != 0;
                    } else {
                        IntegerAsItIs(n, out, true);
                    }
                    return;
                case JetType::Byte:
                    if (n >= 0 && n <= 255) {
                        out.vt = VT_UI1;
                        out.bVal = static_cast<uint8_t>(n);
                    } else {
                        IntegerAsItIs(n, out, true);
                    }
                    return;
                case JetType::Short:
                    IntegerAsItIs(n, out, true);
                    return;
                case JetType::Long:
                    IntegerAsItIs(n, out, false);
                    return;
                case JetType::Currency:
                    out.vt = VT_CY;
                    out.cyVal = n;
                    return;
                case JetType::Single:
                    out.vt = VT_R4;
                    out.fltVal = static_cast<float>(n);
                    return;
                case JetType::Double:
                    out.vt = VT_R8;
                    out.dblVal = static_cast<double>(n);
                    return;
                case JetType::DateTime:
                    out.vt = VT_DATE;
                    out.date = static_cast<double>(n);
                    return;
                default:
                    IntegerAsItIs(n, out, false);
                    return;
            }
        }
        case SQLITE_FLOAT: {
            const double d = a.Real();
            if (type == JetType::Single && !(std::fabs(d) > FLT_MAX)) {
                out.vt = VT_R4;
                out.fltVal = static_cast<float>(d);
            } else if (type == JetType::DateTime) {
                out.vt = VT_DATE;
                out.date = d;
            } else {
                out.vt = VT_R8;
                out.dblVal = d;
            }
            return;
        }
        case SQLITE_TEXT: {
            const auto* p = reinterpret_cast<const char*>(a.Text());
            const int n = a.Bytes();
            out.vt = VT_BSTR;
            if (p == nullptr) {
                out.strVal.clear();
            } else {
                text::Utf8ToCp1252(p, static_cast<size_t>(n), out.strVal);
            }
            return;
        }
        default: {  // SQLITE_BLOB
            const auto* p = static_cast<const char*>(a.Blob());
            const int n = a.Bytes();
            out.vt = VT_ARRAY_UI1;
            out.strVal.assign(p == nullptr ? "" : p, p == nullptr ? 0 : static_cast<size_t>(n));
            return;
        }
    }
}

}  // namespace

void ReadColumn(sqlite3_stmt* stmt, int col, JetType type, COleVariant& out) {
    Read(ColumnAccess{stmt, col}, type, out);
}

void ReadValue(sqlite3_value* value, JetType type, COleVariant& out) {
    Read(ValueAccess{value}, type, out);
}

}  // namespace cdb::codec
