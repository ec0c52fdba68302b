// text_test.cpp - Windows-1252 <-> UTF-8, the Jet text order, currency and
// date conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "db/engine/text_cp1252.h"
#include "db/engine/value_codec.h"

namespace {

using cdb::codec::ParseIsoDate;
using cdb::codec::UnitsToTenThousandths;
using cdb::text::CompareJetText;
using cdb::text::Cp1252ToUtf8;
using cdb::text::Utf8ToCp1252;

int Cmp(const std::string& a, const std::string& b) {
    std::string ua = Cp1252ToUtf8(a);
    std::string ub = Cp1252ToUtf8(b);
    int r = CompareJetText(ua.data(), static_cast<int>(ua.size()), ub.data(),
                           static_cast<int>(ub.size()));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

TEST(Cp1252, AsciiPassesThrough) {
    EXPECT_EQ(Cp1252ToUtf8("Hello, World 123"), "Hello, World 123");
    EXPECT_EQ(Utf8ToCp1252("Hello, World 123"), "Hello, World 123");
}

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int i = 1; i < 256; ++i) all.push_back(static_cast<char>(i));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, CharactersBeyondLatin1) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x93"), "\x96");  // en dash
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"
                           "q"
                           "\xE2\x80\x9D"),
              "\x93q\x94");
    EXPECT_EQ(Utf8ToCp1252("M\xC3\xBCller"), "M\xFCller");  // Müller
}

TEST(Cp1252, WithoutAWindows1252FormBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD"
                           "b"),
              "a?b");                                  // a CJK character
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // an emoji: one character
    EXPECT_EQ(Utf8ToCp1252("x\xFFy"), "x?y");          // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");              // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC2\x85"), "?");          // a C1 control Windows-1252 lacks
}

TEST(Cp1252, ZeroBytesAreKept) {
    std::string s("abc\0def", 7);
    EXPECT_EQ(Utf8ToCp1252(s), s);
}

TEST(JetTextOrder, IgnoresCase) {
    EXPECT_EQ(Cmp("abc", "ABC"), 0);
    EXPECT_EQ(Cmp("Derived", "DERIVED"), 0);
    EXPECT_EQ(Cmp("abc", "abd"), -1);
    EXPECT_EQ(Cmp("ABD", "abc"), 1);
    EXPECT_EQ(Cmp("ab", "ABC"), -1);
    EXPECT_EQ(Cmp("", ""), 0);
    EXPECT_EQ(Cmp("", "a"), -1);
}

TEST(JetTextOrder, IgnoresCaseOfAccentedLetters) {
    EXPECT_EQ(Cmp("\xE9t\xE9", "\xC9T\xC9"), 0);  // été = ÉTÉ
    EXPECT_EQ(Cmp("m\xFCller", "M\xDCLLER"), 0);  // müller = MÜLLER
    EXPECT_EQ(Cmp("\xE6", "\xC6"), 0);            // æ = Æ
    EXPECT_EQ(Cmp("\x9A", "\x8A"), 0);            // š = Š
    EXPECT_EQ(Cmp("\xFF", "\x9F"), 0);            // ÿ = Ÿ
    EXPECT_EQ(Cmp("\x9C", "\x8C"), 0);            // œ = Œ
}

TEST(JetTextOrder, AccentsAreNotCaseButSortWithTheirLetter) {
    EXPECT_NE(Cmp("e", "\xE9"), 0);   // e and é differ
    EXPECT_EQ(Cmp("e", "\xE9"), -1);  // the plain letter first
    EXPECT_EQ(Cmp("\xE9"
                  "a",
                  "eb"),
              -1);  // éa < eb: the letter decides first
    EXPECT_EQ(Cmp("eb",
                  "\xC9"
                  "c"),
              -1);  // eb < Éc
    EXPECT_EQ(Cmp("\xC9"
                  "c",
                  "ed"),
              -1);                              // Éc < ed
    EXPECT_EQ(Cmp("M\xFCller", "Mueller"), 1);  // MULLER after MUELLER
}

TEST(JetTextOrder, IsATotalOrder) {
    const std::string words[] = {"",
                                 "a",
                                 "A",
                                 "\xE0",
                                 "\xC0",
                                 "ab",
                                 "AE",
                                 "\xC6",
                                 "\xE6"
                                 "b",
                                 "b",
                                 "e",
                                 "\xE9",
                                 "\xC9",
                                 "ea",
                                 "\xE9"
                                 "b",
                                 "z",
                                 "Z",
                                 "\x80",
                                 "1",
                                 "10",
                                 "9",
                                 " ",
                                 "_",
                                 "\xDF",
                                 "ss",
                                 "SS",
                                 "st"};
    for (const auto& a : words) {
        EXPECT_EQ(Cmp(a, a), 0);
        for (const auto& b : words) {
            EXPECT_EQ(Cmp(a, b), -Cmp(b, a)) << a << " / " << b;
            for (const auto& c : words) {
                if (Cmp(a, b) <= 0 && Cmp(b, c) <= 0) {
                    EXPECT_LE(Cmp(a, c), 0) << a << " / " << b << " / " << c;
                }
            }
        }
    }
}

