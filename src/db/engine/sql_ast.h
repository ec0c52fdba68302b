// sql_ast.h - tokens and syntax tree of the Jet SELECT dialect.
//
// All text in tokens and trees is Windows-1252, as the SQL was given.
// Positions are 0-based byte offsets into the SQL text (messages show them
// 1-based).

#ifndef AAP_DB_ENGINE_SQL_AST_H_
#define AAP_DB_ENGINE_SQL_AST_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cdb::sql {

enum class Tok {
    End,
    Ident,    // bare name or keyword
    Bracket,  // [name]: text is the name
    String,   // 'text' or "text": text is the value (doubled quotes undone)
    Integer,
    Decimal,
    Comma,
    Dot,
    LParen,
    RParen,
    Star,
    Plus,
    Minus,
    Slash,
    Amp,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Semicolon,
};

struct Token {
    Tok kind = Tok::End;
    size_t pos = 0;
    std::string text;
};

// Splits Jet SQL into tokens, the last one End.  Throws CdbException naming
// the character and its position.
std::vector<Token> Tokenize(std::string_view sql);

enum class ExprKind {
    IntLit,  // text: the digits
    NumLit,  // text: the number as written (a decimal point or exponent)
    StrLit,  // text: the value
    Null,
    Column,  // qualifier (may be empty) . text
    CountStar,
    Unary,   // op: Neg, Pos, Not; args[0]
    Binary,  // op; args[0], args[1]
    IsNull,  // args[0]; negated for IS NOT NULL
    Func,    // text: canonical name (Sum, Max, Min, Count, IIf); args
};

enum class Op {
    None,
    Neg,
    Pos,
    Not,
    Add,
    Sub,
    Mul,
    Div,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    And,
    Or,
};

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind = ExprKind::Null;
    size_t pos = 0;
    std::string text;
    std::string qualifier;
    Op op = Op::None;
    bool negated = false;
    int depth = 1;
    std::vector<ExprPtr> args;
};

struct SelectItem {
    enum class Kind { Expr, Star, TableStar };
    Kind kind = Kind::Expr;
    size_t pos = 0;
    ExprPtr expr;           // Kind::Expr
    std::string qualifier;  // Kind::TableStar
    std::string alias;      // after AS
    bool hasAlias = false;
};

struct TableRef {
    enum class Kind { Table, Join };
    Kind kind = Kind::Table;
    size_t pos = 0;
    std::string name;   // Kind::Table
    std::string alias;  // Kind::Table, after AS
    bool hasAlias = false;
    std::unique_ptr<TableRef> left, right;  // Kind::Join (INNER JOIN)
    ExprPtr on;
};

struct SelectCore {
    enum class Quantifier { None, All, Distinct, DistinctRow };
    Quantifier quantifier = Quantifier::None;
    size_t pos = 0;
    std::vector<SelectItem> items;
    std::vector<std::unique_ptr<TableRef>> from;
    bool hasIn = false;
    std::string inPath;
    size_t inPos = 0;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
};

struct OrderItem {
    ExprPtr expr;
    bool desc = false;
};

struct Query {
    std::vector<SelectCore> cores;  // joined by UNION
    std::vector<bool> unionAll;     // one per UNION: true for UNION ALL
    std::vector<OrderItem> orderBy;
};

// Parses one Jet SELECT statement (with UNIONs and an optional trailing ';').
// Throws CdbException naming the offending token and its position.
Query Parse(std::string_view sql);

// "position 12 (near 'FORM')" style description of a token for messages.
std::string Describe(const Token& t);

// The SQL text shortened for a message.
std::string Excerpt(std::string_view sql);

}  // namespace cdb::sql

#endif  // AAP_DB_ENGINE_SQL_AST_H_
