// json_text_test.cpp - the JSON strings and numbers of the entry and line
// objects read back as the text and amount they stand for.

#include "json_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>

namespace aap::host {
namespace {

TEST(JsonText, RecordStringsReadBackAsTheirText) {
    const struct {
        const char* windows1252;
        const char* utf8;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"say \"hi\"", "say \"hi\""},
        {"back\\slash", "back\\slash"},
        {"tab\there\r\nnext", "tab\there\r\nnext"},
        {"\x01\x1F", "\x01\x1F"},
        {"Caf\xE9 \x80 \x93q\x94", "Caf\u00E9 \u20AC \u201Cq\u201D"},
    };
    for (const auto& c : cases) {
        std::string out = "[";
        append_json_record_string(out, c.windows1252);
        out += ',';
        append_json_string(out, c.utf8);
        out += ']';
        const nlohmann::json parsed = nlohmann::json::parse(out);
        EXPECT_EQ(parsed[0], c.utf8) << out;
        EXPECT_EQ(parsed[1], c.utf8) << out;
    }
}

TEST(JsonText, AmountsAreNumbersOrNull) {
    std::string out = "[";
    append_json_amount(out, 2205.6625, AmountKind::kCurrency);
    out += ',';
    append_json_amount(out, -0.0, AmountKind::kDouble);
    out += ',';
    append_json_amount(out, 1e20, AmountKind::kDouble);
    out += ',';
    append_json_amount(out, std::numeric_limits<double>::quiet_NaN(), AmountKind::kDouble);
    out += ']';
    EXPECT_EQ(out, "[2205.6625,0,100000000000000000000,null]");
    EXPECT_TRUE(nlohmann::json::accept(out));
}

}  // namespace
}  // namespace aap::host
