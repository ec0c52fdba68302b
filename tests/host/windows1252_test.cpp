// windows1252_test.cpp - every byte of a record's text reaches the output as
// the right UTF-8 character, and fields are read within their width.

#include "windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace aap::host {
namespace {

// Decodes UTF-8 into code points; fails the test on malformed input.
std::u32string decode_utf8(const std::string& text) {
    std::u32string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text.at(i + k));
            EXPECT_EQ(next & 0xC0, 0x80) << "bad continuation at " << i;
            cp = (cp << 6) | (next & 0x3F);
        }
        result += cp;
        i += static_cast<std::size_t>(length);
    }
    return result;
}

TEST(Windows1252, EveryByteBecomesItsCharacter) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::u32string decoded = decode_utf8(to_utf8(all));
    ASSERT_EQ(decoded.size(), all.size());
    for (int byte = 1; byte < 256; ++byte) {
        const char32_t expected = windows1252_code_point(static_cast<unsigned char>(byte));
        EXPECT_EQ(decoded[byte - 1], expected) << "byte " << byte;
        if (byte < 0x80 || byte >= 0xA0) {
            EXPECT_EQ(expected, static_cast<char32_t>(byte));
        }
    }
}

TEST(Windows1252, KnownCharacters) {
    const struct {
        unsigned char byte;
        char32_t code_point;
    } cases[] = {
        {0x80, U'\u20AC'},
        {0x85, U'\u2026'},
        {0x91, U'\u2018'},
        {0x92, U'\u2019'},
        {0x93, U'\u201C'},
        {0x96, U'\u2013'},
        {0x97, U'\u2014'},
        {0x9F, U'\u0178'},
        {0xE9, U'\u00E9'},
        {0xFF, U'\u00FF'},
        // The five bytes Windows-1252 leaves undefined keep their C1 numbers.
        {0x81, U'\u0081'},
        {0x8D, U'\u008D'},
        {0x8F, U'\u008F'},
        {0x90, U'\u0090'},
        {0x9D, U'\u009D'},
    };
    for (const auto& c : cases) EXPECT_EQ(windows1252_code_point(c.byte), c.code_point);
    EXPECT_EQ(to_utf8("Caf\xE9 5 \x80"), "Caf\u00E9 5 \u20AC");
}

TEST(Windows1252, FieldTextStopsAtTheTerminatorOrTheWidth) {
    const char terminated[8] = {'a', 'b', '\0', 'x', 'y', '\0', '\0', '\0'};
    EXPECT_EQ(FieldText(terminated), "ab");
    const char full[4] = {'w', 'x', 'y', 'z'};  // no terminator: never read past
    EXPECT_EQ(FieldText(full), "wxyz");
}

}  // namespace
}  // namespace aap::host
