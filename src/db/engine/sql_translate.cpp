// sql_translate.cpp - resolution, Jet typing and SQLite output of a query.
#include "db/engine/sql_translate.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <deque>
#include <set>
#include <utility>

#include "db/engine/cdb_exception.h"
#include "db/engine/text_cp1252.h"

namespace cdb::internal {

std::string QuoteIdent(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size() + 2);
    s.push_back('"');
    for (char c : utf8) {
        if (c == '"') s.push_back('"');
        s.push_back(c);
    }
    s.push_back('"');
    return s;
}

namespace {

using sql::Expr;
using sql::ExprKind;
using sql::Op;
using sql::Query;
using sql::SelectCore;
using sql::SelectItem;
using sql::TableRef;

const std::string kCollate = std::string(" COLLATE ") + text::kCollation;

bool Textish(JetType t) {
    return IsTextType(t) || t == JetType::Unknown;
}
bool NumberLike(JetType t) {
    return IsNumericType(t) || t == JetType::DateTime;
}

struct SourceColumn {
    std::string name;  // Windows-1252
    std::string sql;   // reference in the engine's value form
    JetType type = JetType::Unknown;
};

struct Source {
    std::string name;  // the name that qualifies its columns (alias or table name)
    std::string alias;
    std::string sqlFrom;
    bool hasRowid = false;
    std::vector<SourceColumn> columns;
};

struct Typed {
    std::string sql;
    JetType type = JetType::Unknown;
    bool hasAgg = false;
    bool literal = false;
    const Expr* ungrouped = nullptr;  // first column outside GROUP BY and aggregates
};

struct OutCol {
    std::string plain;
    std::string qualifier;
    std::string sql;
    JetType type = JetType::Unknown;
    bool alias = false;
};

struct Scope {
    std::vector<Source> sources;
    std::set<std::string> groupSql;
    std::vector<bool> used;
    bool trackUse = false;
    const std::vector<OutCol>* outputs = nullptr;  // ORDER BY may name an alias
};

struct Ctx {
    const char* clause;
    bool allowAgg = false;
    bool grouped = false;  // aggregated query: columns must be grouped
    bool inAgg = false;
};

struct CoreOut {
    std::string prefix;  // "SELECT " or "SELECT DISTINCT "
    std::vector<OutCol> cols;
    std::string rest;  // " FROM ..." through HAVING
    std::string orderBy;
    bool distinct = false;
};

struct QueryOut {
    std::string sql;
    std::vector<OutputColumn> cols;
};

struct Cte {
    const Catalog* catalog;
    std::string folded;
    std::string name;
    std::vector<OutputColumn> cols;
};

std::string EmitString(std::string_view cp1252) {
    std::string utf8 = text::Cp1252ToUtf8(cp1252);
    std::string s = "'";
    for (char c : utf8) {
        if (c == '\'') s.push_back('\'');
        s.push_back(c);
    }
    s.push_back('\'');
    return s;
}

std::string EmitDouble(double d) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, d);
    std::string s(buf, r.ptr);
    if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
    return s;
}

const char* OpText(Op op) {
    switch (op) {
        case Op::Add:
            return "+";
        case Op::Sub:
            return "-";
        case Op::Mul:
            return "*";
        case Op::Div:
            return "/";
        case Op::Eq:
            return "=";
        case Op::Ne:
            return "<>";
        case Op::Lt:
            return "<";
        case Op::Gt:
            return ">";
        case Op::Le:
            return "<=";
        case Op::Ge:
            return ">=";
        case Op::And:
            return "AND";
        case Op::Or:
            return "OR";
        default:
            return "?";
    }
}

bool ContainsAggregate(const Expr& e) {
    if (e.kind == ExprKind::CountStar) return true;
    if (e.kind == ExprKind::Func && e.text != "IIf") return true;
    for (const auto& a : e.args) {
        if (ContainsAggregate(*a)) return true;
    }
    return false;
}

