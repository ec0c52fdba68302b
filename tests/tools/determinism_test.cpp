// A seed and options give a byte-identical company file; another seed gives another
// company of the same shape.
#include <gtest/gtest.h>

#include "company_database.h"
#include "company_file.h"

namespace {

CompanyOptions smallCompany(std::uint64_t seed) {
    CompanyOptions options;
    options.seed = seed;
    options.lines = 2000;
    options.otherParts = 2;
    options.rollups = 3;
    return options;
}

TEST(Determinism, SameSeedGivesByteIdenticalFiles) {
    TemporaryFolder folder;
    writeCompany(smallCompany(42), folder.file("first.db").string());
    writeCompany(smallCompany(42), folder.file("second.db").string());
    const std::string first = readBytes(folder.file("first.db"));
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first == readBytes(folder.file("second.db")));
}

TEST(Determinism, AnotherSeedGivesOtherDataOfTheSameShape) {
    TemporaryFolder folder;
    writeCompany(smallCompany(42), folder.file("a.db").string());
    writeCompany(smallCompany(43), folder.file("b.db").string());
    CompanyDatabase a(folder.file("a.db"));
    CompanyDatabase b(folder.file("b.db"));
    const std::string lines =
        "SELECT Batch, Entry, Line, SubLine, Account, Description, DebitAmount FROM "
        "GL_JournalDetail ORDER BY rowid LIMIT 200";
    EXPECT_NE(a.rows(lines), b.rows(lines));
    const std::string shape =
        "SELECT (SELECT count(*) FROM GL_JournalDetail), (SELECT count(*) FROM Account), "
        "(SELECT group_concat(PartName) FROM AA_AccountParts)";
    EXPECT_EQ(a.rows(shape), b.rows(shape));
}

TEST(Determinism, ReplacesAnExistingFile) {
    TemporaryFolder folder;
    const auto path = folder.file("company.db");
    writeCompany(smallCompany(1), path.string());
    writeCompany(smallCompany(2), path.string());
    writeCompany(smallCompany(2), folder.file("fresh.db").string());
    EXPECT_TRUE(readBytes(path) == readBytes(folder.file("fresh.db")));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".partial"));
}

}  // namespace
