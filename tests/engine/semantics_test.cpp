// semantics_test.cpp - Jet semantics over SQLite: declared types and their
// variants, typing of expressions, values that do not fit their type, text
// compared, grouped and sorted without regard to case, column naming and
// lookup, DISTINCT and DISTINCTROW, exact currency.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_test_util.h"

namespace {

using namespace cdb;
using enginetest::Names;
using enginetest::OpenReadOnly;
using enginetest::Rows;
using enginetest::Show;
using enginetest::TempDir;
using Strings = std::vector<std::string>;

// Windows-1252 text as UTF-8 for the SQLite script.
std::string U(const char* cp1252) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(cp1252); *p; ++p) {
        if (*p < 0x80) {
            out.push_back(static_cast<char>(*p));
        } else {  // the accented letters used here are Latin-1
            out.push_back(static_cast<char>(0xC0 | (*p >> 6)));
            out.push_back(static_cast<char>(0x80 | (*p & 0x3F)));
        }
    }
    return out;
}

class Semantics : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        path_ = dir_->File("semantics.db");
        enginetest::ExecSql(
            path_,
            "CREATE TABLE T (Id LONG, S SHORT, L LONG, C CURRENCY, D DOUBLE, F SINGLE, "
            "  Dt DATETIME, Tx TEXT(20), M MEMO, B BIT, Y BYTE, Sm SMALLINT, I INTEGER, "
            "  I4 INT, Rl REAL, Fl FLOAT, Mo MONEY, Da DATE, Ts TIMESTAMP, Vc VARCHAR(10), "
            "  Ch CHAR(3), Bo BOOLEAN, Yn YESNO, Nt, Lb LONGBINARY);"
            "INSERT INTO T VALUES (1, 5, 7, 0.1, 2.5, 1.5, '1997-07-01', 'abc', 'memo', 1, 200, 3, "
            "  4, 6, 1.25, 2.75, 12.3456, '1997-07-02', '1997-07-03 12:00:00', 'vc', 'ch', 0, 1, "
            "  'x', x'0102');"
            "INSERT INTO T VALUES (2, -5, 70, 0.2, 0.5, 0.25, 35431.5, 'ABC', NULL, 0, 0, 3, 4, 6, "
            "  1.25, 2.75, 0.5, NULL, NULL, NULL, NULL, 1, 0, 5, NULL);"
            "CREATE TABLE Odd (Id LONG, S SHORT, L LONG, Dt DATETIME, C CURRENCY, Y BYTE, "
            "  Tx TEXT(10), B BIT);"
            "INSERT INTO Odd VALUES (1, 70000, 3000000000, 'not a date', 'abc', 300, 42, 7);"
            "INSERT INTO Odd VALUES (2, 'text', 'more', '1997-07-01', 1e20, -1, 4.5, 'yes');"
            "CREATE TABLE Words (W TEXT(20), N LONG);"
            "INSERT INTO Words VALUES ('abc', 1), ('ABC', 2), ('b', 3), ('a', 4), ('Z', 5),"
            "  ('" +
                U("\xE9t\xE9") + "', 6), ('" + U("\xC9T\xC9") + "', 7), ('e', 8), ('" +
                U("\xE9"
                  "a") +
                "', 9), ('eb', 10);"
                "CREATE TABLE Money (C CURRENCY);"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                "  INSERT INTO Money SELECT 0.1 FROM n;"
                "INSERT INTO Money VALUES (0.0001), (12.3456);"
                "CREATE TABLE Parent (Id LONG, Name TEXT(10));"
                "INSERT INTO Parent VALUES (1, 'one'), (2, 'two'), (3, 'three'), (3, 'three');"
                "CREATE TABLE Child (ParentId LONG, Tag TEXT(10));"
                "INSERT INTO Child VALUES (1, 'a'), (1, 'b'), (2, 'c'), (3, 'd');");
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    CdbRecordset Open(const std::string& sql) {
        return db_.OpenRecordset(sql.c_str(), dbOpenDynaset, dbReadOnly, dbDefaultLock);
    }
    // The first row of a query, every value shown with its type.
    Strings First(const std::string& sql) {
        CdbRecordset rs = Open(sql);
        EXPECT_FALSE(rs.GetEOF()) << sql;
        auto rows = Rows(rs);
        return rows.empty() ? Strings{} : rows[0];
    }
    std::string One(const std::string& sql) {
        Strings r = First(sql);
        return r.empty() ? "" : r[0];
    }
    Strings Column(const std::string& sql) {
        CdbRecordset rs = Open(sql);
        Strings out;
        for (auto& r : Rows(rs)) out.push_back(r[0]);
        return out;
    }

    static TempDir* dir_;
    static std::string path_;
    CdbDatabase db_ = OpenReadOnly(path_);
};

