// types_test.cpp - the type cases of tests/data/engine/types.sql (the
// shared types fixture): each column of each row arrives as the variant
// that the field readers expect, with exact values at the edges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::OpenReadOnly;
using enginetest::Show;
using enginetest::TypesDb;
using Strings = std::vector<std::string>;

class TypeCases : public ::testing::Test {
  protected:
    // The row of one case, every column shown (texts cut to 12 characters).
    Strings Case(int id) {
        std::string sql = "SELECT * FROM TypeCases WHERE CaseId = " + std::to_string(id);
        CdbRecordset rs = db_.OpenRecordset(sql.c_str(), dbOpenDynaset, dbReadOnly, dbDefaultLock);
        EXPECT_FALSE(rs.GetEOF());
        Strings out;
        CdbFields f = rs.Fields();
        for (int i = 2; i < f.GetCount(); ++i) out.push_back(Show(f[i].GetValue()).substr(0, 17));
        return out;
    }
    COleVariant Value(int id, const char* column) {
        std::string sql = std::string("SELECT ") + column +
                          " FROM TypeCases WHERE CaseId = " + std::to_string(id);
        CdbRecordset rs = db_.OpenRecordset(sql.c_str(), dbOpenDynaset, dbReadOnly, dbDefaultLock);
        return rs.GetField(column);
    }
    CdbDatabase db_ = OpenReadOnly(TypesDb());
};

// Columns after CaseId and CaseName: ShortVal LongVal MoneyVal DoubleVal
// SingleVal DateVal Text1 Text10 Text255 MemoVal BitVal ByteVal.

