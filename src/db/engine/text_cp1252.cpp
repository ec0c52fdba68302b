// text_cp1252.cpp - Windows-1252 <-> UTF-8 and the Jet text order.
#include "db/engine/text_cp1252.h"

#include <cstdint>
#include <cstring>

namespace cdb::text {
namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F.  The five bytes
// that Windows-1252 leaves undefined map to the C1 controls of the same value
// (as Windows does), so they survive a round trip.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Windows-1252 byte of a code point, or -1.
inline int ByteOf(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    if (cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D) {
        return static_cast<int>(cp);
    }
    if (cp < 0x152 || cp > 0x2122) return -1;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp) return 0x80 + i;
    }
    return -1;
}

// Decodes one UTF-8 sequence at p (< end).  Returns the code point and sets
// `len`; an invalid sequence gives -1 with len 1.
inline int32_t Decode(const unsigned char* p, const unsigned char* end, int& len) {
    unsigned c = p[0];
    if (c < 0x80) {
        len = 1;
        return static_cast<int32_t>(c);
    }
    int n;
    uint32_t cp;
    uint32_t min;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        len = 1;
        return -1;
    }
    if (end - p < n) {
        len = 1;
        return -1;
    }
    for (int i = 1; i < n; ++i) {
        unsigned cc = p[i];
        if ((cc & 0xC0) != 0x80) {
            len = 1;
            return -1;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        len = 1;
        return -1;
    }
    len = n;
    return static_cast<int32_t>(cp);
}

struct Tables {
    unsigned char fold[256];
    // Primary (accent-free) key of a folded byte: one or two units.
    uint16_t prim1[256];
    uint16_t prim2[256];
    Tables() {
        for (int i = 0; i < 256; ++i) {
            int f = i;
            if (i >= 'a' && i <= 'z')
                f = i - 32;
            else if (i >= 0xE0 && i <= 0xFE && i != 0xF7)
                f = i - 32;
            else if (i == 0x9A)
                f = 0x8A;
            else if (i == 0x9C)
                f = 0x8C;
            else if (i == 0x9E)
                f = 0x8E;
            else if (i == 0xFF)
                f = 0x9F;
            fold[i] = static_cast<unsigned char>(f);
        }
        for (int i = 0; i < 256; ++i) {
            prim1[i] = static_cast<uint16_t>(i);
            prim2[i] = 0;
        }
        auto set = [&](int from, int to, char a, char b = 0) {
            for (int i = from; i <= to; ++i) {
                prim1[i] = static_cast<unsigned char>(a);
                prim2[i] = static_cast<unsigned char>(b);
            }
        };
        set(0xC0, 0xC5, 'A');
        set(0xC6, 0xC6, 'A', 'E');
        set(0xC7, 0xC7, 'C');
        set(0xC8, 0xCB, 'E');
        set(0xCC, 0xCF, 'I');
        set(0xD0, 0xD0, 'D');
        set(0xD1, 0xD1, 'N');
        set(0xD2, 0xD6, 'O');
        set(0xD8, 0xD8, 'O');
        set(0xD9, 0xDC, 'U');
        set(0xDD, 0xDD, 'Y');
        set(0xDE, 0xDE, 'T', 'H');
        set(0xDF, 0xDF, 'S', 'S');
        set(0x8A, 0x8A, 'S');
        set(0x8C, 0x8C, 'O', 'E');
        set(0x8E, 0x8E, 'Z');
        set(0x9F, 0x9F, 'Y');
        set(0x83, 0x83, 'F');
    }
};

const Tables& T() {
    static const Tables t;
    return t;
}

// A stream of comparison units over UTF-8 text: primary (accents removed,
// expansions such as AE) or secondary (case folded only).
struct KeyStream {
    const unsigned char* p;
    const unsigned char* end;
    bool primary;
    int32_t pending = -1;

