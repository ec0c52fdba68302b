// records_test.cpp - the plug-in boundary without a company: record text
// writes, the package answer, the constant answers, the exported symbol set,
// and calls made out of order.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "company_fixture.h"
#include "plugin/exports.h"

namespace aap::test {
namespace {

TEST(RecordText, CutsToTheFieldAndAlwaysTerminates) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"abcd", "abc"},      // exactly fits width 4: three characters and the terminator
        {"abcdefgh", "abc"},  // longer: cut
        {std::string("ab\0cd", 5), "ab"},  // a zero byte ends the text
    };
    for (const Case& c : cases) {
        char buffer[8];
        std::memset(buffer, 'X', sizeof buffer);
        WriteRecordText(buffer, 4, c.text);
        EXPECT_STREQ(buffer, c.expected.c_str()) << c.text;
        for (size_t i = 4; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 'X') << "byte " << i;
    }
}

TEST(Package, FillsTheFirst65BytesOnly) {
    std::array<unsigned char, 80> bytes;
    bytes.fill(0xEE);
    auto* package = reinterpret_cast<PackageInfo*>(bytes.data());
    EXPECT_EQ(AAP_LoadPackage(package), 1);
    EXPECT_STREQ(package->packageName, "Vantrel Server 2.X");
    EXPECT_STREQ(package->fileFilter, "*.mdb");
    EXPECT_EQ(bytes[63], 2);
    EXPECT_EQ(bytes[64], 0);
    for (size_t i = 65; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0xEE) << "byte " << i;
}

TEST(ConstantAnswers, HoldInAnyState) {
    EXPECT_EQ(AAP_FindNextCompany(), 0);
    EXPECT_EQ(AAP_FindClose(), 1);
    EXPECT_EQ(AAP_LoadInvoiceDetail(), 0);
}

TEST(CallOrder, CallsWithoutALoadedCompanyAnswerZeroQuietly) {
    MessageRecorder recorder;
    HostRecords host;
    EXPECT_EQ(AAP_LoadAcctPartCode(nullptr, &host.structure, &host.account), 0);
    EXPECT_EQ(
        AAP_LoadEntry(&host.company, &host.structure, nullptr, &host.entry, host.entryDescription),
        0);
    EXPECT_EQ(AAP_LoadDetail(nullptr, &host.structure, &host.detailAccount, nullptr, &host.detail),
              0);
    EXPECT_EQ(AAP_LoadCompany(nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST(Unload, WithNothingLoadedCountsThePartSlots) {
    struct Case {
        int16_t partCount;
        int16_t linkedCount;
        int16_t expectedCurrentPart;
    };
    const Case cases[] = {{3, 2, 5}, {0, 0, 0}, {-2, 1, 0}, {1, -4, 0}};
    for (const Case& c : cases) {
        AccountStructure structure{};
        structure.partCount = c.partCount;
        structure.linkedCount = c.linkedCount;
        structure.currentPart = 17;
        EXPECT_EQ(AAP_UnloadCompany(nullptr, &structure), 1);
        EXPECT_EQ(+structure.currentPart, c.expectedCurrentPart);
        EXPECT_EQ(AAP_UnloadCompany(nullptr, &structure), 1) << "a second unload";
    }
}

// The defined dynamic symbols of the built module.
std::set<std::string> ExportedSymbols(const std::string& library) {
    const std::string command = "nm -D --defined-only '" + library + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::set<std::string> symbols;
    if (!pipe) return symbols;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        char address[64], type[8], name[900];
        if (std::sscanf(line, "%63s %7s %899s", address, type, name) == 3) symbols.insert(name);
    }
    return symbols;
}

TEST(Module, ExportsExactlyTheTenFunctions) {
    const std::set<std::string> expected = {
        "AAP_LoadPackage",       "AAP_FindFirstCompany", "AAP_FindNextCompany", "AAP_FindClose",
        "AAP_LoadCompany",       "AAP_LoadAcctPartCode", "AAP_LoadEntry",       "AAP_LoadDetail",
        "AAP_LoadInvoiceDetail", "AAP_UnloadCompany",
    };
    const std::string library = AAP_MODULE_PATH;
    EXPECT_NE(library.find("AAPVantrel.so"), std::string::npos);
    EXPECT_EQ(ExportedSymbols(library), expected);
}

}  // namespace
}  // namespace aap::test
