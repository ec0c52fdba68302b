// sql_parser.cpp - recursive-descent parser of the Jet SELECT dialect.
//
//   statement  := query [';'] END
//   query      := core { UNION [ALL] core } [ORDER BY order {',' order}]
//   core       := SELECT [DISTINCT | DISTINCTROW | ALL] item {',' item}
//                 FROM join {',' join} [IN string]
//                 [WHERE expr] [GROUP BY expr {',' expr}] [HAVING expr]
//   item       := '*' | name '.' '*' | expr [AS name]
//   join       := primary { INNER JOIN primary ON expr }
//   primary    := name [AS name] | '(' join ')'
//   order      := expr [ASC | DESC]
//   expr       := and { OR and }
//   and        := not { AND not }
//   not        := NOT not | compare
//   compare    := concat { ('='|'<>'|'<'|'>'|'<='|'>=') concat | IS [NOT] NULL }
//   concat     := add { '&' add }
//   add        := mul { ('+'|'-') mul }
//   mul        := unary { ('*'|'/') unary }
//   unary      := ('-'|'+') unary | atom
//   atom       := integer | decimal | string | NULL | '(' expr ')'
//               | function '(' args ')' | name ['.' name]
//   function   := Sum | Max | Min | Count | IIf   (Count(*) too)
//   name       := bare name (not a keyword) | '[' any characters but ']' ']'
#include <algorithm>
#include <initializer_list>

#include "db/engine/cdb_exception.h"
#include "db/engine/sql_ast.h"
#include "db/engine/text_cp1252.h"

namespace cdb::sql {
namespace {

constexpr int kMaxNesting = 200;    // recursion of the parser
constexpr int kMaxTreeDepth = 400;  // depth of an expression tree

const char* const kKeywords[] = {
    "SELECT", "DISTINCT", "DISTINCTROW", "ALL",   "FROM",      "IN",    "WHERE",
    "GROUP",  "BY",       "HAVING",      "ORDER", "ASC",       "DESC",  "UNION",
    "INNER",  "JOIN",     "ON",          "AS",    "AND",       "OR",    "NOT",
    "IS",     "NULL",     "LEFT",        "RIGHT", "OUTER",     "TOP",   "INTO",
    "LIKE",   "BETWEEN",  "XOR",         "MOD",   "EQV",       "IMP",   "EXISTS",
    "FULL",   "CROSS",    "ANY",         "SOME",  "TRANSFORM", "PIVOT", "PARAMETERS"};

bool IsKeyword(std::string_view word) {
    for (const char* k : kKeywords) {
        if (text::EqualsNoCase(word, k)) return true;
    }
    return false;
}

class Parser {
  public:
    Parser(std::string_view sql, std::vector<Token> tokens) : sql_(sql), toks_(std::move(tokens)) {}

    Query ParseStatement() {
        Query q = ParseQuery();
        if (Peek().kind == Tok::Semicolon) Advance();
        if (Peek().kind != Tok::End) {
            Fail(Peek(), "unexpected text after the end of the statement");
        }
        return q;
    }

  private:
    // ---------------------------------------------------------- helpers
    const Token& Peek(size_t ahead = 0) const {
        size_t i = std::min(pos_ + ahead, toks_.size() - 1);
        return toks_[i];
    }
    const Token& Advance() {
        const Token& t = toks_[pos_];
        if (pos_ + 1 < toks_.size()) ++pos_;
        return t;
    }
    bool IsKw(const Token& t, const char* kw) const {
        return t.kind == Tok::Ident && text::EqualsNoCase(t.text, kw);
    }
    bool AcceptKw(const char* kw) {
        if (IsKw(Peek(), kw)) {
            Advance();
            return true;
        }
        return false;
    }
    void ExpectKw(const char* kw, const char* context) {
        if (!AcceptKw(kw)) {
            Fail(Peek(), std::string("expected ") + kw + " " + context);
        }
    }
    void Expect(Tok k, const char* what) {
        if (Peek().kind != k) Fail(Peek(), std::string("expected ") + what);
        Advance();
    }
    [[noreturn]] void Fail(const Token& t, const std::string& what) const {
        throw CdbException("Syntax error in Jet SQL at " + Describe(t) + ": " + what +
                           ". SQL: " + Excerpt(sql_));
    }

