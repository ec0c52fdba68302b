// text_cp1252.h - the Windows-1252 / UTF-8 boundary and Jet text comparison.
//
// The database classes speak single-byte Windows-1252; SQLite stores UTF-8.
// Text crosses between them only through these functions.  A character that
// has no Windows-1252 form (or a byte that is not valid UTF-8) becomes '?'.
//
// Jet compares, groups and sorts text without regard to case, accented
// letters included: CompareJetText is that order (registered with SQLite as
// the collation JETTEXT), FoldCp1252 the matching case fold for names.

#ifndef AAP_DB_ENGINE_TEXT_CP1252_H_
#define AAP_DB_ENGINE_TEXT_CP1252_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace cdb::text {

// Windows-1252 bytes -> UTF-8.  Appends to `out`.
void Cp1252ToUtf8(std::string_view in, std::string& out);
std::string Cp1252ToUtf8(std::string_view in);

// UTF-8 -> Windows-1252.  Replaces what `out` held.  Pure ASCII is copied
// as is (fast path).
void Utf8ToCp1252(const char* in, size_t len, std::string& out);
std::string Utf8ToCp1252(std::string_view in);

// True when every byte is below 0x80.
bool IsAscii(const char* p, size_t len);

// The case fold of one Windows-1252 byte (upper case; accents kept).
unsigned char FoldByte(unsigned char c);
// The case fold of a Windows-1252 text, for case-insensitive name matching.
std::string FoldCp1252(std::string_view in);
// Case-insensitive equality of two Windows-1252 texts.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The Jet text order over two UTF-8 texts: letters compare without regard to
// case and, first, without regard to accents (so "eb" < "ÉC" < "ed"); texts
// that differ only in accents order the unaccented first.  Returns <0, 0, >0;
// 0 exactly when the two texts are equal after case folding.
int CompareJetText(const void* a, int alen, const void* b, int blen);

// Name of the collation registered on every connection.
inline constexpr const char* kCollation = "JETTEXT";

}  // namespace cdb::text

#endif  // AAP_DB_ENGINE_TEXT_CP1252_H_
