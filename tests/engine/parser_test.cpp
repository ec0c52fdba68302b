// parser_test.cpp - the Jet SELECT dialect: what it accepts (the syntax tree
// and, run on a database, the rows) and what it refuses (CdbException naming
// the token and its position, never a crash or a hang).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/engine/cdb_exception.h"
#include "db/engine/sql_ast.h"
#include "engine_test_util.h"

namespace {

using namespace cdb;
using cdb::sql::ExprKind;
using cdb::sql::Op;
using cdb::sql::Parse;
using cdb::sql::Query;
using cdb::sql::SelectCore;
using cdb::sql::SelectItem;
using cdb::sql::TableRef;
using enginetest::Names;
using enginetest::OpenReadOnly;
using enginetest::Rows;
using enginetest::TempDir;
using Strings = std::vector<std::string>;

std::string Error(const std::string& sql) {
    try {
        Parse(sql);
    } catch (const CdbException& e) {
        return e.what();
    }
    return "";
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// ------------------------------------------------------------------ accepted

TEST(Parser, ModuleShapes) {
    Query q = Parse(
        "SELECT DISTINCTROW [Account], [Fund], GL_SumBudgetBalances.FiscalYear, "
        "Sum(GL_SumBudgetBalances.Amount) AS Amount, Sum(0) AS Quantity FROM GL_SummaryCodeBlock "
        "INNER JOIN GL_SumBudgetBalances ON GL_SummaryCodeBlock.RecordKey = "
        "GL_SumBudgetBalances.LinkPointer IN \"c:\\data\\my \"\"best\"\" co.mdb\" WHERE "
        "(FiscalYear = 1997 AND BudgetNumber = 3) GROUP BY [Account], [Fund], "
        "GL_SumBudgetBalances.FiscalYear UNION SELECT [Account] FROM X;");
    ASSERT_EQ(q.cores.size(), 2u);
    ASSERT_EQ(q.unionAll.size(), 1u);
    EXPECT_FALSE(q.unionAll[0]);
    const SelectCore& c = q.cores[0];
    EXPECT_EQ(c.quantifier, SelectCore::Quantifier::DistinctRow);
    ASSERT_EQ(c.items.size(), 5u);
    EXPECT_EQ(c.items[0].expr->kind, ExprKind::Column);
    EXPECT_EQ(c.items[0].expr->text, "Account");
    EXPECT_EQ(c.items[2].expr->qualifier, "GL_SumBudgetBalances");
    EXPECT_EQ(c.items[3].expr->kind, ExprKind::Func);
    EXPECT_EQ(c.items[3].expr->text, "Sum");
    EXPECT_EQ(c.items[3].alias, "Amount");
    EXPECT_EQ(c.items[4].expr->args[0]->kind, ExprKind::IntLit);
    ASSERT_EQ(c.from.size(), 1u);
    EXPECT_EQ(c.from[0]->kind, TableRef::Kind::Join);
    EXPECT_EQ(c.from[0]->left->name, "GL_SummaryCodeBlock");
    EXPECT_EQ(c.from[0]->right->name, "GL_SumBudgetBalances");
    EXPECT_TRUE(c.hasIn);
    EXPECT_EQ(c.inPath, "c:\\data\\my \"best\" co.mdb");
    ASSERT_TRUE(c.where);
    EXPECT_EQ(c.where->op, Op::And);
    EXPECT_EQ(c.groupBy.size(), 3u);
}

TEST(Parser, NamesLiteralsAndOperators) {
    Query q = Parse(
        "select t.*, [My Table].[A Column, with (odd) chars!], 'it''s', \"say \"\"hi\"\"\", 12, "
        "3.5, 1e3, -x + 2 * 3, a & b, NOT a = b, a <> b, a <= b, a >= b, a IS NOT NULL, "
        "IIf(a > 1, 'x', Null), Count(*), max(z) from t, [My Table] order by 2 desc, a asc");
    const auto& items = q.cores[0].items;
    EXPECT_EQ(items[0].kind, SelectItem::Kind::TableStar);
    EXPECT_EQ(items[0].qualifier, "t");
    EXPECT_EQ(items[1].expr->qualifier, "My Table");
    EXPECT_EQ(items[1].expr->text, "A Column, with (odd) chars!");
    EXPECT_EQ(items[2].expr->text, "it's");
    EXPECT_EQ(items[3].expr->text, "say \"hi\"");
    EXPECT_EQ(items[4].expr->kind, ExprKind::IntLit);
    EXPECT_EQ(items[5].expr->kind, ExprKind::NumLit);
    EXPECT_EQ(items[6].expr->kind, ExprKind::NumLit);
    // -x + (2 * 3)
    EXPECT_EQ(items[7].expr->op, Op::Add);
    EXPECT_EQ(items[7].expr->args[0]->op, Op::Neg);
    EXPECT_EQ(items[7].expr->args[1]->op, Op::Mul);
    EXPECT_EQ(items[8].expr->op, Op::Concat);
    // NOT (a = b)
    EXPECT_EQ(items[9].expr->op, Op::Not);
    EXPECT_EQ(items[9].expr->args[0]->op, Op::Eq);
    EXPECT_EQ(items[13].expr->kind, ExprKind::IsNull);
    EXPECT_TRUE(items[13].expr->negated);
    EXPECT_EQ(items[14].expr->text, "IIf");
    EXPECT_EQ(items[15].expr->kind, ExprKind::CountStar);
    EXPECT_EQ(items[16].expr->text, "Max");
    ASSERT_EQ(q.orderBy.size(), 2u);
    EXPECT_TRUE(q.orderBy[0].desc);
    EXPECT_FALSE(q.orderBy[1].desc);
}

TEST(Parser, AndBindsTighterThanOr) {
    Query q = Parse("SELECT * FROM t WHERE a = 1 OR b = 2 AND c = 3");
    EXPECT_EQ(q.cores[0].where->op, Op::Or);
    EXPECT_EQ(q.cores[0].where->args[1]->op, Op::And);
}

TEST(Parser, ParenthesisedJoins) {
    Query q = Parse(
        "SELECT * FROM (a INNER JOIN b ON (a.x = b.x) AND (a.y = b.y)) INNER JOIN "
        "(c INNER JOIN d ON c.k = d.k) ON b.z = c.z, e AS f");
    ASSERT_EQ(q.cores[0].from.size(), 2u);
    const TableRef& j = *q.cores[0].from[0];
    EXPECT_EQ(j.kind, TableRef::Kind::Join);
    EXPECT_EQ(j.left->kind, TableRef::Kind::Join);
    EXPECT_EQ(j.right->kind, TableRef::Kind::Join);
    EXPECT_EQ(q.cores[0].from[1]->alias, "f");
}

TEST(Parser, UnionAllAndTrailingSemicolon) {
    Query q =
        Parse("SELECT a FROM t UNION ALL SELECT b FROM u UNION SELECT c FROM v ORDER BY a;  ");
    EXPECT_EQ(q.cores.size(), 3u);
    EXPECT_EQ(q.unionAll, (std::vector<bool>{true, false}));
    EXPECT_EQ(q.orderBy.size(), 1u);
}

// ------------------------------------------------------------------ refused

TEST(ParserErrors, NameTheTokenAndItsPosition) {
    struct Case {
        const char* sql;
        const char* parts[2];
    } cases[] = {
        {"SELECT * FORM t", {"position 10", "'FORM'"}},
        {"SELECT", {"position 7", "end of the SQL text"}},
        {"SELECT * FROM [t", {"position 15", "never closed"}},
        {"SELECT 'abc FROM t", {"position 8", "never closed"}},
        {"SELECT * FROM t WHERE a =", {"position 26", "end of the SQL text"}},
        {"SELECT a FROM t;;", {"position 17", "after the end"}},
        {"SELECT a FROM t; SELECT b FROM u", {"position 18", "after the end"}},
        {"SELECT a b FROM t", {"position 10", "'b'"}},
        {"SELECT Foo(a) FROM t", {"position 8", "unknown function 'Foo'"}},
        {"SELECT IIf(a, b) FROM t", {"position 8", "3 arguments"}},
        {"SELECT Sum(a, b) FROM t", {"position 8", "1 argument"}},
        {"SELECT a FROM t WHERE a LIKE 'x'", {"position 25", "LIKE"}},
        {"SELECT a FROM t LEFT JOIN u ON a = b", {"position 17", "INNER JOIN"}},
        {"SELECT a FROM (SELECT a FROM t)", {"position 16", "subqueries"}},
        {"SELECT a FROM t WHERE a = #1/1/97#", {"position 27", "'#'"}},
        {"SELECT a FROM t IN", {"position 19", "path after IN"}},
        {"SELECT a FROM t IN \"\"", {"position 20", "empty"}},
        {"SELECT 1abc FROM t", {"position 8", "'1abc'"}},
        {"SELECT a FROM t WHERE a = 1 ORDER a", {"position 35", "BY"}},
        {"SELECT a FROM t GROUP a", {"position 23", "BY"}},
        {"SELECT a AS FROM t", {"position 13", "reserved word 'FROM'"}},
        {"SELECT a FROM Group", {"position 15", "[Group]"}},
        {"SELECT a FROM []", {"position 15", "empty name"}},
        {"SELECT a FROM t WHERE a.b.c = 1", {"position 26", "one qualifier"}},
        {"SELECT TOP 5 a FROM t", {"position 8", "TOP"}},
        {"SELECT Count(DISTINCT a) FROM t", {"position 14", "DISTINCT"}},
        {"SELECT a FROM t WHERE a IN (1, 2)", {"position 25", "IN"}},
        {"SELECT a FROM t UNION (SELECT b FROM u)", {"position 23", "parentheses"}},
        {"SELECT a\x01 FROM t", {"position 9", "0x01"}},
        {"SELECT [a] (b) FROM t", {"position 12", "'('"}},
        {"SELECT a FROM t.u", {"position 16", "qualified"}},
        {"SELECT * FROM t WHERE Mod = 1", {"position 23", "reserved word"}},
    };
    for (const auto& c : cases) {
        std::string m = Error(c.sql);
        EXPECT_FALSE(m.empty()) << c.sql;
        for (const char* part : c.parts) EXPECT_TRUE(Has(m, part)) << c.sql << "\n  -> " << m;
        EXPECT_TRUE(Has(m, "SQL: ")) << m;
    }
}

TEST(ParserErrors, DeepNestingIsRefusedNotACrash) {
    std::string deep =
        "SELECT " + std::string(100000, '(') + "a" + std::string(100000, ')') + " FROM t";
    EXPECT_TRUE(Has(Error(deep), "nested too deeply"));
    std::string nots = "SELECT * FROM t WHERE ";
    for (int i = 0; i < 50000; ++i) nots += "NOT ";
    EXPECT_TRUE(Has(Error(nots + "a"), "nested too deeply"));
    std::string minus = "SELECT " + std::string(50000, '-') + "1 FROM t";
    EXPECT_TRUE(Has(Error(minus), "nested too deeply"));
    std::string chain = "SELECT a FROM t WHERE a = 1";
    for (int i = 0; i < 100000; ++i) chain += " AND a = 1";
    EXPECT_TRUE(Has(Error(chain), "too complex"));
    std::string joins = "SELECT * FROM " + std::string(10000, '(') + "t";
    EXPECT_TRUE(Has(Error(joins), "nested too deeply"));
}

TEST(ParserErrors, EveryPrefixOfAQueryFailsCleanly) {
    const std::string sql =
        "SELECT DISTINCTROW [Account], Sum(x.Amount) AS Amount FROM a AS x INNER JOIN b ON "
        "(x.k = b.k) IN \"p\" WHERE NOT (x.y >= 'it''s' OR x.z IS NULL) GROUP BY [Account] "
        "HAVING Count(*) > 1 UNION ALL SELECT IIf(1, 2, 3), -4 & 'x' FROM c ORDER BY 1 DESC;";
    for (size_t n = 0; n < sql.size(); ++n) {
        try {
            Parse(sql.substr(0, n));
        } catch (const CdbException&) {
        }
    }
    EXPECT_NO_THROW(Parse(sql));
}

// ------------------------------------------------------------------ run

TEST(Dialect, OddNamesRunOnSqlite) {
    TempDir dir;
    std::string path = dir.File("names.db");
    enginetest::ExecSql(path,
                        "CREATE TABLE \"My Table\" (\"A Column, with (odd) chars!\" TEXT(10), "
                        "\"a.b\" LONG, \"Quote\"\"d\" SHORT, [Select] LONG);"
                        "INSERT INTO \"My Table\" VALUES ('x', 1, 2, 3), ('y', 4, 5, 6);");
    CdbDatabase db = OpenReadOnly(path);
    CdbRecordset rs = db.OpenRecordset(
        "SELECT [My Table].[A Column, with (odd) chars!], [a.b], [Quote\"d], [My Table].[Select] "
        "FROM [My Table] WHERE [a.b] > 1;",
        dbOpenDynaset, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Names(rs), (Strings{"A Column, with (odd) chars!", "a.b", "Quote\"d", "Select"}));
    EXPECT_EQ(Rows(rs), (std::vector<Strings>{{"BSTR:y", "I4:4", "I2:5", "I4:6"}}));
    CdbRecordset t = db.OpenRecordset("My Table", dbOpenTable, dbReadOnly, dbDefaultLock);
    EXPECT_EQ(Rows(t).size(), 2u);
}

TEST(Dialect, ParenthesisedJoinsRunOnSqlite) {
    CdbDatabase db = OpenReadOnly(enginetest::DemoDb());
    CdbRecordset rs = db.OpenRecordset(
        "SELECT a.Account, d.Region, r.Description FROM ([Account] AS a INNER JOIN (Dept AS d "
        "INNER JOIN Region AS r ON d.Region = r.Region) ON a.Dept = d.Dept) WHERE a.Account = "
        "'10100'",
        dbOpenDynaset, dbReadOnly, dbDefaultLock);
    auto rows = Rows(rs);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "BSTR:10100");
    EXPECT_EQ(rows[0][1], "BSTR:MAIN");
}

}  // namespace
