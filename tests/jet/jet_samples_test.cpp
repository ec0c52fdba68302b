// jet_samples_test.cpp - real Jet 3 and Jet 4 files written by Access (the
// shared jet-samples, read in place) load completely, and their values agree
// with the reference exports wherever an export's text is exact.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "db/engine/jet/jet_table_loader.h"
#include "jet_test_support.h"
#include "reference_export.h"

namespace {

using cdb::jet::JetTableLoader;
using jet_test::Value;

#define SKIP_WITHOUT_SAMPLE(file)                                                       \
    if (!jet_test::Exists(jet_test::SampleFile(file)))                                  \
    GTEST_SKIP() << "the shared Jet samples are not available: no " << (file) << " in " \
                 << jet_test::SamplesFolder()

std::string Quote(const std::string& name) {
    return "\"" + name + "\"";
}

std::string Where(std::size_t row, const std::string& column) {
    return "row " + std::to_string(row + 1) + ", column " + column;
}

// Compares one copied value with an mdb-export field where the export's text
// is exact: integers, currency and texts.  Floating-point values, dates and
// OLE objects are printed lossily (or not at all) and are left out.
void ExpectAgrees(const std::string& declaredType, const Value& copied,
                  const jet_test::ExportField& exported, const std::string& where) {
    const bool integerType = declaredType == "LONG" || declaredType == "SHORT" ||
                             declaredType == "BYTE" || declaredType == "BIT";
    const bool textType = declaredType == "MEMO" || declaredType.rfind("TEXT(", 0) == 0;
    if (integerType) {
        const Value expected =
            exported.text.empty()
                ? Value(std::monostate{})
                : Value(std::int64_t{std::strtoll(exported.text.c_str(), nullptr, 10)});
        EXPECT_EQ(copied, expected) << where << ": " << jet_test::Describe(copied);
    } else if (declaredType == "CURRENCY_E4") {
        const Value expected = exported.text.empty()
                                   ? Value(std::monostate{})
                                   : Value(*jet_test::TenThousandths(exported.text));
        EXPECT_EQ(copied, expected) << where << ": " << jet_test::Describe(copied);
    } else if (textType) {
        if (exported.quoted) {
            EXPECT_EQ(copied, Value(exported.text)) << where << ": " << jet_test::Describe(copied);
        } else {
            // The export writes a Null and an empty text alike.
            EXPECT_TRUE(copied == Value(std::monostate{}) || copied == Value(std::string()))
                << where << ": " << jet_test::Describe(copied);
        }
    }
}

struct NwindTable {
    const char* table;
    const char* reference;
};

class JetNwindTable : public ::testing::TestWithParam<NwindTable> {};

TEST_P(JetNwindTable, LoadsCompletelyAndAgreesWithTheReferenceExport) {
    SKIP_WITHOUT_SAMPLE("nwind.mdb");
    const auto loader = JetTableLoader::Open(jet_test::SampleFile("nwind.mdb"));
    const auto copy = jet_test::MemoryDatabase();
    loader->LoadTable(GetParam().table, copy.get());

    const auto exported = jet_test::ParseCsv(
        jet_test::ReadBytes(jet_test::SamplesFolder() + "/reference/" + GetParam().reference));
    ASSERT_FALSE(exported.empty());
    const auto columns = jet_test::Columns(copy.get(), GetParam().table);
    ASSERT_EQ(columns.size(), exported[0].size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        EXPECT_EQ(columns[c].name, exported[0][c].text);

    const auto rows = jet_test::Query(copy.get(), "SELECT * FROM " + Quote(GetParam().table));
    ASSERT_EQ(rows.size(), exported.size() - 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(exported[r + 1].size(), columns.size()) << "reference row " << r + 1;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            ExpectAgrees(columns[c].declaredType, rows[r][c], exported[r + 1][c],
                         Where(r, columns[c].name));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTable, JetNwindTable,
                         ::testing::Values(NwindTable{"Categories", "nwind.Categories.csv"},
                                           NwindTable{"Customers", "nwind.Customers.csv"},
                                           NwindTable{"Employees", "nwind.Employees.csv"},
                                           NwindTable{"Order Details", "nwind.Order_Details.csv"},
                                           NwindTable{"Orders", "nwind.Orders.csv"},
                                           NwindTable{"Products", "nwind.Products.csv"},
                                           NwindTable{"Shippers", "nwind.Shippers.csv"},
                                           NwindTable{"Suppliers", "nwind.Suppliers.csv"},
                                           NwindTable{"Ums\u00e4tze", "nwind.Umsaetze.csv"}),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string(info.param.reference).substr(6)) {
                                 if (c == '.') break;
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             }
                             return name;
                         });

TEST(JetNwind, ListsItsTablesIncludingANonAsciiName) {
    SKIP_WITHOUT_SAMPLE("nwind.mdb");
    const auto loader = JetTableLoader::Open(jet_test::SampleFile("nwind.mdb"));
    EXPECT_EQ(
        loader->TableNames(),
        (std::vector<std::string>{"Order Details", "Orders", "Products", "Shippers", "Categories",
                                  "Customers", "Employees", "Suppliers", "Ums\u00e4tze"}));
}

TEST(JetNwind, OleObjectsArriveAsBlobs) {
    SKIP_WITHOUT_SAMPLE("nwind.mdb");
    const auto loader = JetTableLoader::Open(jet_test::SampleFile("nwind.mdb"));
    const auto copy = jet_test::MemoryDatabase();
    loader->LoadTable("Categories", copy.get());
    const auto pictures = jet_test::Query(
        copy.get(), "SELECT typeof(Picture), length(Picture) > 1000 FROM Categories");
    ASSERT_EQ(pictures.size(), 8u);
    for (const auto& picture : pictures) {
        EXPECT_EQ(picture[0], Value(std::string("blob")));
        EXPECT_EQ(picture[1], Value(std::int64_t{1}));
    }
}

TEST(JetDateTestSample, StoredDatesAndTextsAgreeWithTheReference) {
    SKIP_WITHOUT_SAMPLE("DateTestDatabase.mdb");
    const auto loader = JetTableLoader::Open(jet_test::SampleFile("DateTestDatabase.mdb"));
    const auto copy = jet_test::MemoryDatabase();
    loader->LoadTable("DateTest", copy.get());

    const auto reference = jet_test::ParseEscapedTsv(jet_test::ReadBytes(
        jet_test::SamplesFolder() + "/reference/DateTestDatabase.DateTest.tsv"));
    const auto rows = jet_test::Query(
        copy.get(),
        "SELECT IDCol, DateTimeCol, DateCol, TimeCol, LongTextCol, ShortTextCol FROM DateTest");
    ASSERT_EQ(rows.size(), reference.size() - 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& expected = reference[r + 1];
        ASSERT_EQ(expected.size(), 9u);
        EXPECT_EQ(rows[r][0], Value(std::int64_t{std::stoll(expected[0].text)}));
        // Whole stored days come back as integers (NUMERIC affinity); the
        // value is the same double.
        for (const auto& [column, field] : {std::pair{1, 1}, {2, 3}, {3, 5}}) {
            const double stored = std::strtod(expected[field].text.c_str(), nullptr);
            const Value& got = rows[r][column];
            const bool same =
                (std::holds_alternative<double>(got) && std::get<double>(got) == stored) ||
                (std::holds_alternative<std::int64_t>(got) &&
                 static_cast<double>(std::get<std::int64_t>(got)) == stored);
            EXPECT_TRUE(same) << Where(r, std::to_string(column)) << ": "
                              << jet_test::Describe(got);
        }
        EXPECT_EQ(rows[r][4], Value(expected[7].text)) << Where(r, "LongTextCol");
        EXPECT_EQ(rows[r][5], Value(expected[8].text)) << Where(r, "ShortTextCol");
    }
}

}  // namespace
