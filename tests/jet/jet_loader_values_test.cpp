// jet_loader_values_test.cpp - the loader's copies of the type cases and of
// the demo company agree value by value with their SQLite twins.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "db/engine/cdb_exception.h"
#include "db/engine/jet/jet_table_loader.h"
#include "jet_test_support.h"
#include "twin_comparison.h"

namespace {

using cdb::jet::JetTableLoader;
using jet_test::Blob;
using jet_test::DataFile;
using jet_test::Value;
using ::testing::IsEmpty;

jet_test::Database LoadAll(JetTableLoader& loader) {
    auto copy = jet_test::MemoryDatabase();
    for (const std::string& table : loader.TableNames()) loader.LoadTable(table, copy.get());
    return copy;
}

TEST(JetTypeCases, EveryValueEqualsTheSqliteTwin) {
    const auto loader = JetTableLoader::Open(DataFile("types.mdb"));
    ASSERT_THAT(loader->TableNames(), ::testing::ElementsAre("TypeCases"));
    const auto copy = LoadAll(*loader);
    const auto twin = jet_test::OpenReadOnly(DataFile("types.db"));
    EXPECT_THAT(jet_test::CompareWithTwin(twin.get(), copy.get(), "TypeCases"), IsEmpty());
}

// The edges that matter most, pinned without going through the twin.
TEST(JetTypeCases, EdgeValuesArriveExactly) {
    const auto loader = JetTableLoader::Open(DataFile("types.mdb"));
    const auto copy = LoadAll(*loader);
    struct Case {
        int row;
        const char* expression;
        Value expected;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {1, "MemoVal", std::monostate{}},
        {1, "Text255", std::monostate{}},
        {1, "BitVal", std::int64_t{0}},
        {2, "MemoVal", ""s},
        {2, "Text1", ""s},
        {2, "DateVal", std::int64_t{0}},
        {3, "MoneyVal", std::int64_t{9223372036854770000}},
        {4, "MoneyVal", std::int64_t{-9223372036854770000}},
        {3, "ShortVal", std::int64_t{32767}},
        {4, "LongVal", std::int64_t{-2147483648}},
        {3, "ByteVal", std::int64_t{255}},
        {3, "BitVal", std::int64_t{1}},
        {5, "DateVal", -1.25},
        {6, "MoneyVal", std::int64_t{123456}},
        {8, "MoneyVal", std::int64_t{-1}},
        {12, "MoneyVal", std::int64_t{1234567890123456}},
        {8, "DateVal = DoubleVal", std::int64_t{1}},
        {9, "DateVal", std::int64_t{-53688}},
        {3, "DateVal", std::int64_t{2958465}},
        {11, "DateVal", std::int64_t{-657435}},
        {20, "DoubleVal", 5e-324},
        {20, "SingleVal", static_cast<double>(1.401298464324817e-45f)},
        {16, "CAST(Text10 AS BLOB)", Blob{"abc\0def"s}},
        {15, "Text1", "\u20ac"s},
        {14, "Text10", "M\u00fcller"s},
        {17, "Text1", " "s},
        {19, "length(MemoVal)", std::int64_t{12000}},
    };
    for (const Case& c : cases) {
        const auto rows = jet_test::Query(
            copy.get(), std::string("SELECT ") + c.expression +
                            " FROM TypeCases WHERE CaseId = " + std::to_string(c.row));
        ASSERT_EQ(rows.size(), 1u) << "row " << c.row;
        EXPECT_EQ(rows[0][0], c.expected) << "row " << c.row << ", " << c.expression << ": got "
                                          << jet_test::Describe(rows[0][0]);
    }
}

TEST(JetTypeCases, MemoSpreadOverSeveralPagesArrivesWholeAndInOrder) {
    const auto loader = JetTableLoader::Open(DataFile("types.mdb"));
    const auto copy = LoadAll(*loader);
    std::string expected;
    for (int i = 1; i <= 2000; ++i) {
        char piece[8];
        std::snprintf(piece, sizeof piece, "%05d;", i);
        expected += piece;
    }
    const auto rows =
        jet_test::Query(copy.get(), "SELECT MemoVal FROM TypeCases WHERE CaseId = 19");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], Value(expected));
}

TEST(JetDemoCompany, EveryTableEqualsTheSqliteTwinRowForRow) {
    const auto loader = JetTableLoader::Open(DataFile("demo.mdb"));
    const auto twin = jet_test::OpenReadOnly(DataFile("demo.db"));
    std::vector<std::string> twinTables;
    for (const auto& row : jet_test::Query(
             twin.get(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")) {
        twinTables.push_back(std::get<std::string>(row[0]));
    }
    ASSERT_EQ(loader->TableNames(), twinTables);

    const auto copy = LoadAll(*loader);
    for (const std::string& table : twinTables) {
        EXPECT_THAT(jet_test::CompareWithTwin(twin.get(), copy.get(), table), IsEmpty());
    }
}

TEST(JetDemoCompany, LoadsOnlyTheNamedTableIntoTheGivenSchema) {
    const auto loader = JetTableLoader::Open(DataFile("demo.mdb"));
    auto copy = jet_test::MemoryDatabase();
    ASSERT_EQ(sqlite3_exec(copy.get(), "ATTACH ':memory:' AS company", nullptr, nullptr, nullptr),
              SQLITE_OK);
    loader->LoadTable("GL_ControlInformation", copy.get(), "company");

    const auto tables =
        jet_test::Query(copy.get(),
                        "SELECT name FROM company.sqlite_master WHERE type = 'table' UNION ALL "
                        "SELECT name FROM main.sqlite_master WHERE type = 'table'");
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0][0], Value(std::string("GL_ControlInformation")));
    const auto control = jet_test::Query(
        copy.get(),
        "SELECT FiscalYear, NumberOfPeriods, CurrentGLPeriod FROM company.GL_ControlInformation");
    ASSERT_EQ(control.size(), 1u);
    EXPECT_EQ(control[0], (jet_test::Row{std::int64_t{1997}, std::int64_t{12}, std::int64_t{5}}));
}

TEST(JetDemoCompany, UnknownTableOrSecondLoadFailsAndLeavesNothingBehind) {
    const auto loader = JetTableLoader::Open(DataFile("demo.mdb"));
    auto copy = jet_test::MemoryDatabase();
    EXPECT_THROW(loader->LoadTable("NoSuchTable", copy.get()), cdb::CdbException);
    loader->LoadTable("Fund", copy.get());
    EXPECT_THROW(loader->LoadTable("Fund", copy.get()), cdb::CdbException);
    EXPECT_EQ(jet_test::Query(copy.get(), "SELECT count(*) FROM Fund")[0][0],
              Value(std::int64_t{4}));
    // The failed second load rolled back its savepoint: the connection is usable.
    EXPECT_EQ(sqlite3_get_autocommit(copy.get()), 1);
}

TEST(JetDemoCompany, TheFileIsNeverWritten) {
    const std::string path = DataFile("demo.mdb");
    const std::string before = jet_test::ReadBytes(path);
    const auto loader = JetTableLoader::Open(path);
    LoadAll(*loader);
    EXPECT_TRUE(jet_test::ReadBytes(path) == before);
}

}  // namespace
