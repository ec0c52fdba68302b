// reference_export.cpp - parsing the samples' CSV and escaped TSV exports.
#include "reference_export.h"

namespace jet_test {

std::vector<ExportRow> ParseCsv(const std::string& content) {
    std::vector<ExportRow> rows;
    ExportRow row;
    ExportField field;
    bool inQuotes = false;
    bool anything = false;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < content.size() && content[i + 1] == '"') {
                field.text += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                field.text += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            field.quoted = true;
            anything = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field = {};
            anything = true;
        } else if (c == '\n') {
            row.push_back(std::move(field));
            field = {};
            rows.push_back(std::move(row));
            row.clear();
            anything = false;
        } else if (c != '\r') {
            field.text += c;
            anything = true;
        }
    }
    if (anything) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ExportRow> ParseEscapedTsv(const std::string& content) {
    std::vector<ExportRow> rows;
    ExportRow row;
    ExportField field;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\\' && i + 1 < content.size()) {
            const char escaped = content[++i];
            field.text += escaped == 'r'   ? '\r'
                          : escaped == 'n' ? '\n'
                          : escaped == 't' ? '\t'
                                           : escaped;
        } else if (c == '\t') {
            row.push_back(std::move(field));
            field = {};
        } else if (c == '\n') {
            row.push_back(std::move(field));
            field = {};
            rows.push_back(std::move(row));
            row.clear();
        } else {
            field.text += c;
        }
    }
    if (!field.text.empty() || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::int64_t> TenThousandths(const std::string& decimal) {
    std::size_t i = 0;
    const bool negative = !decimal.empty() && decimal[0] == '-';
    if (negative) ++i;
    std::int64_t units = 0;
    bool digits = false;
    for (; i < decimal.size() && decimal[i] != '.'; ++i) {
        if (decimal[i] < '0' || decimal[i] > '9') return std::nullopt;
        units = units * 10 + (decimal[i] - '0');
        digits = true;
    }
    std::int64_t fraction = 0;
    int places = 0;
    if (i < decimal.size()) {
        for (++i; i < decimal.size(); ++i, ++places) {
            if (decimal[i] < '0' || decimal[i] > '9' || places == 4) return std::nullopt;
            fraction = fraction * 10 + (decimal[i] - '0');
        }
    }
    if (!digits) return std::nullopt;
    for (; places < 4; ++places) fraction *= 10;
    const std::int64_t value = units * 10000 + fraction;
    return negative ? -value : value;
}

}  // namespace jet_test
