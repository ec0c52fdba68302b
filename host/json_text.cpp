// json_text.cpp - JSON strings and numbers for the hot path (see json_text.h).

#include "json_text.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "windows1252.h"

namespace aap::host {
namespace {

bool needs_escaping(std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '"' || c == '\\') return true;
    }
    return false;
}

std::string escaped(std::string_view utf8) {
    return nlohmann::json(std::string(utf8))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void append_json_string(std::string& out, std::string_view utf8) {
    if (needs_escaping(utf8)) {
        out += escaped(utf8);
        return;
    }
    out += '"';
    out += utf8;
    out += '"';
}

void append_json_record_string(std::string& out, std::string_view windows1252) {
    const std::size_t start = out.size();
    out += '"';
    append_utf8(out, windows1252);
    const std::string_view text(out.data() + start + 1, out.size() - start - 1);
    if (needs_escaping(text)) {
        const std::string json = escaped(text);
        out.resize(start);
        out += json;
        return;
    }
    out += '"';
}

void append_json_amount(std::string& out, double value, AmountKind kind) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    append_amount(out, value, kind);
}

}  // namespace aap::host