TempDir* Semantics::dir_ = nullptr;
std::string Semantics::path_;

TEST_F(Semantics, DeclaredTypesAndSynonyms) {
    EXPECT_EQ(First("SELECT * FROM T WHERE Id = 1"),
              (Strings{"I4:1",    "I2:5",       "I4:7",       "CY:1000",      "R8:2.5",
                       "R4:1.5",  "DATE:35612", "BSTR:abc",   "BSTR:memo",    "BOOL:1",
                       "UI1:200", "I2:3",       "I4:4",       "I4:6",         "R8:1.25",
                       "R8:2.75", "CY:123456",  "DATE:35613", "DATE:35614.5", "BSTR:vc",
                       "BSTR:ch", "BOOL:0",     "BOOL:1",     "BSTR:x",       "BIN:2"}));
    CdbRecordset rs = Open("SELECT * FROM T");
    CdbFields f = rs.Fields();
    EXPECT_EQ(f["S"].GetType(), VT_I2);
    EXPECT_EQ(f["C"].GetType(), VT_CY);
    EXPECT_EQ(f["Dt"].GetType(), VT_DATE);
    EXPECT_EQ(f["Tx"].GetType(), VT_BSTR);
    EXPECT_EQ(f["Nt"].GetType(), VT_EMPTY);  // no declared type: the value decides
    EXPECT_EQ(One("SELECT Nt FROM T WHERE Id = 2"), "I4:5");
    EXPECT_EQ(One("SELECT M FROM T WHERE Id = 2"), "NULL");
    EXPECT_EQ(One("SELECT Dt FROM T WHERE Id = 2"), "DATE:35431.5");  // a number: an OLE date
}

TEST_F(Semantics, ValuesThatDoNotFitArriveAsWhatTheyAre) {
    EXPECT_EQ(First("SELECT S, L, Dt, C, Y, Tx, B FROM Odd WHERE Id = 1"),
              (Strings{"I4:70000", "R8:3000000000", "BSTR:not a date", "BSTR:abc", "I2:300",
                       "BSTR:42", "I2:7"}));
    EXPECT_EQ(First("SELECT S, L, Dt, C, Y, Tx, B FROM Odd WHERE Id = 2"),
              (Strings{"BSTR:text", "BSTR:more", "DATE:35612", "R8:1e+20", "I2:-1", "BSTR:4.5",
                       "BSTR:yes"}));
}

TEST_F(Semantics, AggregatesKeepTheirArgumentsType) {
    EXPECT_EQ(First("SELECT Sum(S), Max(S), Min(L), Sum(C), Max(Dt), Min(Tx), Max(F), Count(*), "
                    "Count(M), Sum(D) FROM T"),
              (Strings{"I2:0", "I2:5", "I4:7", "CY:3000", "DATE:35612", "BSTR:abc", "R4:1.5",
                       "I4:2", "I4:1", "R8:3"}));
    // A sum over values that do not fit (70000 and a text) is still delivered,
    // as what SQLite makes of it: a double.
    EXPECT_EQ(One("SELECT Sum(S) FROM Odd"), "R8:70000");
}

TEST_F(Semantics, CurrencySumsAreExact) {
    // 1000 x 0.1 + 0.0001 + 12.3456 in doubles is not exact; in currency it is.
    EXPECT_EQ(One("SELECT Sum(C) AS Total FROM Money"), "CY:1123457");
    EXPECT_EQ(One("SELECT Sum(C) + 1 FROM Money"), "CY:1133457");
    EXPECT_EQ(One("SELECT Max(C) FROM Money"), "CY:123456");
    EXPECT_EQ(One("SELECT Count(*) FROM Money WHERE C = 0.1"), "I4:1000");
    EXPECT_EQ(One("SELECT Count(*) FROM Money WHERE C > 1"), "I4:1");
}