// A value converted to the form of a wider type (IIf branches, UNION arms,
// operands).  Only what changes the meaning is converted: integers meeting
// currency are scaled to ten-thousandths, currency meeting floating point is
// scaled back, numbers meeting text become text.
std::string Conv(const Typed& x, JetType to) {
    const JetType from = x.type;
    if (from == to || from == JetType::Null || from == JetType::Unknown || to == JetType::Null ||
        to == JetType::Unknown || to == JetType::Binary || from == JetType::Binary) {
        return x.sql;
    }
    if (IsTextType(to)) {
        if (IsTextType(from)) return x.sql;
        if (from == JetType::Currency) return "CAST((" + x.sql + ") / 10000.0 AS TEXT)";
        return "CAST(" + x.sql + " AS TEXT)";
    }
    if (to == JetType::Currency) {
        if (IsIntegerType(from)) return "(" + x.sql + " * 10000)";
        return x.sql;
    }
    if (to == JetType::Single || to == JetType::Double || to == JetType::DateTime) {
        if (from == JetType::Currency) return "(" + x.sql + " / 10000.0)";
        return x.sql;
    }
    return x.sql;
}

void OfferNames(std::vector<OutputColumn>& cols) {
    for (size_t i = 0; i < cols.size(); ++i) {
        bool shared = false;
        for (size_t j = 0; j < cols.size() && !shared; ++j) {
            shared = j != i && text::EqualsNoCase(cols[i].plain, cols[j].plain);
        }
        cols[i].name = shared && !cols[i].qualifier.empty()
                           ? cols[i].qualifier + "." + cols[i].plain
                           : cols[i].plain;
    }
}

class Translator {
  public:
    Translator(Resolver& r, std::string_view sqlText) : resolver_(r) {
        texts_.push_back(Text{std::string(sqlText), ""});
    }

    Translation Run(const Query& q) {
        QueryOut out = TranslateQuery(q, resolver_.DefaultCatalog());
        Translation t;
        if (!ctes_.empty()) {
            t.sql = "WITH ";
            for (size_t i = 0; i < ctes_.size(); ++i) {
                if (i) t.sql += ", ";
                t.sql += cteSql_[i];
            }
            t.sql += " ";
        }
        t.sql += out.sql;
        t.columns = std::move(out.cols);
        return t;
    }

  private:
    struct Text {
        std::string sql;
        std::string where;  // " in stored query 'X'" or ""
    };

    [[noreturn]] void Fail(size_t pos, const std::string& what) const {
        const Text& t = texts_.back();
        throw CdbException(what + " (at position " + std::to_string(pos + 1) + t.where +
                           "). SQL: " + sql::Excerpt(t.sql));
    }

    std::string Where(size_t pos) const {
        const Text& t = texts_.back();
        return "the IN clause at position " + std::to_string(pos + 1) + t.where;
    }

    // ------------------------------------------------------------ queries
    QueryOut TranslateQuery(const Query& q, Catalog* db) {
        QueryOut out;
        if (q.cores.size() == 1) {
            CoreOut c = TranslateCore(q.cores[0], db, &q.orderBy);
            std::vector<JetType> types;
            for (const auto& col : c.cols) types.push_back(col.type);
            out.sql = Assemble(c, types, c.distinct) + c.orderBy;
            for (const auto& col : c.cols) {
                out.cols.push_back(OutputColumn{"", col.plain, col.qualifier, col.type});
            }
            OfferNames(out.cols);
            return out;
        }
        bool dedup = false;
        for (bool all : q.unionAll) dedup = dedup || !all;
        std::vector<CoreOut> cores;
        for (const auto& core : q.cores) {
            cores.push_back(TranslateCore(core, db, nullptr));
            if (cores.back().cols.size() != cores.front().cols.size()) {
                Fail(core.pos,
                     "the SELECT parts of this UNION have different numbers of columns (" +
                         std::to_string(cores.front().cols.size()) + " and " +
                         std::to_string(cores.back().cols.size()) + ")");
            }
        }
        std::vector<JetType> types;
        for (size_t i = 0; i < cores.front().cols.size(); ++i) {
            JetType t = JetType::Null;
            for (const auto& c : cores) t = Widen(t, c.cols[i].type);
            types.push_back(t);
        }
        for (size_t k = 0; k < cores.size(); ++k) {
            if (k) out.sql += q.unionAll[k - 1] ? " UNION ALL " : " UNION ";
            out.sql += Assemble(cores[k], types, dedup || cores[k].distinct);
        }
        const CoreOut& first = cores.front();
        for (size_t i = 0; i < first.cols.size(); ++i) {
            out.cols.push_back(
                OutputColumn{"", first.cols[i].plain, first.cols[i].qualifier, types[i]});
        }
        OfferNames(out.cols);
        if (!q.orderBy.empty()) {
            out.sql += " ORDER BY ";
            for (size_t i = 0; i < q.orderBy.size(); ++i) {
                const auto& item = q.orderBy[i];
                const Expr& e = *item.expr;
                int found = -1;
                if (e.kind == ExprKind::Column) {
                    for (size_t c = 0; c < out.cols.size() && found < 0; ++c) {
                        const auto& oc = out.cols[c];
                        bool match = e.qualifier.empty()
                                         ? text::EqualsNoCase(e.text, oc.plain) ||
                                               text::EqualsNoCase(e.text, oc.name)
                                         : text::EqualsNoCase(e.text, oc.plain) &&
                                               text::EqualsNoCase(e.qualifier, oc.qualifier);
                        if (match) found = static_cast<int>(c);
                    }
                }
                if (found < 0) {
                    Fail(e.pos, "the ORDER BY of a UNION must name a column of its result");
                }
                if (i) out.sql += ", ";
                out.sql += std::to_string(found + 1);
                if (Textish(types[found])) out.sql += kCollate;
                if (item.desc) out.sql += " DESC";
            }
        }
        return out;
    }

