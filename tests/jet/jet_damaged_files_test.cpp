// jet_damaged_files_test.cpp - files that are not Jet databases, or are
// truncated, zeroed, encrypted or otherwise damaged, fail with CdbException
// (never a crash, a hang or silently wrong rows), and so does every input
// the mutation loop ever found to crash or hang the reader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "db/engine/cdb_exception.h"
#include "db/engine/jet/jet_table_loader.h"
#include "db/engine/jet/reader_process.h"
#include "jet_test_support.h"
#include "twin_comparison.h"

namespace {

using cdb::jet::JetTableLoader;
using ::testing::HasSubstr;

constexpr std::size_t kPage = 4096;

struct LoadResult {
    std::string failure;  // the CdbException's text, empty when all went well
    jet_test::Database copy = jet_test::MemoryDatabase();
    std::vector<std::string> tables;
};

// Opens `path` and loads every table; stops at the first CdbException.
LoadResult LoadEverything(const std::string& path) {
    LoadResult result;
    try {
        const auto loader = JetTableLoader::Open(path);
        result.tables = loader->TableNames();
        for (const std::string& table : result.tables) loader->LoadTable(table, result.copy.get());
    } catch (const cdb::CdbException& failure) {
        result.failure = failure.what();
    }
    return result;
}

std::string FailureOf(const std::string& path) {
    const LoadResult result = LoadEverything(path);
    EXPECT_FALSE(result.failure.empty()) << path << " loaded";
    return result.failure;
}

TEST(JetDamagedFiles, WhatIsNotAJetFileIsRejectedBeforeAnyReading) {
    jet_test::TempFolder folder;
    jet_test::WriteBytes(folder.File("empty.mdb"), "");
    jet_test::WriteBytes(folder.File("notes.mdb"), "Standard text, not a database\n");
    std::string cut = jet_test::ReadBytes(jet_test::DataFile("demo.mdb")).substr(0, 100'000);
    jet_test::WriteBytes(folder.File("cut.mdb"), cut);

    EXPECT_THAT(FailureOf(folder.File("missing.mdb")), HasSubstr("No such file"));
    EXPECT_THAT(FailureOf(folder.Path()), HasSubstr("not a file"));
    EXPECT_THAT(FailureOf(folder.File("empty.mdb")), HasSubstr("not a Jet database"));
    EXPECT_THAT(FailureOf(folder.File("notes.mdb")), HasSubstr("not a Jet database"));
    EXPECT_THAT(FailureOf(folder.File("cut.mdb")),
                HasSubstr("not a whole number of 4096-byte pages"));
    EXPECT_THAT(FailureOf(folder.File("cut.mdb")), HasSubstr("cut.mdb"));
}

TEST(JetDamagedFiles, AFileCutAtAPageBoundaryFails) {
    jet_test::TempFolder folder;
    const std::string whole = jet_test::ReadBytes(jet_test::DataFile("demo.mdb"));
    for (const std::size_t pages : {2, 8, 40, 80}) {
        jet_test::WriteBytes(folder.File("cut.mdb"), whole.substr(0, pages * kPage));
        EXPECT_FALSE(FailureOf(folder.File("cut.mdb")).empty()) << pages << " pages";
    }
}

TEST(JetDamagedFiles, AnEncryptionKeyThatDoesNotFitFails) {
    // Byte 0x3e of the (obfuscated) header holds the page encryption key.
    jet_test::TempFolder folder;
    std::string bytes = jet_test::ReadBytes(jet_test::DataFile("types.mdb"));
    bytes[0x3e] = static_cast<char>(bytes[0x3e] ^ 0x5a);
    jet_test::WriteBytes(folder.File("encrypted.mdb"), bytes);
    EXPECT_FALSE(FailureOf(folder.File("encrypted.mdb")).empty());
}

// Jet keeps no checksums, so a changed value cannot be noticed; but a page
// that is gone (zeroed) must never go unnoticed: each table either fails or
// arrives exactly as it was.
TEST(JetDamagedFiles, AZeroedPageFailsOrChangesNothing) {
    jet_test::TempFolder folder;
    for (const std::string fixture : {"types", "demo"}) {
        const auto twin = jet_test::OpenReadOnly(jet_test::DataFile(fixture + ".db"));
        const std::string whole = jet_test::ReadBytes(jet_test::DataFile(fixture + ".mdb"));
        const auto expectedTables =
            JetTableLoader::Open(jet_test::DataFile(fixture + ".mdb"))->TableNames();
        for (std::size_t page = 1; page < whole.size() / kPage; ++page) {
            std::string damaged = whole;
            std::fill_n(damaged.begin() + static_cast<std::ptrdiff_t>(page * kPage), kPage, '\0');
            jet_test::WriteBytes(folder.File("zeroed.mdb"), damaged);
            const LoadResult result = LoadEverything(folder.File("zeroed.mdb"));
            if (!result.failure.empty()) continue;
            ASSERT_EQ(result.tables, expectedTables) << fixture << " page " << page;
            for (const std::string& table : expectedTables) {
                EXPECT_THAT(jet_test::CompareWithTwin(twin.get(), result.copy.get(), table),
                            ::testing::IsEmpty())
                    << fixture << " page " << page;
            }
        }
    }
}

// Inputs kept from the mutation loop: each once crashed or hung the reader.
TEST(JetDamagedFiles, EveryKeptRegressionInputFailsCleanly) {
    const std::string folder = jet_test::DataFile("regressions");
    cdb::jet::SetReaderStallTimeoutForTesting(std::chrono::milliseconds(2000));
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".mdb") continue;
        const std::string failure = FailureOf(entry.path().string());
        EXPECT_THAT(failure, HasSubstr(entry.path().filename().string()));
        ++checked;
    }
    cdb::jet::SetReaderStallTimeoutForTesting(cdb::jet::kReaderStallTimeout);
    EXPECT_GT(checked, 0);
}

}  // namespace