TEST_F(Semantics, LiteralsAndArithmetic) {
    EXPECT_EQ(First("SELECT 5, 3000000000, 2.5, 'x', Null FROM T WHERE Id = 1"),
              (Strings{"I4:5", "R8:3000000000", "R8:2.5", "BSTR:x", "NULL"}));
    EXPECT_EQ(First("SELECT 100 + S, S + S, L / 2, D * 2, C + 1, C * 2, C * C, C + D, -S, "
                    "Y + Y, Dt + 1, B + B FROM T WHERE Id = 1"),
              (Strings{"I4:105", "I2:10", "R8:3.5", "R8:5", "CY:11000", "CY:2000", "CY:100",
                       "R8:2.6000000000000001", "I2:-5",
                       "I2:400" /* a byte sum that does not fit */, "DATE:35613", "I2:2"}));
    EXPECT_EQ(First("SELECT 'a' & Null & 1, Tx + 'd', Tx & S FROM T WHERE Id = 1"),
              (Strings{"BSTR:a1", "BSTR:abcd", "BSTR:abc5"}));
}

TEST_F(Semantics, IIfAndUnionTakeTheWiderType) {
    EXPECT_EQ(First("SELECT IIf(B, S, L), IIf(B, S, C), IIf(B, L, 'x'), IIf(B, C, D), "
                    "IIf(B, Y, S), IIf(B, B, Y), IIf(B, Null, S), IIf(B, Dt, Dt) FROM T WHERE "
                    "Id = 1"),
              (Strings{"I4:5", "CY:50000", "BSTR:7", "R8:0.10000000000000001", "I2:200", "UI1:1",
                       "NULL", "DATE:35612"}));
    EXPECT_EQ(First("SELECT IIf(B, S, L) FROM T WHERE Id = 2"), (Strings{"I4:70"}));
    // UNION: the wider of the arms, in the order of the Jet types.
    EXPECT_EQ(Column("SELECT S FROM T WHERE Id = 1 UNION ALL SELECT L FROM T WHERE Id = 1"),
              (Strings{"I4:5", "I4:7"}));
    EXPECT_EQ(Column("SELECT C FROM T WHERE Id = 1 UNION ALL SELECT D FROM T WHERE Id = 1"),
              (Strings{"R8:0.10000000000000001", "R8:2.5"}));
    EXPECT_EQ(Column("SELECT S FROM T WHERE Id = 1 UNION ALL SELECT C FROM T WHERE Id = 1"),
              (Strings{"CY:50000", "CY:1000"}));
    EXPECT_EQ(Column("SELECT Tx FROM T WHERE Id = 1 UNION ALL SELECT S FROM T WHERE Id = 1"),
              (Strings{"BSTR:abc", "BSTR:5"}));
    EXPECT_EQ(Column("SELECT B FROM T WHERE Id = 1 UNION ALL SELECT Y FROM T WHERE Id = 1"),
              (Strings{"UI1:1", "UI1:200"}));
    EXPECT_EQ(Column("SELECT F FROM T WHERE Id = 1 UNION ALL SELECT C FROM T WHERE Id = 1"),
              (Strings{"R4:1.5", "R4:0.100000001"}));
}

TEST_F(Semantics, ComparisonsAndLogic) {
    EXPECT_EQ(Column("SELECT Id FROM T WHERE Dt > 35500 ORDER BY Id"), (Strings{"I4:1"}));
    EXPECT_EQ(Column("SELECT Id FROM T WHERE C = 0.2"), (Strings{"I4:2"}));
    EXPECT_EQ(Column("SELECT Id FROM T WHERE M IS NULL"), (Strings{"I4:2"}));
    EXPECT_EQ(Column("SELECT Id FROM T WHERE M IS NOT NULL AND NOT (S < 0)"), (Strings{"I4:1"}));
    EXPECT_EQ(Column("SELECT Id FROM T WHERE (S > 0 OR L = 70) AND Tx <> 'x' ORDER BY Id DESC"),
              (Strings{"I4:2", "I4:1"}));
    EXPECT_EQ(First("SELECT S = 5, S > 5, NOT B, 6 AND 3, 6 OR 1, NOT 5 FROM T WHERE Id = 1"),
              (Strings{"BOOL:1", "BOOL:0", "BOOL:0", "I4:2", "I4:7", "I4:-6"}));
}