    std::string Assemble(const CoreOut& c, const std::vector<JetType>& types, bool collate) {
        std::string s = c.prefix;
        for (size_t i = 0; i < c.cols.size(); ++i) {
            if (i) s += ", ";
            Typed t;
            t.sql = c.cols[i].sql;
            t.type = c.cols[i].type;
            std::string v = Conv(t, types[i]);
            if (collate && Textish(types[i])) {
                s += "(" + v + kCollate + ")";
            } else {
                s += v;
            }
        }
        return s + c.rest;
    }

    // ------------------------------------------------------------ one SELECT
    CoreOut TranslateCore(const SelectCore& core, Catalog* db,
                          const std::vector<sql::OrderItem>* orderBy) {
        Catalog* cat = core.hasIn ? resolver_.CatalogForPath(core.inPath, Where(core.inPos)) : db;
        Scope sc;
        for (const auto& ref : core.from) CollectSources(*ref, cat, sc);
        sc.used.assign(sc.sources.size(), false);

        int next = 0;
        std::string from;
        for (size_t i = 0; i < core.from.size(); ++i) {
            if (i) from += ", ";
            from += EmitRef(*core.from[i], sc, next);
        }

        bool aggregated = !core.groupBy.empty() || core.having != nullptr;
        for (const auto& item : core.items) {
            if (item.expr && ContainsAggregate(*item.expr)) aggregated = true;
        }
        if (orderBy) {
            for (const auto& o : *orderBy) {
                if (ContainsAggregate(*o.expr)) aggregated = true;
            }
        }

        // GROUP BY first: its expressions decide what the select list may use.
        std::string groupSql;
        for (const auto& g : core.groupBy) {
            Typed t = Analyze(*g, sc, Ctx{"GROUP BY"});
            sc.groupSql.insert(t.sql);
            if (!groupSql.empty()) groupSql += ", ";
            groupSql += SortTerm(t);
        }

        CoreOut out;
        int exprNumber = 1000;
        sc.trackUse = true;
        for (const auto& item : core.items) {
            if (item.kind != SelectItem::Kind::Expr) {
                bool any = false;
                for (size_t s = 0; s < sc.sources.size(); ++s) {
                    const Source& src = sc.sources[s];
                    if (item.kind == SelectItem::Kind::TableStar &&
                        !text::EqualsNoCase(src.name, item.qualifier)) {
                        continue;
                    }
                    any = true;
                    sc.used[s] = true;
                    for (const auto& col : src.columns) {
                        if (aggregated && !sc.groupSql.count(col.sql)) {
                            Fail(item.pos, "the column " + src.name + "." + col.name +
                                               " (from '*') is neither in the GROUP BY nor in an "
                                               "aggregate function");
                        }
                        out.cols.push_back(OutCol{col.name, src.name, col.sql, col.type, false});
                    }
                }
                if (!any) {
                    Fail(item.pos, "'" + item.qualifier + ".*' names no table of the FROM clause");
                }
                continue;
            }
            Typed t = Analyze(*item.expr, sc, Ctx{"SELECT", true, aggregated});
            if (aggregated && t.ungrouped) {
                Fail(t.ungrouped->pos, "the column " + ColumnText(*t.ungrouped) +
                                           " is neither in the GROUP BY nor in an aggregate "
                                           "function");
            }
            OutCol oc;
            oc.sql = t.sql;
            oc.type = t.type;
            if (item.hasAlias) {
                oc.plain = item.alias;
                oc.alias = true;
            } else if (item.expr->kind == ExprKind::Column) {
                const auto [src, col] = Lookup(*item.expr, sc, false);
                oc.plain = sc.sources[src].columns[col].name;
                oc.qualifier = sc.sources[src].name;
            } else {
                oc.plain = "Expr" + std::to_string(exprNumber++);
            }
            out.cols.push_back(std::move(oc));
        }
        sc.trackUse = false;

        std::string whereSql;
        if (core.where) {
            if (ContainsAggregate(*core.where)) {
                Fail(core.where->pos, "aggregate functions are not allowed in WHERE (use HAVING)");
            }
            whereSql = Analyze(*core.where, sc, Ctx{"WHERE"}).sql;
        }
        std::string havingSql;
        if (core.having) {
            Typed t = Analyze(*core.having, sc, Ctx{"HAVING", true, true});
            if (t.ungrouped) {
                Fail(t.ungrouped->pos, "the column " + ColumnText(*t.ungrouped) +
                                           " in HAVING is neither in the GROUP BY nor in an "
                                           "aggregate function");
            }
            havingSql = t.sql;
        }
        if (orderBy && !orderBy->empty()) {
            sc.outputs = &out.cols;
            out.orderBy = " ORDER BY ";
            for (size_t i = 0; i < orderBy->size(); ++i) {
                const auto& item = (*orderBy)[i];
                Typed t = Analyze(*item.expr, sc, Ctx{"ORDER BY", aggregated, aggregated});
                if (aggregated && t.ungrouped) {
                    Fail(t.ungrouped->pos, "the column " + ColumnText(*t.ungrouped) +
                                               " in ORDER BY is neither in the GROUP BY nor in an "
                                               "aggregate function");
                }
                if (i) out.orderBy += ", ";
                out.orderBy += SortTerm(t);
                if (item.desc) out.orderBy += " DESC";
            }
            sc.outputs = nullptr;
        }

        out.distinct = core.quantifier == SelectCore::Quantifier::Distinct;
        if (core.quantifier == SelectCore::Quantifier::DistinctRow && !aggregated &&
            sc.sources.size() > 1) {
            // DISTINCTROW: one row per combination of rows of the tables whose
            // columns are selected (it matters only when some table is not).
            std::string rowids;
            bool allRowid = true;
            size_t contributing = 0;
            for (size_t s = 0; s < sc.sources.size(); ++s) {
                if (!sc.used[s]) continue;
                ++contributing;
                allRowid = allRowid && sc.sources[s].hasRowid;
                if (!rowids.empty()) rowids += ", ";
                rowids += QuoteIdent(sc.sources[s].alias) + "._rowid_";
            }
            if (contributing < sc.sources.size()) {
                if (contributing > 0 && allRowid) {
                    groupSql = rowids;
                } else {
                    out.distinct = true;
                }
            }
        }
        out.prefix = out.distinct ? "SELECT DISTINCT " : "SELECT ";
        out.rest = " FROM " + from;
        if (!whereSql.empty()) out.rest += " WHERE " + whereSql;
        if (!groupSql.empty()) out.rest += " GROUP BY " + groupSql;
        if (!havingSql.empty()) out.rest += " HAVING " + havingSql;
        return out;
    }