TEST_F(TypeCases, AllEmpty) {
    EXPECT_EQ(Case(1), (Strings{"NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                "NULL", "NULL", "BOOL:0", "NULL"}));
}

TEST_F(TypeCases, ZerosAndEmptyTexts) {
    EXPECT_EQ(Case(2), (Strings{"I2:0", "I4:0", "CY:0", "R8:0", "R4:0", "DATE:0",
                                "BSTR:", "BSTR:", "BSTR:", "BSTR:", "BOOL:0", "UI1:0"}));
}

TEST_F(TypeCases, UpperAndLowerLimits) {
    EXPECT_EQ(Case(3),
              (Strings{"I2:32767", "I4:2147483647", "CY:92233720368547", "R8:1.797693134862",
                       "R4:3.40282347e+38", "DATE:2958465", "BSTR:Z", "BSTR:ABCDEFGHIJ",
                       "BSTR:The quick br", "BSTR:Memo of 300 ", "BOOL:1", "UI1:255"}));
    EXPECT_EQ(Value(3, "MoneyVal").cyVal, 9223372036854770000LL);
    EXPECT_EQ(Value(3, "DoubleVal").dblVal, 1.7976931348623157e308);
    EXPECT_EQ(Value(3, "SingleVal").fltVal, 3.4028234663852886e38f);
    EXPECT_EQ(Value(3, "Text255").strVal.size(), 255u);
    EXPECT_EQ(Value(3, "MemoVal").strVal.size(), 300u);
    EXPECT_EQ(Case(4), (Strings{"I2:-32768", "I4:-2147483648", "CY:-9223372036854",
                                "R8:-1.79769313486", "R4:-3.40282347e+3", "DATE:-657434", "BSTR:a",
                                "BSTR:abcdefghij", "NULL", "NULL", "BOOL:1", "UI1:0"}));
    EXPECT_EQ(Value(4, "MoneyVal").cyVal, -9223372036854770000LL);
}

TEST_F(TypeCases, SmallNegativesAndFourDecimals) {
    EXPECT_EQ(Case(5), (Strings{"I2:-1", "I4:-1", "CY:-5000", "R8:-1.5", "R4:-0.25", "DATE:-1.25",
                                "BSTR:-", "BSTR:minus", "NULL", "NULL", "BOOL:0", "UI1:1"}));
    EXPECT_EQ(Case(6), (Strings{"I2:-5", "I4:100000", "CY:123456", "R8:3.141592653589", "R4:0.5",
                                "DATE:35431", "BSTR:5", "BSTR:100000", "NULL", "NULL", "BOOL:1",
                                "UI1:127"}));
    EXPECT_EQ(Value(6, "DoubleVal").dblVal, 3.141592653589793);
}

TEST_F(TypeCases, DatesWithTimesAndAtTheEdges) {
    EXPECT_EQ(Value(7, "DateVal").date, 35431.75);
    EXPECT_EQ(Value(7, "MoneyVal").cyVal, 1);
    EXPECT_EQ(Value(8, "DateVal").date, 35431.999995);
    EXPECT_EQ(Value(8, "DateVal").date, Value(8, "DoubleVal").dblVal);
    EXPECT_EQ(Value(8, "MoneyVal").cyVal, -1);
    EXPECT_EQ(Value(9, "DateVal").date, -53688.0);
    EXPECT_EQ(Value(9, "MoneyVal").cyVal, 17530100);
    EXPECT_EQ(Value(10, "DateVal").date, (2958465.0 * 86400 + 86399) / 86400);
    EXPECT_EQ(Value(11, "DateVal").date, -657435.0);
    EXPECT_EQ(Value(11, "DateVal").vt, VT_DATE);
}

TEST_F(TypeCases, LargeCurrency) {
    EXPECT_EQ(Value(12, "MoneyVal").cyVal, 1234567890123456LL);
    EXPECT_EQ(Value(12, "DoubleVal").dblVal, 123456789012.3456);
    EXPECT_EQ(Value(13, "MoneyVal").cyVal, -999999999999999LL);
}

TEST_F(TypeCases, Windows1252Text) {
    EXPECT_EQ(Value(14, "Text1").strVal, "\xE9");
    EXPECT_EQ(Value(14, "Text10").strVal, "M\xFCller");
    EXPECT_EQ(Value(14, "Text255").strVal.substr(0, 14), "Caf\xE9 Cr\xE8me, \xC5n");
    EXPECT_EQ(Value(14, "MemoVal").strVal.substr(0, 12),
              "Cr\xE8me br\xFBl\xE9"
              "e");
    EXPECT_EQ(Value(15, "Text1").strVal, "\x80");
    EXPECT_EQ(Value(15, "Text10").strVal, "Cost 5 \x80");
    EXPECT_EQ(Value(15, "Text255").strVal, "Fees \x96 \x93quoted\x94 \x97 12,50 \x80");
    EXPECT_EQ(Value(15, "MemoVal").strVal, "\x91single\x92 \x80\x95\x85");
}

TEST_F(TypeCases, TextKeptAsStored) {
    COleVariant zero = Value(16, "Text10");
    EXPECT_EQ(zero.vt, VT_BSTR);
    EXPECT_EQ(zero.strVal, std::string("abc\0def", 7));
    EXPECT_EQ(Value(17, "Text1").strVal, " ");
    EXPECT_EQ(Value(17, "Text10").strVal, "  pad  ");
    EXPECT_EQ(Value(17, "Text255").strVal, "He said \"yes\", then 'no'; a\ttab, a\\backslash");
    EXPECT_EQ(Value(17, "MemoVal").strVal, "line 1\r\nline 2\nline 3");
}

TEST_F(TypeCases, LongMemos) {
    std::string m3000 = Value(18, "MemoVal").strVal;
    ASSERT_EQ(m3000.size(), 3000u);
    EXPECT_EQ(m3000.substr(0, 10), "0001;0002;");
    EXPECT_EQ(m3000.substr(2995), "0600;");
    std::string m12000 = Value(19, "MemoVal").strVal;
    ASSERT_EQ(m12000.size(), 12000u);
    EXPECT_EQ(m12000.substr(11994), "02000;");
}

TEST_F(TypeCases, TinyAndWholeFloatingValues) {
    EXPECT_EQ(Value(20, "MoneyVal").cyVal, 10000);
    EXPECT_EQ(Value(20, "DoubleVal").dblVal, 5e-324);
    EXPECT_EQ(Value(20, "SingleVal").vt, VT_R4);
    EXPECT_EQ(Value(20, "SingleVal").fltVal, 1.401298464324817e-45f);
    EXPECT_EQ(Value(21, "MoneyVal").cyVal, 2500000);
    EXPECT_EQ(Show(Value(21, "DoubleVal")), "R8:250");
    EXPECT_EQ(Show(Value(21, "SingleVal")), "R4:16777216");
}

TEST_F(TypeCases, ColumnTypesOfTheTable) {
    CdbRecordset rs = db_.OpenRecordset("TypeCases", dbOpenTable, dbReadOnly, dbDefaultLock);
    CdbFields f = rs.Fields();
    std::vector<uint16_t> types;
    for (int i = 0; i < f.GetCount(); ++i) types.push_back(f[i].GetType());
    EXPECT_EQ(types,
              (std::vector<uint16_t>{VT_I4, VT_BSTR, VT_I2, VT_I4, VT_CY, VT_R8, VT_R4, VT_DATE,
                                     VT_BSTR, VT_BSTR, VT_BSTR, VT_BSTR, VT_BOOL, VT_UI1}));
    EXPECT_EQ(rs.GetRecordCount(), 21);
    EXPECT_EQ(Show(rs.GetField("CaseId")), "I4:1");  // a table stands on its first row
}

}  // namespace