TEST_F(Semantics, TextComparesWithoutRegardToCase) {
    EXPECT_EQ(Column("SELECT N FROM Words WHERE W = 'ABC' ORDER BY N"), (Strings{"I4:1", "I4:2"}));
    EXPECT_EQ(Column("SELECT N FROM Words WHERE W = '\xC9t\xE9' ORDER BY N"),
              (Strings{"I4:6", "I4:7"}));
    EXPECT_EQ(Column("SELECT N FROM Words WHERE W < 'B' ORDER BY N"),
              (Strings{"I4:1", "I4:2", "I4:4"}));
}

TEST_F(Semantics, TextSortsWithoutRegardToCaseAccentsWithTheirLetter) {
    EXPECT_EQ(Column("SELECT W FROM Words ORDER BY W, N"),
              (Strings{"BSTR:a", "BSTR:abc", "BSTR:ABC", "BSTR:b", "BSTR:e",
                       "BSTR:\xE9"
                       "a",
                       "BSTR:eb", "BSTR:\xE9t\xE9", "BSTR:\xC9T\xC9", "BSTR:Z"}));
    EXPECT_EQ(Column("SELECT W FROM Words ORDER BY W DESC, N")[0], "BSTR:Z");
}

TEST_F(Semantics, TextGroupsAndDistinctWithoutRegardToCase) {
    EXPECT_EQ(Column("SELECT Count(*) AS K FROM Words GROUP BY W ORDER BY W"),
              (Strings{"I4:1", "I4:2", "I4:1", "I4:1", "I4:1", "I4:1", "I4:2", "I4:1"}));
    EXPECT_EQ(Column("SELECT DISTINCT W FROM Words").size(), 8u);
    EXPECT_EQ(Column("SELECT W FROM Words UNION SELECT W FROM Words").size(), 8u);
    EXPECT_EQ(Column("SELECT W FROM Words UNION ALL SELECT W FROM Words").size(), 20u);
    EXPECT_EQ(Column("SELECT Max(W) FROM Words"), (Strings{"BSTR:Z"}));
    EXPECT_EQ(Column("SELECT Min(W) FROM Words"), (Strings{"BSTR:a"}));
}

TEST_F(Semantics, ColumnNames) {
    CdbRecordset rs = Open(
        "SELECT S, T.L, S + 1, Sum(0) AS Zero, [Tx] AS [My Name], Count(*) "
        "FROM T GROUP BY S, T.L, Tx");
    EXPECT_EQ(Names(rs), (Strings{"S", "L", "Expr1000", "Zero", "My Name", "Expr1001"}));
    CdbRecordset join = Open("SELECT T.Id, Odd.Id, Odd.S FROM T, Odd WHERE T.Id = Odd.Id");
    EXPECT_EQ(Names(join), (Strings{"T.Id", "Odd.Id", "S"}));
    EXPECT_EQ(Show(join.GetField("odd.s")), "I4:70000");
    EXPECT_EQ(Show(join.GetField("ODD.ID")), "I4:1");
    EXPECT_THROW(join.GetField("Id"), CdbException);
    CdbRecordset alias = Open(
        "SELECT a.Id, b.Tag FROM Parent AS a INNER JOIN Child AS b ON "
        "a.Id = b.ParentId ORDER BY b.Tag");
    EXPECT_EQ(Names(alias), (Strings{"Id", "Tag"}));
    EXPECT_EQ(Show(alias.GetField("a.Id")), "I4:1");
}