    static std::string ColumnText(const Expr& e) {
        return e.qualifier.empty() ? "'" + e.text + "'" : "'" + e.qualifier + "." + e.text + "'";
    }

    std::string SortTerm(const Typed& t) {
        std::string s = t.literal && t.type != JetType::Text && t.type != JetType::Null
                            ? "CAST(" + t.sql + " AS NUMERIC)"
                            : t.sql;
        if (Textish(t.type)) s += kCollate;
        return s;
    }

    // ------------------------------------------------------------ FROM
    void CollectSources(const TableRef& r, Catalog* cat, Scope& sc) {
        if (r.kind == TableRef::Kind::Join) {
            CollectSources(*r.left, cat, sc);
            CollectSources(*r.right, cat, sc);
            return;
        }
        Source s;
        s.alias = "t" + std::to_string(sc.sources.size());
        if (const TableInfo* ti = cat->FindTable(r.name)) {
            s.name = r.hasAlias ? r.alias : ti->name;
            s.hasRowid = ti->hasRowid;
            s.sqlFrom = QuoteIdent(ti->schema) + "." + QuoteIdent(ti->sqlName) + " AS " +
                        QuoteIdent(s.alias);
            for (const auto& c : ti->columns) {
                std::string ref = QuoteIdent(s.alias) + "." + QuoteIdent(c.sqlName);
                switch (c.type.form) {
                    case StoredForm::CurrencyUnits:
                        ref = "cdb_cy(" + ref + ")";
                        break;
                    case StoredForm::DateAny:
                        ref = "cdb_date(" + ref + ")";
                        break;
                    case StoredForm::AsIs:
                        break;
                }
                s.columns.push_back(SourceColumn{c.name, std::move(ref), c.type.type});
            }
        } else if (const StoredQuery* sq = cat->FindQuery(r.name)) {
            const Cte& cte = Expand(cat, *sq, r.pos);
            s.name = r.hasAlias ? r.alias : sq->name;
            s.sqlFrom = QuoteIdent(cte.name) + " AS " + QuoteIdent(s.alias);
            for (size_t i = 0; i < cte.cols.size(); ++i) {
                s.columns.push_back(SourceColumn{
                    cte.cols[i].name, QuoteIdent(s.alias) + ".\"c" + std::to_string(i) + "\"",
                    cte.cols[i].type});
            }
        } else {
            Fail(r.pos, "no table or stored query named '" + r.name + "' in the database '" +
                            cat->DisplayPath() + "'");
        }
        for (const auto& other : sc.sources) {
            if (text::EqualsNoCase(other.name, s.name)) {
                Fail(r.pos, "the table '" + s.name +
                                "' appears twice in FROM; give one of them another name with AS");
            }
        }
        sc.sources.push_back(std::move(s));
    }

