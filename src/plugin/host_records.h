// host_records.h - the records a host hands to the converter module.
//
// Everything that passes between a host finance application and the module
// passes through these records: the host owns them and hands them in by
// pointer, the module reads and writes exactly the bytes laid out here and
// keeps no pointer beyond a call.  The layouts are byte-packed (16-bit
// integers sit at odd offsets), integers and doubles little-endian, and every
// text field is a fixed-width, zero-terminated, single-byte (Windows-1252)
// text: a field of width N holds at most N - 1 characters.
//
// Two widths are the host's to choose; this module chooses:
//   - EntryRecord::explanation is 256 bytes, so an EntryRecord is 321 bytes;
//   - the entryDescription buffer of AAP_LoadEntry is 256 bytes
//     (kEntryDescriptionSize).
//
// This header is a leaf: it includes nothing of the project, so the module,
// the reference host and the tests can all share it.  It also declares one
// function-pointer type per exported function, so a host that loads the
// module at run time declares the ten entry points once.

#ifndef AAP_PLUGIN_HOST_RECORDS_H_
#define AAP_PLUGIN_HOST_RECORDS_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace aap {

// Number of part slots in AccountStructure, AccountRecord and DetailAccount.
inline constexpr int kPartSlots = 30;
// Width of one account-code text slot (segment).
inline constexpr int kSegmentSize = 33;
// Size of the entryDescription buffer this module expects from its host.
inline constexpr int kEntryDescriptionSize = 256;

#pragma pack(push, 1)

// A calendar date: year, month (1-12), day (1-31).  A column that holds no
// date gives 0, 0, 0; one outside the representable range gives -1, -1, -1.
struct HostDate {
    int16_t year;
    int16_t month;
    int16_t day;
};

// Filled by AAP_LoadPackage.
struct PackageInfo {
    char packageName[50];
    char fileFilter[13];
    int16_t packageLevel;
};

// The company being imported: its file, its name and its fiscal calendar.
struct CompanyInfo {
    char companyPath[256];
    char companyName[41];
    char companyNote[256];
    int16_t fiscalStartMonth;
    int16_t fiscalYear;
    int16_t currentPeriod;  // host input to AAP_LoadCompany: first period to import
};

// The account parts (segments) and rollups of the company, in 30 parallel
// slots: base parts in slots 0 .. partCount-1, linked parts after them.
struct AccountStructure {
    int16_t partCount;
    int16_t linkedCount;
    int16_t currentPart;
    char partName[kPartSlots][19];
    char partType[kPartSlots][8];
    int16_t fieldSize[kPartSlots];
    char basePartName[kPartSlots][19];
    char briefHeading[kPartSlots][13];
};

// One account code of one part.
struct AccountRecord {
    char segment[kPartSlots][kSegmentSize];
    char description[51];
    char briefDescription[31];
    char status[2];
    char balanceSide[2];  // Prime part only: "D" or "C"
    int16_t category;     // Prime part only
};

// One entry header.  Bytes the module does not write are the host's.
struct EntryRecord {
    char reserved0[8];  // not touched by the module
    HostDate entryDate;
    char reserved14[21];  // not touched by the module
    char sourceCode[7];
    char entryKind[2];
    int16_t applyToYear;
    int16_t applyToPeriod;
    HostDate transactionDate;
    char reference[11];
    char explanation[256];  // width chosen by this module (the host's choice)
};

// The account of one line: one code per base part.
struct DetailAccount {
    char segment[kPartSlots][kSegmentSize];
};

// One line of an entry.
struct DetailRecord {
    char lineDescription[256];
    double debit;
    double credit;
    double quantity;
};

#pragma pack(pop)

// Every offset and size the host relies on.
static_assert(sizeof(HostDate) == 6);
static_assert(offsetof(PackageInfo, packageName) == 0);
static_assert(offsetof(PackageInfo, fileFilter) == 50);
static_assert(offsetof(PackageInfo, packageLevel) == 63);
static_assert(sizeof(PackageInfo) == 65);

static_assert(offsetof(CompanyInfo, companyPath) == 0);
static_assert(offsetof(CompanyInfo, companyName) == 256);
static_assert(offsetof(CompanyInfo, companyNote) == 297);
static_assert(offsetof(CompanyInfo, fiscalStartMonth) == 553);
static_assert(offsetof(CompanyInfo, fiscalYear) == 555);
static_assert(offsetof(CompanyInfo, currentPeriod) == 557);
static_assert(sizeof(CompanyInfo) == 559);