TEST_F(Semantics, FieldLookupFailsWithTheListOfFields) {
    CdbRecordset rs = Open("SELECT S, L FROM T");
    try {
        rs.GetField("Nope");
        FAIL();
    } catch (const CdbException& e) {
        std::string m = e.what();
        EXPECT_NE(m.find("'Nope'"), std::string::npos) << m;
        EXPECT_NE(m.find("S, L"), std::string::npos) << m;
    }
    EXPECT_THROW(rs.Fields().Item(2), CdbException);
    EXPECT_THROW(rs.Fields().Item(-1), CdbException);
    EXPECT_THROW(rs.GetField(nullptr), CdbException);
    EXPECT_EQ(rs.Fields().Item(1).GetName(), "L");
}

TEST_F(Semantics, DistinctRowKeepsOneRowPerRowOfTheSelectedTables) {
    const char* join =
        "FROM Parent INNER JOIN Child ON Parent.Id = Child.ParentId ORDER BY Parent.Id";
    EXPECT_EQ(Column(std::string("SELECT Parent.Id ") + join).size(), 5u);
    // Parent 1 has two children: one row.  The two equal rows of parent 3
    // are two rows of Parent: both stay (DISTINCT would merge them).
    EXPECT_EQ(Column(std::string("SELECT DISTINCTROW Parent.Id ") + join),
              (Strings{"I4:1", "I4:2", "I4:3", "I4:3"}));
    EXPECT_EQ(Column(std::string("SELECT DISTINCTROW Parent.* ") + join).size(), 4u);
    EXPECT_EQ(Column(std::string("SELECT DISTINCT Parent.Id ") + join),
              (Strings{"I4:1", "I4:2", "I4:3"}));
    // Columns of both tables: nothing to remove.
    EXPECT_EQ(Column(std::string("SELECT DISTINCTROW Parent.Id, Tag ") + join).size(), 5u);
    // One table: no effect.
    EXPECT_EQ(Column("SELECT DISTINCTROW Id FROM Parent").size(), 4u);
}

TEST_F(Semantics, GroupingRules) {
    EXPECT_THROW(Open("SELECT S, L FROM T GROUP BY S"), CdbException);
    EXPECT_THROW(Open("SELECT S, Sum(L) FROM T"), CdbException);
    EXPECT_THROW(Open("SELECT * FROM T GROUP BY S"), CdbException);
    EXPECT_THROW(Open("SELECT S FROM T WHERE Sum(L) > 1"), CdbException);
    EXPECT_THROW(Open("SELECT Sum(Max(L)) FROM T"), CdbException);
    EXPECT_THROW(Open("SELECT S FROM T GROUP BY Sum(S)"), CdbException);
    EXPECT_EQ(Column("SELECT S + 1 FROM T GROUP BY S + 1 ORDER BY S + 1"),
              (Strings{"I4:-4", "I4:6"}));
    EXPECT_EQ(Column("SELECT S, Sum(L) AS Total FROM T GROUP BY S HAVING Sum(L) > 10"),
              (Strings{"I2:-5"}));
    EXPECT_EQ(Column("SELECT Sum(L) AS Total FROM T GROUP BY S ORDER BY Total DESC"),
              (Strings{"I4:70", "I4:7"}));
    EXPECT_EQ(Column("SELECT Count(*) FROM T WHERE Id > 100"), (Strings{"I4:0"}));
    EXPECT_EQ(Column("SELECT Count(*) FROM T GROUP BY 1"), (Strings{"I4:2"}));
    EXPECT_EQ(Column("SELECT Id FROM T ORDER BY 1, Id DESC"), (Strings{"I4:2", "I4:1"}));
}

TEST_F(Semantics, UnionOrderByNamesAColumnOfTheResult) {
    EXPECT_EQ(
        Column("SELECT Tag AS X FROM Child UNION SELECT Name FROM Parent ORDER BY X DESC"),
        (Strings{"BSTR:two", "BSTR:three", "BSTR:one", "BSTR:d", "BSTR:c", "BSTR:b", "BSTR:a"}));
    EXPECT_THROW(Open("SELECT Tag FROM Child UNION SELECT Name FROM Parent ORDER BY Nope"),
                 CdbException);
    EXPECT_THROW(Open("SELECT Tag, ParentId FROM Child UNION SELECT Name FROM Parent"),
                 CdbException);
}

}  // namespace