    std::string EmitRef(const TableRef& r, Scope& sc, int& next) {
        if (r.kind == TableRef::Kind::Table) return sc.sources[next++].sqlFrom;
        std::string left = EmitRef(*r.left, sc, next);
        std::string right = EmitRef(*r.right, sc, next);
        if (r.right->kind == TableRef::Kind::Join) right = "(" + right + ")";
        if (ContainsAggregate(*r.on)) Fail(r.on->pos, "aggregate functions are not allowed in ON");
        Typed on = Analyze(*r.on, sc, Ctx{"ON"});
        return left + " INNER JOIN " + right + " ON " + on.sql;
    }

    const Cte& Expand(Catalog* cat, const StoredQuery& sq, size_t pos) {
        std::string folded = text::FoldCp1252(sq.name);
        for (const auto& c : ctes_) {
            if (c.catalog == cat && c.folded == folded) return c;
        }
        for (const auto& [c, f] : expanding_) {
            if (c == cat && f == folded) {
                Fail(pos, "the stored query '" + sq.name + "' refers to itself");
            }
        }
        if (expanding_.size() >= 32) Fail(pos, "stored queries are nested too deeply");
        expanding_.emplace_back(cat, folded);
        sql::Query parsed;
        try {
            parsed = sql::Parse(sq.sql);
        } catch (const CdbException& e) {
            throw CdbException("The stored query '" + sq.name + "' of '" + cat->DisplayPath() +
                               "' cannot be read: " + e.what());
        }
        texts_.push_back(Text{sq.sql, " in the stored query '" + sq.name + "'"});
        QueryOut out = TranslateQuery(parsed, cat);
        texts_.pop_back();
        expanding_.pop_back();
        Cte cte;
        cte.catalog = cat;
        cte.folded = folded;
        cte.name = "q" + std::to_string(ctes_.size());
        cte.cols = out.cols;
        std::string def = QuoteIdent(cte.name) + "(";
        for (size_t i = 0; i < out.cols.size(); ++i) {
            if (i) def += ", ";
            def += "\"c" + std::to_string(i) + "\"";
        }
        def += ") AS (" + out.sql + ")";
        ctes_.push_back(std::move(cte));
        cteSql_.push_back(std::move(def));
        return ctes_.back();
    }

