// format_parity_test.cpp - a whole import of the demo company gives the same
// records, byte for byte, from its Jet file and from its SQLite twin.

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "company_fixture.h"
#include "plugin/exports.h"

namespace aap::test {
namespace {

// Appends the bytes of a record as hex, so any difference shows where it is.
template <typename Record>
void Dump(std::ostringstream& out, const char* label, const Record& record) {
    out << label << ' ';
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    static const char kHex[] = "0123456789abcdef";
    for (size_t i = 0; i < sizeof record; ++i) out << kHex[bytes[i] >> 4] << kHex[bytes[i] & 15];
    out << '\n';
}

// Every record the module writes in one whole import of `path`.
std::string WholeImport(const std::string& path) {
    std::ostringstream out;
    HostRecords host;
    host.Prepare(path, 1);
    if (AAP_LoadCompany(&host.company, &host.structure, &host.entryTotal) != 1) return "failed";
    CompanyInfo company = host.company;
    std::memset(company.companyPath, 0, sizeof company.companyPath);  // differs by design
    Dump(out, "company", company);
    Dump(out, "structure", host.structure);
    out << "entryTotal " << host.entryTotal << '\n';
    const int slots = host.structure.partCount + host.structure.linkedCount;
    for (int slot = 0; slot < slots; ++slot) {
        host.structure.currentPart = static_cast<int16_t>(slot);
        AccountRecord account{};
        while (AAP_LoadAcctPartCode(nullptr, &host.structure, &account) == 1) {
            Dump(out, "code", account);
        }
    }
    EntryRecord entry{};
    while (AAP_LoadEntry(&host.company, &host.structure, nullptr, &entry, host.entryDescription) ==
           1) {
        Dump(out, "entry", entry);
        out << "description " << host.entryDescription << '\n';
        while (AAP_LoadDetail(nullptr, &host.structure, &host.detailAccount, nullptr,
                              &host.detail) == 1) {
            Dump(out, "account", host.detailAccount);
            Dump(out, "line", host.detail);
        }
    }
    AAP_UnloadCompany(nullptr, &host.structure);
    return out.str();
}

TEST(FormatParity, DemoCompanyImportsTheSameFromJetAndSqlite) {
    const std::string jet = std::string(AAP_TEST_DATA_DIR) + "/jet/demo.mdb";
    const std::string sqlite = std::string(AAP_TEST_DATA_DIR) + "/jet/demo.db";
    MessageRecorder recorder;
    const std::string fromSqlite = WholeImport(sqlite);
    const std::string fromJet = WholeImport(jet);
    ASSERT_NE(fromSqlite, "failed");
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(fromJet, fromSqlite);
}

}  // namespace
}  // namespace aap::test