    struct Nest {
        explicit Nest(Parser& p) : p_(p) {
            if (++p_.nesting_ > kMaxNesting) {
                p_.Fail(p_.Peek(), "the statement is nested too deeply");
            }
        }
        ~Nest() { --p_.nesting_; }
        Parser& p_;
    };

    bool IsName(const Token& t) const {
        return t.kind == Tok::Bracket || (t.kind == Tok::Ident && !IsKeyword(t.text));
    }
    std::string ExpectName(const char* what) {
        const Token& t = Peek();
        if (t.kind == Tok::Bracket) return Advance().text;
        if (t.kind == Tok::Ident) {
            if (IsKeyword(t.text)) {
                Fail(t, std::string("expected ") + what + ", found the reserved word '" + t.text +
                            "' (write a name that is a reserved word in brackets: [" + t.text +
                            "])");
            }
            return Advance().text;
        }
        Fail(t, std::string("expected ") + what);
    }

    ExprPtr Make(ExprKind k, size_t pos) {
        auto e = std::make_unique<Expr>();
        e->kind = k;
        e->pos = pos;
        return e;
    }
    ExprPtr MakeBinary(Op op, size_t pos, ExprPtr a, ExprPtr b) {
        auto e = Make(ExprKind::Binary, pos);
        e->op = op;
        e->depth = 1 + std::max(a->depth, b->depth);
        if (e->depth > kMaxTreeDepth) {
            throw CdbException("Jet SQL expression too complex at position " +
                               std::to_string(pos + 1) + ": more than " +
                               std::to_string(kMaxTreeDepth) +
                               " operators deep. SQL: " + Excerpt(sql_));
        }
        e->args.push_back(std::move(a));
        e->args.push_back(std::move(b));
        return e;
    }
    ExprPtr MakeUnary(ExprKind k, Op op, size_t pos, ExprPtr a) {
        auto e = Make(k, pos);
        e->op = op;
        e->depth = 1 + a->depth;
        e->args.push_back(std::move(a));
        return e;
    }

    // ---------------------------------------------------------- query
    Query ParseQuery() {
        Query q;
        q.cores.push_back(ParseCore());
        while (AcceptKw("UNION")) {
            bool all = AcceptKw("ALL");
            q.unionAll.push_back(all);
            if (Peek().kind == Tok::LParen) {
                Fail(Peek(), "a UNION part in parentheses is not supported; write SELECT ...");
            }
            q.cores.push_back(ParseCore());
        }
        if (AcceptKw("ORDER")) {
            ExpectKw("BY", "after ORDER");
            do {
                OrderItem item;
                item.expr = ParseExpr();
                if (AcceptKw("DESC")) {
                    item.desc = true;
                } else {
                    AcceptKw("ASC");
                }
                q.orderBy.push_back(std::move(item));
            } while (Peek().kind == Tok::Comma && (Advance(), true));
        }
        return q;
    }