    // ------------------------------------------------------------ columns
    // Finds a column reference among the sources: (source, column).
    // Returns (-1, -1) when `allowMissing` and a plain name is not found.
    std::pair<int, int> Lookup(const Expr& e, Scope& sc, bool allowMissing) {
        if (!e.qualifier.empty()) {
            for (size_t s = 0; s < sc.sources.size(); ++s) {
                const Source& src = sc.sources[s];
                if (!text::EqualsNoCase(src.name, e.qualifier)) continue;
                for (size_t c = 0; c < src.columns.size(); ++c) {
                    if (text::EqualsNoCase(src.columns[c].name, e.text)) {
                        return {static_cast<int>(s), static_cast<int>(c)};
                    }
                }
                Fail(e.pos, "the table '" + src.name + "' has no column '" + e.text + "'");
            }
            Fail(e.pos, "'" + e.qualifier + "." + e.text + "' names the table '" + e.qualifier +
                            "', which is not in the FROM clause");
        }
        int fs = -1, fc = -1;
        for (size_t s = 0; s < sc.sources.size(); ++s) {
            const Source& src = sc.sources[s];
            for (size_t c = 0; c < src.columns.size(); ++c) {
                if (!text::EqualsNoCase(src.columns[c].name, e.text)) continue;
                if (fs >= 0 && fs != static_cast<int>(s)) {
                    Fail(e.pos, "the column '" + e.text + "' could be in '" + sc.sources[fs].name +
                                    "' or in '" + src.name + "'; write " + sc.sources[fs].name +
                                    "." + e.text + " or " + src.name + "." + e.text);
                }
                if (fs < 0) {
                    fs = static_cast<int>(s);
                    fc = static_cast<int>(c);
                }
            }
        }
        if (fs < 0 && !allowMissing) {
            std::string tables;
            for (const auto& src : sc.sources) {
                if (!tables.empty()) tables += ", ";
                tables += src.name;
            }
            Fail(e.pos, "no column named '" + e.text + "' in " + tables);
        }
        return {fs, fc};
    }

    // ------------------------------------------------------------ expressions
    Typed Analyze(const Expr& e, Scope& sc, const Ctx& cx) {
        Typed r;
        switch (e.kind) {
            case ExprKind::IntLit: {
                int64_t v = 0;
                auto res = std::from_chars(e.text.data(), e.text.data() + e.text.size(), v);
                r.literal = true;
                if (res.ec == std::errc() && v >= INT32_MIN && v <= INT32_MAX) {
                    r.sql = std::to_string(v);
                    r.type = JetType::Long;
                } else {
                    double d = 0;
                    std::from_chars(e.text.data(), e.text.data() + e.text.size(), d);
                    if (!std::isfinite(d)) Fail(e.pos, "the number " + e.text + " is too large");
                    r.sql = EmitDouble(d);
                    r.type = JetType::Double;
                }
                return r;
            }
            case ExprKind::NumLit: {
                double d = 0;
                auto res = std::from_chars(e.text.data(), e.text.data() + e.text.size(), d);
                if (res.ec != std::errc() || !std::isfinite(d)) {
                    Fail(e.pos, "the number " + e.text + " is out of range");
                }
                r.literal = true;
                r.sql = EmitDouble(d);
                r.type = JetType::Double;
                return r;
            }
            case ExprKind::StrLit:
                r.literal = true;
                r.sql = EmitString(e.text);
                r.type = JetType::Text;
                return r;
            case ExprKind::Null:
                r.literal = true;
                r.sql = "NULL";
                r.type = JetType::Null;
                return r;
            case ExprKind::Column: {
                auto [s, c] = Lookup(e, sc, sc.outputs != nullptr);
                if (s < 0) {
                    // ORDER BY may name an alias of the select list.
                    for (const auto& oc : *sc.outputs) {
                        if (oc.alias && text::EqualsNoCase(oc.plain, e.text)) {
                            r.sql = oc.sql;
                            r.type = oc.type;
                            return r;
                        }
                    }
                    Lookup(e, sc, false);  // throws the message
                }
                const SourceColumn& col = sc.sources[s].columns[c];
                if (sc.trackUse) sc.used[s] = true;
                r.sql = col.sql;
                r.type = col.type;
                if (cx.grouped && !cx.inAgg && !sc.groupSql.count(r.sql)) r.ungrouped = &e;
                return r;
            }
            case ExprKind::CountStar:
                CheckAggregate(e, cx);
                r.sql = "count(*)";
                r.type = JetType::Long;
                r.hasAgg = true;
                return r;
            case ExprKind::Func:
                if (e.text == "IIf") return IIf(e, sc, cx);
                return Aggregate(e, sc, cx);
            case ExprKind::Unary:
                return Unary(e, sc, cx);
            case ExprKind::IsNull: {
                Typed a = Analyze(*e.args[0], sc, cx);
                r.sql = "(" + a.sql + (e.negated ? " IS NOT NULL)" : " IS NULL)");
                r.type = JetType::Bit;
                return Compose(r, {&a}, sc, cx);
            }
            case ExprKind::Binary:
                return Binary(e, sc, cx);
        }
        Fail(e.pos, "unsupported expression");
    }

