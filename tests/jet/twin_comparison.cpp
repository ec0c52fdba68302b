// twin_comparison.cpp - value-by-value comparison of a loaded Jet table with
// its SQLite twin.
#include "twin_comparison.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace jet_test {

namespace {

std::string Quote(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool IsFloatingType(const std::string& type) {
    return type == "DOUBLE" || type == "SINGLE" || type == "DATETIME";
}

// The value the copy must hold for the twin's `value` in a column of `twinType`.
Value Expected(const std::string& twinType, const Value& value) {
    if (std::holds_alternative<std::monostate>(value)) return value;
    const auto* integer = std::get_if<std::int64_t>(&value);
    const auto* real = std::get_if<double>(&value);
    if (twinType == "CURRENCY") {
        if (integer != nullptr) return *integer * 10000;
        if (real != nullptr) return static_cast<std::int64_t>(std::llround(*real * 10000));
    } else if (twinType == "DATETIME") {
        if (const auto* text = std::get_if<std::string>(&value)) return OleDateFromIso(*text);
    } else if (twinType == "SINGLE") {
        const double number = integer != nullptr ? static_cast<double>(*integer) : *real;
        return static_cast<double>(static_cast<float>(number));
    } else if (twinType == "DOUBLE") {
        return integer != nullptr ? static_cast<double>(*integer) : *real;
    }
    return value;
}

// SQLite keeps a whole number stored into a NUMERIC column (SINGLE,
// DATETIME) as an integer; the stored double is the same.
bool SameValue(const std::string& copyType, const Value& expected, const Value& actual) {
    if (IsFloatingType(copyType) && std::holds_alternative<double>(expected)) {
        const double wanted = std::get<double>(expected);
        if (const auto* real = std::get_if<double>(&actual)) {
            return std::bit_cast<std::uint64_t>(*real) == std::bit_cast<std::uint64_t>(wanted);
        }
        const auto* integer = std::get_if<std::int64_t>(&actual);
        return integer != nullptr && static_cast<double>(*integer) == wanted;
    }
    return expected == actual;
}

}  // namespace

// The copy keeps currency as exact ten-thousandths and memos under a name
// with TEXT affinity; every other declared type is the twin's.
std::string CopyTypeForTwin(const std::string& twinType) {
    if (twinType == "CURRENCY") return "CURRENCY_E4";
    if (twinType == "MEMO") return "LONGTEXT";
    return twinType;
}

std::vector<std::string> CompareWithTwin(sqlite3* twin, sqlite3* copy, const std::string& table) {
    std::vector<std::string> differences;
    const auto twinColumns = Columns(twin, table);
    const auto copyColumns = Columns(copy, table);
    if (twinColumns.size() != copyColumns.size()) {
        differences.push_back(table + ": " + std::to_string(copyColumns.size()) +
                              " columns, expected " + std::to_string(twinColumns.size()));
        return differences;
    }
    for (std::size_t i = 0; i < twinColumns.size(); ++i) {
        const std::string wanted = CopyTypeForTwin(twinColumns[i].declaredType);
        if (copyColumns[i].name != twinColumns[i].name || copyColumns[i].declaredType != wanted) {
            differences.push_back(table + ": column " + std::to_string(i) + " is " +
                                  copyColumns[i].name + " " + copyColumns[i].declaredType +
                                  ", expected " + twinColumns[i].name + " " + wanted);
        }
    }
    if (!differences.empty()) return differences;

    const auto twinRows = Query(twin, "SELECT * FROM " + Quote(table));
    const auto copyRows = Query(copy, "SELECT * FROM " + Quote(table));
    if (twinRows.size() != copyRows.size()) {
        differences.push_back(table + ": " + std::to_string(copyRows.size()) + " rows, expected " +
                              std::to_string(twinRows.size()));
        return differences;
    }
    for (std::size_t r = 0; r < twinRows.size(); ++r) {
        for (std::size_t c = 0; c < twinColumns.size(); ++c) {
            const Value expected = Expected(twinColumns[c].declaredType, twinRows[r][c]);
            if (!SameValue(copyColumns[c].declaredType, expected, copyRows[r][c])) {
                differences.push_back(table + " row " + std::to_string(r + 1) + " " +
                                      twinColumns[c].name + ": " + Describe(copyRows[r][c]) +
                                      ", expected " + Describe(expected));
            }
        }
    }
    return differences;
}

}  // namespace jet_test