    SelectCore ParseCore() {
        SelectCore c;
        c.pos = Peek().pos;
        ExpectKw("SELECT", "at the start of a query");
        if (AcceptKw("DISTINCTROW")) {
            c.quantifier = SelectCore::Quantifier::DistinctRow;
        } else if (AcceptKw("DISTINCT")) {
            c.quantifier = SelectCore::Quantifier::Distinct;
        } else if (AcceptKw("ALL")) {
            c.quantifier = SelectCore::Quantifier::All;
        }
        if (IsKw(Peek(), "TOP")) Fail(Peek(), "TOP is not supported");
        do {
            c.items.push_back(ParseItem());
        } while (Peek().kind == Tok::Comma && (Advance(), true));
        if (IsKw(Peek(), "INTO")) Fail(Peek(), "SELECT ... INTO is not supported (read only)");
        ExpectKw("FROM", "after the list of columns");
        do {
            c.from.push_back(ParseJoin());
        } while (Peek().kind == Tok::Comma && (Advance(), true));
        if (IsKw(Peek(), "IN")) {
            c.inPos = Advance().pos;
            if (Peek().kind != Tok::String) {
                Fail(Peek(), "expected a quoted database path after IN");
            }
            c.inPath = Advance().text;
            c.hasIn = true;
            if (c.inPath.empty()) Fail(toks_[pos_ - 1], "the database path after IN is empty");
        }
        if (AcceptKw("WHERE")) c.where = ParseExpr();
        if (AcceptKw("GROUP")) {
            ExpectKw("BY", "after GROUP");
            do {
                c.groupBy.push_back(ParseExpr());
            } while (Peek().kind == Tok::Comma && (Advance(), true));
        }
        if (AcceptKw("HAVING")) c.having = ParseExpr();
        return c;
    }

    SelectItem ParseItem() {
        SelectItem item;
        item.pos = Peek().pos;
        if (Peek().kind == Tok::Star) {
            Advance();
            item.kind = SelectItem::Kind::Star;
            return item;
        }
        if (IsName(Peek()) && Peek(1).kind == Tok::Dot && Peek(2).kind == Tok::Star) {
            item.kind = SelectItem::Kind::TableStar;
            item.qualifier = Advance().text;
            Advance();
            Advance();
            return item;
        }
        item.expr = ParseExpr();
        if (AcceptKw("AS")) {
            item.alias = ExpectName("a column name after AS");
            item.hasAlias = true;
        }
        return item;
    }

    std::unique_ptr<TableRef> ParseJoin() {
        Nest nest(*this);
        auto left = ParsePrimaryTable();
        for (;;) {
            const Token& t = Peek();
            if (IsKw(t, "LEFT") || IsKw(t, "RIGHT") || IsKw(t, "FULL") || IsKw(t, "CROSS") ||
                IsKw(t, "OUTER")) {
                Fail(t, "only INNER JOIN is supported");
            }
            if (IsKw(t, "JOIN")) Fail(t, "write INNER JOIN");
            if (!IsKw(t, "INNER")) break;
            auto join = std::make_unique<TableRef>();
            join->kind = TableRef::Kind::Join;
            join->pos = Advance().pos;
            ExpectKw("JOIN", "after INNER");
            join->left = std::move(left);
            join->right = ParsePrimaryTable();
            ExpectKw("ON", "after the joined table");
            join->on = ParseExpr();
            left = std::move(join);
        }
        return left;
    }

    std::unique_ptr<TableRef> ParsePrimaryTable() {
        if (Peek().kind == Tok::LParen) {
            Nest nest(*this);
            Advance();
            if (IsKw(Peek(), "SELECT")) Fail(Peek(), "subqueries are not supported");
            auto inner = ParseJoin();
            Expect(Tok::RParen, "')' to close the parenthesised join");
            return inner;
        }
        auto t = std::make_unique<TableRef>();
        t->kind = TableRef::Kind::Table;
        t->pos = Peek().pos;
        t->name = ExpectName("a table or query name");
        if (Peek().kind == Tok::Dot) {
            Fail(Peek(), "a table name cannot be qualified; use IN \"path\" for another database");
        }
        if (AcceptKw("AS")) {
            t->alias = ExpectName("a table alias after AS");
            t->hasAlias = true;
        }
        return t;
    }

    // ---------------------------------------------------------- expressions
    ExprPtr ParseExpr() {
        Nest nest(*this);
        auto left = ParseAnd();
        while (IsKw(Peek(), "OR")) {
            size_t p = Advance().pos;
            left = MakeBinary(Op::Or, p, std::move(left), ParseAnd());
        }
        if (IsKw(Peek(), "XOR") || IsKw(Peek(), "EQV") || IsKw(Peek(), "IMP")) {
            Fail(Peek(), "the operator " + Peek().text + " is not supported");
        }
        return left;
    }

