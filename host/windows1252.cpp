// windows1252.cpp - Windows-1252 to UTF-8 (see windows1252.h).

#include "windows1252.h"

#include <array>
#include <cstdint>

namespace aap::host {
namespace {

// Code points of the bytes 0x80 to 0x9F; every other byte is its own code point.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The UTF-8 bytes of every Windows-1252 byte, built once.
struct Utf8Table {
    std::array<std::array<char, 3>, 256> bytes{};
    std::array<uint8_t, 256> length{};

    Utf8Table() {
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t cp = windows1252_code_point(static_cast<unsigned char>(byte));
            auto& out = bytes[byte];
            if (cp < 0x80) {
                out[0] = static_cast<char>(cp);
                length[byte] = 1;
            } else if (cp < 0x800) {
                out[0] = static_cast<char>(0xC0 | (cp >> 6));
                out[1] = static_cast<char>(0x80 | (cp & 0x3F));
                length[byte] = 2;
            } else {
                out[0] = static_cast<char>(0xE0 | (cp >> 12));
                out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out[2] = static_cast<char>(0x80 | (cp & 0x3F));
                length[byte] = 3;
            }
        }
    }
};

const Utf8Table& utf8_table() {
    static const Utf8Table table;
    return table;
}

}  // namespace

char32_t windows1252_code_point(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
    return byte;
}

void append_utf8(std::string& out, std::string_view text) {
    // Plain ASCII, by far the common case, is copied in runs.
    std::size_t run_start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) continue;
        out.append(text.data() + run_start, i - run_start);
        const Utf8Table& table = utf8_table();
        out.append(table.bytes[byte].data(), table.length[byte]);
        run_start = i + 1;
    }
    out.append(text.data() + run_start, text.size() - run_start);
}

std::string to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_utf8(out, text);
    return out;
}

}  // namespace aap::host