TEST(Currency, FourDecimalsExactly) {
    int64_t v = 0;
    ASSERT_TRUE(UnitsToTenThousandths(12.3456, &v));
    EXPECT_EQ(v, 123456);
    ASSERT_TRUE(UnitsToTenThousandths(-0.5, &v));
    EXPECT_EQ(v, -5000);
    ASSERT_TRUE(UnitsToTenThousandths(123456789012.3456, &v));
    EXPECT_EQ(v, 1234567890123456);
    ASSERT_TRUE(UnitsToTenThousandths(-99999999999.9999, &v));
    EXPECT_EQ(v, -999999999999999);
    ASSERT_TRUE(UnitsToTenThousandths(922337203685477.0, &v));
    EXPECT_EQ(v, 9223372036854770000);
    ASSERT_TRUE(UnitsToTenThousandths(0.0001, &v));
    EXPECT_EQ(v, 1);
    ASSERT_TRUE(UnitsToTenThousandths(0.1 + 0.2, &v));  // 0.30000000000000004
    EXPECT_EQ(v, 3000);
}

TEST(Currency, RoundsHalfAwayFromZeroAtTheFifthDecimal) {
    int64_t v = 0;
    ASSERT_TRUE(UnitsToTenThousandths(0.00005, &v));
    EXPECT_EQ(v, 1);
    ASSERT_TRUE(UnitsToTenThousandths(-0.00005, &v));
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(UnitsToTenThousandths(0.00015, &v));  // the double is a hair below .00015
    EXPECT_EQ(v, 2);
    ASSERT_TRUE(UnitsToTenThousandths(1.23444999, &v));
    EXPECT_EQ(v, 12344);
    ASSERT_TRUE(UnitsToTenThousandths(2.5e-5, &v));
    EXPECT_EQ(v, 0);
}

TEST(Currency, OutOfRangeIsRefused) {
    int64_t v = 0;
    EXPECT_FALSE(UnitsToTenThousandths(1e15, &v));
    EXPECT_FALSE(UnitsToTenThousandths(-1e300, &v));
    EXPECT_FALSE(UnitsToTenThousandths(NAN, &v));
    EXPECT_FALSE(UnitsToTenThousandths(INFINITY, &v));
}

double Date(const char* s) {
    double d = -1e300;
    EXPECT_TRUE(ParseIsoDate(s, std::char_traits<char>::length(s), &d)) << s;
    return d;
}

TEST(IsoDate, DaysFrom30December1899) {
    EXPECT_EQ(Date("1899-12-30"), 0.0);
    EXPECT_EQ(Date("1997-01-01"), 35431.0);
    EXPECT_EQ(Date("1997-01-01 18:00"), 35431.75);
    EXPECT_EQ(Date("1997-01-01T18:00:00"), 35431.75);
    EXPECT_EQ(Date("1997-01-01 23:59:59.568"), 35431.999995);
    EXPECT_EQ(Date("1753-01-01"), -53688.0);
    EXPECT_EQ(Date("9999-12-31"), 2958465.0);
    EXPECT_EQ(Date("0100-01-01"), -657434.0);
    EXPECT_EQ(Date("0099-12-31"), -657435.0);
    EXPECT_EQ(Date("2000-02-29"), 36585.0);
}

TEST(IsoDate, BeforeTheEpochTheFractionCountsForward) {
    EXPECT_EQ(Date("1899-12-29 06:00"), -1.25);
    EXPECT_EQ(Date("1899-12-29 18:00:00"), -1.75);
}

TEST(IsoDate, ExactToTheNearestDouble) {
    // days + seconds / 86400 rounded once.
    EXPECT_EQ(Date("9999-12-31 23:59:59"), (2958465.0 * 86400 + 86399) / 86400);
    EXPECT_EQ(Date("1996-07-01 13:45:00"), (35247.0 * 86400 + 13 * 3600 + 45 * 60) / 86400);
}

TEST(IsoDate, NotADate) {
    double d;
    for (const char* s : {"", "1997", "1997-1-1", "1997-13-01", "1997-02-29", "1997-01-32",
                          "1997-01-01x", "1997-01-01 25:00", "1997-01-01 12:60", "yesterday",
                          "1997-01-01 12", "1997-01-01 12:00:00.", "01/07/1997"}) {
        EXPECT_FALSE(ParseIsoDate(s, std::char_traits<char>::length(s), &d)) << s;
    }
}

}  // namespace