    ExprPtr ParseAnd() {
        auto left = ParseNot();
        while (IsKw(Peek(), "AND")) {
            size_t p = Advance().pos;
            left = MakeBinary(Op::And, p, std::move(left), ParseNot());
        }
        return left;
    }

    ExprPtr ParseNot() {
        if (IsKw(Peek(), "NOT")) {
            Nest nest(*this);
            size_t p = Advance().pos;
            return MakeUnary(ExprKind::Unary, Op::Not, p, ParseNot());
        }
        return ParseCompare();
    }

    ExprPtr ParseCompare() {
        auto left = ParseConcat();
        for (;;) {
            const Token& t = Peek();
            Op op = Op::None;
            switch (t.kind) {
                case Tok::Eq:
                    op = Op::Eq;
                    break;
                case Tok::Ne:
                    op = Op::Ne;
                    break;
                case Tok::Lt:
                    op = Op::Lt;
                    break;
                case Tok::Gt:
                    op = Op::Gt;
                    break;
                case Tok::Le:
                    op = Op::Le;
                    break;
                case Tok::Ge:
                    op = Op::Ge;
                    break;
                default:
                    break;
            }
            if (op != Op::None) {
                size_t p = Advance().pos;
                left = MakeBinary(op, p, std::move(left), ParseConcat());
                continue;
            }
            if (IsKw(t, "IS")) {
                size_t p = Advance().pos;
                bool neg = AcceptKw("NOT");
                ExpectKw("NULL", "after IS");
                left = MakeUnary(ExprKind::IsNull, Op::None, p, std::move(left));
                left->negated = neg;
                continue;
            }
            if (IsKw(t, "LIKE") || IsKw(t, "BETWEEN") ||
                (IsKw(t, "IN") && Peek(1).kind == Tok::LParen)) {
                Fail(t, "the operator " + t.text + " is not supported");
            }
            if (IsKw(t, "NOT") &&
                (IsKw(Peek(1), "LIKE") || IsKw(Peek(1), "BETWEEN") || IsKw(Peek(1), "IN"))) {
                Fail(t, "the operator NOT " + Peek(1).text + " is not supported");
            }
            return left;
        }
    }

    ExprPtr ParseConcat() {
        auto left = ParseAdd();
        while (Peek().kind == Tok::Amp) {
            size_t p = Advance().pos;
            left = MakeBinary(Op::Concat, p, std::move(left), ParseAdd());
        }
        return left;
    }

    ExprPtr ParseAdd() {
        auto left = ParseMul();
        for (;;) {
            Tok k = Peek().kind;
            if (k != Tok::Plus && k != Tok::Minus) return left;
            size_t p = Advance().pos;
            left = MakeBinary(k == Tok::Plus ? Op::Add : Op::Sub, p, std::move(left), ParseMul());
        }
    }

    ExprPtr ParseMul() {
        auto left = ParseUnary();
        for (;;) {
            Tok k = Peek().kind;
            if (IsKw(Peek(), "MOD")) Fail(Peek(), "the operator Mod is not supported");
            if (k != Tok::Star && k != Tok::Slash) return left;
            size_t p = Advance().pos;
            left = MakeBinary(k == Tok::Star ? Op::Mul : Op::Div, p, std::move(left), ParseUnary());
        }
    }

    ExprPtr ParseUnary() {
        Tok k = Peek().kind;
        if (k == Tok::Minus || k == Tok::Plus) {
            Nest nest(*this);
            size_t p = Advance().pos;
            return MakeUnary(ExprKind::Unary, k == Tok::Minus ? Op::Neg : Op::Pos, p, ParseUnary());
        }
        return ParseAtom();
    }

