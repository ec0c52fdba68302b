// readers_test.cpp - the OLE date conversion and the six typed readers.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "company_fixture.h"
#include "db/engine/cdb.h"
#include "db/field_readers.h"
#include "db/ole_date.h"

namespace aap::test {
namespace {

TEST(OleDate, ConvertsByTheOleDefinition) {
    struct Case {
        double ole;
        HostDate expected;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30}},        {35431.0, {1997, 1, 1}},
        {35431.75, {1997, 1, 1}},      // the time of day does not move the date
        {35431.999995, {1997, 1, 2}},  // within half a second of midnight
        {-1.25, {1899, 12, 29}},       // days back, time forward
        {-53688.0, {1753, 1, 1}},     {2958465.0, {9999, 12, 31}},
        {-657434.0, {100, 1, 1}},     {2958465.99998843, {-1, -1, -1}},  // past the last day
        {2958466.0, {-1, -1, -1}},    {-657435.0, {-1, -1, -1}},
        {std::nan(""), {-1, -1, -1}}, {60.0, {1900, 2, 28}},
        {61.0, {1900, 3, 1}},  // 1900 is no leap year
        {36585.0, {2000, 2, 29}},
    };
    for (const Case& c : cases) {
        const HostDate date = OleDateToCalendar(c.ole);
        EXPECT_EQ(+date.year, +c.expected.year) << c.ole;
        EXPECT_EQ(+date.month, +c.expected.month) << c.ole;
        EXPECT_EQ(+date.day, +c.expected.day) << c.ole;
    }
}

class ReadersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = folder_.File("readers.db");
        BuildSqliteFile(path_, R"SQL(
CREATE TABLE R (Name TEXT(20), S SHORT, L LONG, C CURRENCY, D DOUBLE, T DATETIME,
                X TEXT(20), B BIT, Y BYTE);
INSERT INTO R VALUES ('values', -5, 100000, 12.3456, 2.5, '1997-01-01 18:00:00',
                      'hello world', 1, 7);
INSERT INTO R VALUES ('null', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO R VALUES ('negative', -1, -2147483648, -0.5, -1.5, -1.25, '', 0, 0);
)SQL");
        cdb::CdbDBEngine engine;
        db_ = engine.Workspaces[0].OpenDatabase(path_.c_str(), false, true, nullptr);
    }
    void TearDown() override { db_.Close(); }

    cdb::CdbRecordset Row(const std::string& name) {
        const std::string sql = "SELECT * FROM R WHERE Name = '" + name + "';";
        return db_.OpenRecordset(sql.c_str(), cdb::dbOpenDynaset, cdb::dbReadOnly,
                                 cdb::dbDefaultLock);
    }

    std::string Text(cdb::CdbRecordset& rs, const char* column) {
        char buffer[33];
        std::memset(buffer, 'Z', sizeof buffer);
        ReadTextField(rs, column, buffer);
        return buffer;
    }

    TempFolder folder_;
    std::string path_;
    cdb::CdbDatabase db_;
};

TEST_F(ReadersTest, EachReaderTakesOnlyItsOwnTypes) {
    cdb::CdbRecordset rs = Row("values");
    EXPECT_EQ(ReadShortField(rs, "S"), -5);
    EXPECT_EQ(ReadShortField(rs, "L"), 0);  // a 32-bit column through the 16-bit reader
    EXPECT_EQ(ReadShortField(rs, "B"), 0);  // yes/no
    EXPECT_EQ(ReadShortField(rs, "Y"), 0);  // byte
    EXPECT_EQ(ReadLongField(rs, "L"), 100000);
    EXPECT_EQ(ReadLongField(rs, "S"), 0);
    EXPECT_EQ(ReadDoubleField(rs, "D"), 2.5);
    EXPECT_EQ(ReadDoubleField(rs, "C"), 0.0);  // currency through the double reader
    EXPECT_EQ(ReadCurrencyField(rs, "C"), 12.3456);
    EXPECT_EQ(ReadCurrencyField(rs, "D"), 0.0);
    const HostDate date = ReadDateField(rs, "T");
    EXPECT_EQ(+date.year, 1997);
    EXPECT_EQ(+date.month, 1);
    EXPECT_EQ(+date.day, 1);
    EXPECT_EQ(ReadDateField(rs, "D").year, 0);
    EXPECT_EQ(Text(rs, "X"), "hello world");
    EXPECT_EQ(Text(rs, "S"), "-5");
    EXPECT_EQ(Text(rs, "L"), "100000");
    for (const char* other : {"C", "D", "T", "B", "Y"}) EXPECT_EQ(Text(rs, other), "") << other;
}

TEST_F(ReadersTest, NullGivesZeroAndEmptyText) {
    cdb::CdbRecordset rs = Row("null");
    EXPECT_EQ(ReadShortField(rs, "S"), 0);
    EXPECT_EQ(ReadLongField(rs, "L"), 0);
    EXPECT_EQ(ReadDoubleField(rs, "D"), 0.0);
    EXPECT_EQ(ReadCurrencyField(rs, "C"), 0.0);
    const HostDate date = ReadDateField(rs, "T");
    EXPECT_EQ(+date.year, 0);
    EXPECT_EQ(+date.month, 0);
    EXPECT_EQ(+date.day, 0);
    EXPECT_EQ(Text(rs, "X"), "");
}

TEST_F(ReadersTest, NegativeValuesAndDates) {
    cdb::CdbRecordset rs = Row("negative");
    EXPECT_EQ(ReadCurrencyField(rs, "C"), -0.5);
    EXPECT_EQ(Text(rs, "L"), "-2147483648");
    const HostDate date = ReadDateField(rs, "T");  // stored as the number -1.25
    EXPECT_EQ(+date.year, 1899);
    EXPECT_EQ(+date.month, 12);
    EXPECT_EQ(+date.day, 29);
}

TEST_F(ReadersTest, LongTextIsCutToItsField) {
    cdb::CdbRecordset rs = Row("values");
    char small[6];
    ReadTextField(rs, "X", small);
    EXPECT_STREQ(small, "hello");
}

TEST_F(ReadersTest, AMissingColumnIsAnEngineFailure) {
    cdb::CdbRecordset rs = Row("values");
    EXPECT_THROW(ReadShortField(rs, "NoSuchColumn"), cdb::CdbException);
    char text[8];
    EXPECT_THROW(ReadTextField(rs, "NoSuchColumn", text), cdb::CdbException);
}

}  // namespace
}  // namespace aap::test