    // Group bookkeeping for an expression built of others.
    Typed Compose(Typed r, std::initializer_list<const Typed*> parts, const Scope& sc,
                  const Ctx& cx) {
        for (const Typed* p : parts) {
            r.hasAgg = r.hasAgg || p->hasAgg;
            if (!r.ungrouped) r.ungrouped = p->ungrouped;
        }
        if (cx.grouped && !cx.inAgg && sc.groupSql.count(r.sql)) r.ungrouped = nullptr;
        return r;
    }

    void CheckAggregate(const Expr& e, const Ctx& cx) {
        const std::string name = e.kind == ExprKind::CountStar ? "Count" : e.text;
        if (cx.inAgg) Fail(e.pos, "an aggregate function (" + name + ") inside another one");
        if (!cx.allowAgg) {
            Fail(e.pos, "the aggregate function " + name + " is not allowed in " + cx.clause);
        }
    }

    Typed Aggregate(const Expr& e, Scope& sc, const Ctx& cx) {
        CheckAggregate(e, cx);
        Ctx inner = cx;
        inner.inAgg = true;
        Typed a = Analyze(*e.args[0], sc, inner);
        Typed r;
        r.hasAgg = true;
        if (e.text == "Count") {
            r.sql = "count(" + a.sql + ")";
            r.type = JetType::Long;
        } else if (e.text == "Sum") {
            r.sql = "sum(" + a.sql + ")";
            r.type = a.type;
        } else {
            r.sql = (e.text == "Max" ? "max(" : "min(") + a.sql +
                    (Textish(a.type) ? kCollate : std::string()) + ")";
            r.type = a.type;
        }
        return r;
    }

    Typed IIf(const Expr& e, Scope& sc, const Ctx& cx) {
        Typed c = Analyze(*e.args[0], sc, cx);
        Typed a = Analyze(*e.args[1], sc, cx);
        Typed b = Analyze(*e.args[2], sc, cx);
        Typed r;
        r.type = Widen(a.type, b.type);
        r.sql = "(CASE WHEN " + c.sql + " THEN " + Conv(a, r.type) + " ELSE " + Conv(b, r.type) +
                " END)";
        return Compose(r, {&c, &a, &b}, sc, cx);
    }

    Typed Unary(const Expr& e, Scope& sc, const Ctx& cx) {
        Typed a = Analyze(*e.args[0], sc, cx);
        Typed r;
        switch (e.op) {
            case Op::Pos:
                r = a;
                r.ungrouped = nullptr;
                r.hasAgg = false;
                break;
            case Op::Neg:
                r.sql = "(-" + a.sql + ")";
                r.literal = a.literal;
                switch (a.type) {
                    case JetType::Bit:
                    case JetType::Byte:
                        r.type = JetType::Short;
                        break;
                    case JetType::Text:
                    case JetType::Memo:
                        r.type = JetType::Double;
                        break;
                    default:
                        r.type = a.type;
                        break;
                }
                break;
            default:  // Not
                if (IsIntegerType(a.type) && a.type != JetType::Bit) {
                    r.sql = "(~" + a.sql + ")";
                    r.type = a.type;
                } else {
                    r.sql = "(NOT " + a.sql + ")";
                    r.type = JetType::Bit;
                }
                break;
        }
        return Compose(r, {&a}, sc, cx);
    }