    // Next unit, or -1 at the end.
    int32_t Next() {
        if (pending >= 0) {
            int32_t v = pending;
            pending = -1;
            return v;
        }
        if (p >= end) return -1;
        int len = 1;
        int32_t cp = Decode(p, end, len);
        if (cp < 0) {  // invalid byte: a unit of its own, after all characters
            cp = 0x110000 + *p;
            p += 1;
            return cp + 0x100;
        }
        p += len;
        int b = ByteOf(static_cast<uint32_t>(cp));
        if (b < 0) return cp + 0x100;
        const Tables& t = T();
        unsigned char f = t.fold[b];
        if (!primary) return f;
        if (t.prim2[f] != 0) pending = t.prim2[f];
        return t.prim1[f];
    }
};

int CompareStreams(KeyStream a, KeyStream b) {
    for (;;) {
        int32_t x = a.Next();
        int32_t y = b.Next();
        if (x != y) return x < y ? -1 : 1;
        if (x < 0) return 0;
    }
}

}  // namespace

bool IsAscii(const char* p, size_t len) {
    size_t i = 0;
    for (; i + 8 <= len; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ULL) return false;
    }
    for (; i < len; ++i) {
        if (static_cast<unsigned char>(p[i]) & 0x80) return false;
    }
    return true;
}

void Cp1252ToUtf8(std::string_view in, std::string& out) {
    if (IsAscii(in.data(), in.size())) {
        out.append(in.data(), in.size());
        return;
    }
    out.reserve(out.size() + in.size() * 2);
    for (unsigned char c : in) {
        uint32_t cp = c < 0x80 ? c : (c < 0xA0 ? kHigh[c - 0x80] : c);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
}

std::string Cp1252ToUtf8(std::string_view in) {
    std::string out;
    Cp1252ToUtf8(in, out);
    return out;
}

void Utf8ToCp1252(const char* in, size_t len, std::string& out) {
    if (IsAscii(in, len)) {
        out.assign(in, len);
        return;
    }
    out.clear();
    out.reserve(len);
    const auto* p = reinterpret_cast<const unsigned char*>(in);
    const auto* end = p + len;
    while (p < end) {
        if (*p < 0x80) {
            out.push_back(static_cast<char>(*p++));
            continue;
        }
        int n = 1;
        int32_t cp = Decode(p, end, n);
        p += n;
        int b = cp < 0 ? -1 : ByteOf(static_cast<uint32_t>(cp));
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
}

std::string Utf8ToCp1252(std::string_view in) {
    std::string out;
    Utf8ToCp1252(in.data(), in.size(), out);
    return out;
}

unsigned char FoldByte(unsigned char c) {
    return T().fold[c];
}

std::string FoldCp1252(std::string_view in) {
    std::string out(in);
    const Tables& t = T();
    for (char& c : out) c = static_cast<char>(t.fold[static_cast<unsigned char>(c)]);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const Tables& t = T();
    for (size_t i = 0; i < a.size(); ++i) {
        if (t.fold[static_cast<unsigned char>(a[i])] != t.fold[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

int CompareJetText(const void* av, int alen, const void* bv, int blen) {
    const auto* a = static_cast<const unsigned char*>(av);
    const auto* b = static_cast<const unsigned char*>(bv);
    if (alen < 0) alen = 0;
    if (blen < 0) blen = 0;
    int n = alen < blen ? alen : blen;
    int i = 0;
    // ASCII fast path: for ASCII the primary and secondary keys are both the
    // upper-case letter, so the first difference decides.
    for (; i < n; ++i) {
        unsigned x = a[i];
        unsigned y = b[i];
        if ((x | y) & 0x80) break;
        if (x == y) continue;
        if (x >= 'a' && x <= 'z') x -= 32;
        if (y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return x < y ? -1 : 1;
    }
    if (i == n && i == alen && i == blen) return 0;
    if (i == n && (i == alen || i == blen)) {
        // One text is a prefix of the other (in folded form) with nothing
        // non-ASCII left to look at on the shorter side.
        return alen < blen ? -1 : 1;
    }
    KeyStream pa{a + i, a + alen, true};
    KeyStream pb{b + i, b + blen, true};
    int r = CompareStreams(pa, pb);
    if (r != 0) return r;
    KeyStream sa{a + i, a + alen, false};
    KeyStream sb{b + i, b + blen, false};
    return CompareStreams(sa, sb);
}

}  // namespace cdb::text
