// sql_lexer.cpp - the tokenizer of the Jet SELECT dialect.
#include <cstdio>

#include "db/engine/cdb_exception.h"
#include "db/engine/sql_ast.h"

namespace cdb::sql {
namespace {

bool IsIdentStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IsIdentChar(unsigned char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

std::string CharName(unsigned char c) {
    char buf[32];
    if (c >= 0x20 && c < 0x7F) {
        std::snprintf(buf, sizeof buf, "'%c'", c);
    } else {
        std::snprintf(buf, sizeof buf, "byte 0x%02X", c);
    }
    return buf;
}

[[noreturn]] void Fail(std::string_view sql, size_t pos, const std::string& what) {
    throw CdbException("Syntax error in Jet SQL at position " + std::to_string(pos + 1) + ": " +
                       what + ". SQL: " + Excerpt(sql));
}

}  // namespace

std::string Excerpt(std::string_view sql) {
    constexpr size_t kMax = 300;
    std::string s;
    for (size_t i = 0; i < sql.size() && i < kMax; ++i) {
        unsigned char c = static_cast<unsigned char>(sql[i]);
        s.push_back(c < 0x20 ? ' ' : static_cast<char>(c));
    }
    if (sql.size() > kMax) s += "...";
    return s;
}

std::string Describe(const Token& t) {
    std::string s = "position " + std::to_string(t.pos + 1);
    switch (t.kind) {
        case Tok::End:
            return s + " (end of the SQL text)";
        case Tok::String:
            return s + " (near the text literal \"" + t.text.substr(0, 40) + "\")";
        case Tok::Bracket:
            return s + " (near '[" + t.text.substr(0, 60) + "]')";
        default:
            return s + " (near '" + t.text.substr(0, 60) + "')";
    }
}

std::vector<Token> Tokenize(std::string_view sql) {
    std::vector<Token> out;
    const size_t n = sql.size();
    size_t i = 0;
    auto push = [&](Tok k, size_t pos, std::string text) {
        out.push_back(Token{k, pos, std::move(text)});
    };
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            ++i;
            continue;
        }
        const size_t start = i;
        if (c == '[') {
            size_t j = i + 1;
            while (j < n && sql[j] != ']') ++j;
            if (j >= n) Fail(sql, start, "a name opened with '[' is never closed with ']'");
            if (j == i + 1) Fail(sql, start, "empty name '[]'");
            push(Tok::Bracket, start, std::string(sql.substr(i + 1, j - i - 1)));
            i = j + 1;
            continue;
        }
        if (c == '\'' || c == '"') {
            std::string value;
            size_t j = i + 1;
            bool closed = false;
            while (j < n) {
                if (static_cast<unsigned char>(sql[j]) == c) {
                    if (j + 1 < n && static_cast<unsigned char>(sql[j + 1]) == c) {
                        value.push_back(static_cast<char>(c));
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                value.push_back(sql[j]);
                ++j;
            }
            if (!closed) {
                Fail(sql, start,
                     std::string("a text literal opened with ") + CharName(c) + " is never closed");
            }
            push(Tok::String, start, std::move(value));
            i = j + 1;
            continue;
        }
        if (IsDigit(c)) {
            size_t j = i;
            while (j < n && IsDigit(static_cast<unsigned char>(sql[j]))) ++j;
            bool decimal = false;
            if (j < n && sql[j] == '.' && j + 1 < n &&
                IsDigit(static_cast<unsigned char>(sql[j + 1]))) {
                decimal = true;
                ++j;
                while (j < n && IsDigit(static_cast<unsigned char>(sql[j]))) ++j;
            }
            if (j < n && (sql[j] == 'e' || sql[j] == 'E')) {
                size_t k = j + 1;
                if (k < n && (sql[k] == '+' || sql[k] == '-')) ++k;
                if (k < n && IsDigit(static_cast<unsigned char>(sql[k]))) {
                    decimal = true;
                    while (k < n && IsDigit(static_cast<unsigned char>(sql[k]))) ++k;
                    j = k;
                }
            }
            if (j < n && IsIdentChar(static_cast<unsigned char>(sql[j]))) {
                size_t k = j;
                while (k < n && IsIdentChar(static_cast<unsigned char>(sql[k]))) ++k;
                Fail(sql, start,
                     "'" + std::string(sql.substr(start, k - start)) +
                         "' is not a number (a name cannot start with a digit)");
            }
            push(decimal ? Tok::Decimal : Tok::Integer, start, std::string(sql.substr(i, j - i)));
            i = j;
            continue;
        }
        if (IsIdentStart(c)) {
            size_t j = i;
            while (j < n && IsIdentChar(static_cast<unsigned char>(sql[j]))) ++j;
            push(Tok::Ident, start, std::string(sql.substr(i, j - i)));
            i = j;
            continue;
        }
        Tok k;
        size_t len = 1;
        switch (c) {
            case ',':
                k = Tok::Comma;
                break;
            case '.':
                k = Tok::Dot;
                break;
            case '(':
                k = Tok::LParen;
                break;
            case ')':
                k = Tok::RParen;
                break;
            case '*':
                k = Tok::Star;
                break;
            case '+':
                k = Tok::Plus;
                break;
            case '-':
                k = Tok::Minus;
                break;
            case '/':
                k = Tok::Slash;
                break;
            case '&':
                k = Tok::Amp;
                break;
            case '=':
                k = Tok::Eq;
                break;
            case ';':
                k = Tok::Semicolon;
                break;
            case '<':
                if (i + 1 < n && sql[i + 1] == '=') {
                    k = Tok::Le;
                    len = 2;
                } else if (i + 1 < n && sql[i + 1] == '>') {
                    k = Tok::Ne;
                    len = 2;
                } else {
                    k = Tok::Lt;
                }
                break;
            case '>':
                if (i + 1 < n && sql[i + 1] == '=') {
                    k = Tok::Ge;
                    len = 2;
                } else {
                    k = Tok::Gt;
                }
                break;
            default:
                Fail(sql, start, "unexpected character " + CharName(c));
        }
        push(k, start, std::string(sql.substr(i, len)));
        i += len;
    }
    push(Tok::End, n, "");
    return out;
}

}  // namespace cdb::sql