    ExprPtr ParseAtom() {
        const Token& t = Peek();
        switch (t.kind) {
            case Tok::Integer: {
                auto e = Make(ExprKind::IntLit, t.pos);
                e->text = Advance().text;
                return e;
            }
            case Tok::Decimal: {
                auto e = Make(ExprKind::NumLit, t.pos);
                e->text = Advance().text;
                return e;
            }
            case Tok::String: {
                auto e = Make(ExprKind::StrLit, t.pos);
                e->text = Advance().text;
                return e;
            }
            case Tok::LParen: {
                Nest nest(*this);
                Advance();
                if (IsKw(Peek(), "SELECT")) Fail(Peek(), "subqueries are not supported");
                auto e = ParseExpr();
                Expect(Tok::RParen, "')' to close the parenthesis");
                return e;
            }
            case Tok::Ident:
                if (text::EqualsNoCase(t.text, "NULL")) {
                    auto e = Make(ExprKind::Null, t.pos);
                    Advance();
                    return e;
                }
                if (Peek(1).kind == Tok::LParen) return ParseFunction();
                if (IsKeyword(t.text)) {
                    Fail(t, "expected a value, column name or function, found the reserved word '" +
                                t.text + "'");
                }
                return ParseColumn();
            case Tok::Bracket:
                if (Peek(1).kind == Tok::LParen) {
                    Fail(Peek(1), "'(' after a name in brackets");
                }
                return ParseColumn();
            case Tok::End:
                Fail(t, "the statement ends where a value was expected");
            default:
                Fail(t, "expected a value, column name or function");
        }
    }

    ExprPtr ParseColumn() {
        auto e = Make(ExprKind::Column, Peek().pos);
        std::string first = ExpectName("a column name");
        if (Peek().kind == Tok::Dot) {
            Advance();
            if (Peek().kind == Tok::Star) {
                Fail(Peek(), "'" + first + ".*' is only allowed in the list of columns");
            }
            e->qualifier = std::move(first);
            e->text = ExpectName("a column name after '.'");
            if (Peek().kind == Tok::Dot) {
                Fail(Peek(), "a column name has at most one qualifier (Table.Column)");
            }
        } else {
            e->text = std::move(first);
        }
        return e;
    }

    ExprPtr ParseFunction() {
        Nest nest(*this);
        const Token& name = Advance();
        static const char* const kFuncs[] = {"Sum", "Max", "Min", "Count", "IIf"};
        const char* canonical = nullptr;
        for (const char* f : kFuncs) {
            if (text::EqualsNoCase(name.text, f)) canonical = f;
        }
        if (canonical == nullptr) {
            if (IsKeyword(name.text)) Fail(name, "unexpected reserved word '" + name.text + "'");
            Fail(name,
                 "unknown function '" + name.text + "' (supported: Sum, Max, Min, Count, IIf)");
        }
        Advance();  // '('
        auto e = Make(ExprKind::Func, name.pos);
        e->text = canonical;
        if (std::string_view(canonical) == "Count" && Peek().kind == Tok::Star) {
            Advance();
            Expect(Tok::RParen, "')' after Count(*");
            e->kind = ExprKind::CountStar;
            return e;
        }
        if (IsKw(Peek(), "DISTINCT") || IsKw(Peek(), "ALL")) {
            Fail(Peek(), "DISTINCT inside an aggregate function is not supported");
        }
        if (Peek().kind != Tok::RParen) {
            do {
                e->args.push_back(ParseExpr());
            } while (Peek().kind == Tok::Comma && (Advance(), true));
        }
        Expect(Tok::RParen, "')' to close the argument list");
        const size_t want = std::string_view(canonical) == "IIf" ? 3 : 1;
        if (e->args.size() != want) {
            Fail(name, std::string(canonical) + " takes " + std::to_string(want) +
                           (want == 1 ? " argument" : " arguments") + ", not " +
                           std::to_string(e->args.size()));
        }
        int d = 0;
        for (const auto& a : e->args) d = std::max(d, a->depth);
        e->depth = d + 1;
        return e;
    }

    std::string_view sql_;
    std::vector<Token> toks_;
    size_t pos_ = 0;
    int nesting_ = 0;
};

}  // namespace

Query Parse(std::string_view sql) {
    Parser p(sql, Tokenize(sql));
    return p.ParseStatement();
}

}  // namespace cdb::sql