    Typed Binary(const Expr& e, Scope& sc, const Ctx& cx) {
        Typed a = Analyze(*e.args[0], sc, cx);
        Typed b = Analyze(*e.args[1], sc, cx);
        Typed r;
        switch (e.op) {
            case Op::And:
            case Op::Or:
                if (IsIntegerType(a.type) && a.type != JetType::Bit && IsIntegerType(b.type) &&
                    b.type != JetType::Bit) {
                    r.sql = "(" + a.sql + (e.op == Op::And ? " & " : " | ") + b.sql + ")";
                    r.type = Widen(a.type, b.type);
                } else {
                    r.sql = "(" + a.sql + " " + OpText(e.op) + " " + b.sql + ")";
                    r.type = JetType::Bit;
                }
                break;
            case Op::Eq:
            case Op::Ne:
            case Op::Lt:
            case Op::Gt:
            case Op::Le:
            case Op::Ge:
                r.type = JetType::Bit;
                if ((Textish(a.type) || Textish(b.type)) && !NumberLike(a.type) &&
                    !NumberLike(b.type)) {
                    r.sql = "(" + a.sql + kCollate + " " + OpText(e.op) + " " + b.sql + ")";
                } else if (NumberLike(a.type) && NumberLike(b.type)) {
                    JetType common = Widen(a.type, b.type);
                    r.sql =
                        "(" + Conv(a, common) + " " + OpText(e.op) + " " + Conv(b, common) + ")";
                } else {
                    r.sql = "(" + a.sql + " " + OpText(e.op) + " " + b.sql + ")";
                }
                break;
            case Op::Concat:
                r.type = JetType::Text;
                r.sql = "(CASE WHEN " + a.sql + " IS NULL AND " + b.sql +
                        " IS NULL THEN NULL ELSE coalesce(" + Conv(a, JetType::Text) +
                        ", '') || coalesce(" + Conv(b, JetType::Text) + ", '') END)";
                break;
            default:
                r = Arithmetic(e.op, a, b);
                break;
        }
        return Compose(r, {&a, &b}, sc, cx);
    }

    Typed Arithmetic(Op op, const Typed& a, const Typed& b) {
        Typed r;
        const std::string o = OpText(op);
        if (op == Op::Add && IsTextType(a.type) && IsTextType(b.type)) {
            r.type = JetType::Text;
            r.sql = "(" + a.sql + " || " + b.sql + ")";
            return r;
        }
        auto numeric = [](JetType t) { return IsTextType(t) ? JetType::Double : t; };
        const JetType ta = numeric(a.type);
        const JetType tb = numeric(b.type);
        if (op == Op::Div) {
            r.type = JetType::Double;
            r.sql = "(CAST(" + Conv(a, JetType::Double) + " AS REAL) / " +
                    Conv(b, JetType::Double) + ")";
            return r;
        }
        if (ta == JetType::DateTime || tb == JetType::DateTime) {
            if (op == Op::Sub && ta == JetType::DateTime && tb == JetType::DateTime) {
                r.type = JetType::Double;
            } else if (op == Op::Add || op == Op::Sub) {
                r.type = JetType::DateTime;
            } else {
                r.type = JetType::Double;
            }
            r.sql = "(" + Conv(a, JetType::Double) + " " + o + " " + Conv(b, JetType::Double) + ")";
            return r;
        }
        JetType t = Widen(ta, tb);
        if (t == JetType::Bit) t = JetType::Short;
        r.type = t;
        if (t == JetType::Currency) {
            if (op == Op::Mul) {
                if (ta == JetType::Currency && tb == JetType::Currency) {
                    r.sql = "cdb_cy((" + a.sql + " * 1.0 * " + b.sql + ") / 100000000.0)";
                } else {
                    r.sql = "(" + a.sql + " * " + b.sql + ")";
                }
            } else {
                r.sql = "(" + Conv(a, t) + " " + o + " " + Conv(b, t) + ")";
            }
            return r;
        }
        r.sql = "(" + Conv(a, t) + " " + o + " " + Conv(b, t) + ")";
        return r;
    }

    Resolver& resolver_;
    std::vector<Text> texts_;
    std::deque<Cte> ctes_;
    std::vector<std::string> cteSql_;
    std::vector<std::pair<const Catalog*, std::string>> expanding_;
};

}  // namespace

Translation Translate(const sql::Query& query, std::string_view sqlText, Resolver& resolver) {
    Translator t(resolver, sqlText);
    return t.Run(query);
}

}  // namespace cdb::internal
