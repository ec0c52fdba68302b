// jet_type.cpp - declared types, widening, variant codes.
#include "db/engine/jet_type.h"

#include <string>

#include "db/engine/variant.h"

namespace cdb {

DeclaredType ParseDeclaredType(std::string_view decl) {
    // The type name: leading letters, digits, '_' and blanks, up to a '(';
    // upper-cased, inner blanks collapsed.
    std::string name;
    bool space = false;
    for (char c : decl) {
        if (c == '(') break;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !name.empty();
            continue;
        }
        if (space) {
            name.push_back(' ');
            space = false;
        }
        name.push_back((c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c);
    }
    auto is = [&](std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (name == n) return true;
        }
        return false;
    };
    DeclaredType d;
    if (name.empty()) {
        d.type = JetType::Unknown;
    } else if (is({"SHORT", "SMALLINT", "INT2", "INTEGER2"})) {
        d.type = JetType::Short;
    } else if (is({"LONG", "INT", "INTEGER", "INT4", "INTEGER4", "COUNTER", "AUTOINCREMENT",
                   "LONG INTEGER"})) {
        d.type = JetType::Long;
    } else if (is({"CURRENCY", "MONEY"})) {
        d.type = JetType::Currency;
        d.form = StoredForm::CurrencyUnits;
    } else if (is({"CURRENCY_E4"})) {
        d.type = JetType::Currency;
    } else if (is({"DOUBLE", "REAL", "FLOAT", "FLOAT8", "DOUBLE PRECISION", "IEEEDOUBLE", "NUMBER",
                   "NUMERIC", "DECIMAL"})) {
        d.type = JetType::Double;
    } else if (is({"SINGLE", "FLOAT4", "IEEESINGLE"})) {
        d.type = JetType::Single;
    } else if (is({"DATETIME", "DATE", "TIMESTAMP", "TIME"})) {
        d.type = JetType::DateTime;
        d.form = StoredForm::DateAny;
    } else if (is({"TEXT", "VARCHAR", "CHAR", "CHARACTER", "NVARCHAR", "NCHAR", "STRING",
                   "ALPHANUMERIC", "CHARACTER VARYING", "VARYING CHARACTER", "NATIONAL CHAR",
                   "NATIONAL CHARACTER", "NATIONAL VARCHAR"})) {
        d.type = JetType::Text;
    } else if (is({"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "CLOB", "NTEXT"})) {
        d.type = JetType::Memo;
    } else if (is({"BIT", "BOOLEAN", "BOOL", "YESNO", "LOGICAL", "LOGICAL1"})) {
        d.type = JetType::Bit;
    } else if (is({"BYTE", "TINYINT", "INTEGER1"})) {
        d.type = JetType::Byte;
    } else if (is({"LONGBINARY", "BLOB", "BINARY", "VARBINARY", "IMAGE", "OLEOBJECT", "GENERAL"})) {
        d.type = JetType::Binary;
    } else {
        d.type = JetType::Unknown;
    }
    return d;
}

uint16_t VarTypeOf(JetType t) {
    switch (t) {
        case JetType::Bit:
            return VT_BOOL;
        case JetType::Byte:
            return VT_UI1;
        case JetType::Short:
            return VT_I2;
        case JetType::Long:
            return VT_I4;
        case JetType::Currency:
            return VT_CY;
        case JetType::Single:
            return VT_R4;
        case JetType::Double:
            return VT_R8;
        case JetType::DateTime:
            return VT_DATE;
        case JetType::Text:
        case JetType::Memo:
            return VT_BSTR;
        case JetType::Binary:
            return VT_ARRAY_UI1;
        case JetType::Null:
        case JetType::Unknown:
            return VT_EMPTY;
    }
    return VT_EMPTY;
}

namespace {
int Rank(JetType t) {
    switch (t) {
        case JetType::Bit:
            return 1;
        case JetType::Byte:
            return 2;
        case JetType::Short:
            return 3;
        case JetType::Long:
            return 4;
        case JetType::Currency:
            return 5;
        case JetType::Single:
            return 6;
        case JetType::Double:
            return 7;
        case JetType::Text:
            return 8;
        case JetType::Memo:
            return 9;
        default:
            return 0;
    }
}
}  // namespace

JetType Widen(JetType a, JetType b) {
    if (a == JetType::Null) return b;
    if (b == JetType::Null) return a;
    if (a == b) return a;
    if (a == JetType::Unknown || b == JetType::Unknown || a == JetType::Binary ||
        b == JetType::Binary) {
        return JetType::Unknown;
    }
    if (a == JetType::DateTime || b == JetType::DateTime) {
        JetType other = a == JetType::DateTime ? b : a;
        return IsTextType(other) ? other : JetType::Double;
    }
    return Rank(a) >= Rank(b) ? a : b;
}

bool IsTextType(JetType t) {
    return t == JetType::Text || t == JetType::Memo;
}

bool IsIntegerType(JetType t) {
    return t == JetType::Bit || t == JetType::Byte || t == JetType::Short || t == JetType::Long;
}

bool IsNumericType(JetType t) {
    return IsIntegerType(t) || t == JetType::Currency || t == JetType::Single ||
           t == JetType::Double;
}

const char* JetTypeName(JetType t) {
    switch (t) {
        case JetType::Null:
            return "Null";
        case JetType::Bit:
            return "Yes/No";
        case JetType::Byte:
            return "Byte";
        case JetType::Short:
            return "Integer";
        case JetType::Long:
            return "Long";
        case JetType::Currency:
            return "Currency";
        case JetType::Single:
            return "Single";
        case JetType::Double:
            return "Double";
        case JetType::DateTime:
            return "Date/Time";
        case JetType::Text:
            return "Text";
        case JetType::Memo:
            return "Memo";
        case JetType::Binary:
            return "Long Binary";
        case JetType::Unknown:
            return "Variant";
    }
    return "?";
}

}  // namespace cdb