static_assert(offsetof(AccountStructure, partCount) == 0);
static_assert(offsetof(AccountStructure, linkedCount) == 2);
static_assert(offsetof(AccountStructure, currentPart) == 4);
static_assert(offsetof(AccountStructure, partName) == 6);
static_assert(offsetof(AccountStructure, partType) == 576);
static_assert(offsetof(AccountStructure, fieldSize) == 816);
static_assert(offsetof(AccountStructure, basePartName) == 876);
static_assert(offsetof(AccountStructure, briefHeading) == 1446);
static_assert(sizeof(AccountStructure) == 1836);

static_assert(offsetof(AccountRecord, segment) == 0);
static_assert(offsetof(AccountRecord, description) == 990);
static_assert(offsetof(AccountRecord, briefDescription) == 1041);
static_assert(offsetof(AccountRecord, status) == 1072);
static_assert(offsetof(AccountRecord, balanceSide) == 1074);
static_assert(offsetof(AccountRecord, category) == 1076);
static_assert(sizeof(AccountRecord) == 1078);

static_assert(offsetof(EntryRecord, entryDate) == 8);
static_assert(offsetof(EntryRecord, sourceCode) == 35);
static_assert(offsetof(EntryRecord, entryKind) == 42);
static_assert(offsetof(EntryRecord, applyToYear) == 44);
static_assert(offsetof(EntryRecord, applyToPeriod) == 46);
static_assert(offsetof(EntryRecord, transactionDate) == 48);
static_assert(offsetof(EntryRecord, reference) == 54);
static_assert(offsetof(EntryRecord, explanation) == 65);
static_assert(sizeof(EntryRecord) == 321);

static_assert(sizeof(DetailAccount) == 990);
static_assert(offsetof(DetailRecord, debit) == 256);
static_assert(offsetof(DetailRecord, credit) == 264);
static_assert(offsetof(DetailRecord, quantity) == 272);
static_assert(sizeof(DetailRecord) == 280);

// Writes `text` into a fixed-width text field of `width` bytes: the text up
// to its first zero byte, cut to width - 1 characters, then the terminator.
// Every text the module writes into a record goes through here, so no write
// ever passes a field's end.
inline void WriteRecordText(char* field, std::size_t width, std::string_view text) {
    if (width == 0) return;
    std::size_t length = std::min(text.find('\0'), text.size());
    length = std::min(length, width - 1);
    if (length > 0) std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

template <std::size_t N>
inline void WriteRecordText(char (&field)[N], std::string_view text) {
    WriteRecordText(field, N, text);
}

// The text of a fixed-width text field: up to its terminator, and never past
// the field's end even when the host left the field unterminated.
template <std::size_t N>
inline std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

}  // namespace aap

// The ten exported functions, as a host that loads the module at run time
// declares them.  Every function returns 1 or 0; an argument the module does
// not read still holds its position.
extern "C" {
typedef int (*AAP_LoadPackage_fn)(aap::PackageInfo* package);
typedef int (*AAP_FindFirstCompany_fn)(const char* path, aap::CompanyInfo* company);
typedef int (*AAP_FindNextCompany_fn)(void);
typedef int (*AAP_FindClose_fn)(void);
typedef int (*AAP_LoadCompany_fn)(aap::CompanyInfo* company, aap::AccountStructure* structure,
                                  int32_t* entryTotal);
typedef int (*AAP_LoadAcctPartCode_fn)(void* unused, aap::AccountStructure* structure,
                                       aap::AccountRecord* account);
typedef int (*AAP_LoadEntry_fn)(aap::CompanyInfo* company, aap::AccountStructure* structure,
                                void* unused, aap::EntryRecord* entry, char* entryDescription);
typedef int (*AAP_LoadDetail_fn)(void* unused1, aap::AccountStructure* structure,
                                 aap::DetailAccount* detailAccount, void* unused4,
                                 aap::DetailRecord* detail);
typedef int (*AAP_LoadInvoiceDetail_fn)(void);
typedef int (*AAP_UnloadCompany_fn)(void* unused, aap::AccountStructure* structure);
}

#endif  // AAP_PLUGIN_HOST_RECORDS_H_
