// catalog.cpp - tables, columns and stored queries of one schema.
#include <sqlite3.h>

#include "db/engine/cdb_exception.h"
#include "db/engine/engine_internal.h"
#include "db/engine/text_cp1252.h"

namespace cdb::internal {
namespace {

constexpr const char* kQueryTable = "MSysCdbQueries";

struct Stmt {
    sqlite3_stmt* s = nullptr;
    ~Stmt() { sqlite3_finalize(s); }
};

std::string ColumnText(sqlite3_stmt* s, int i) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(s, i))) : std::string();
}

bool ContainsNoCase(const std::string& hay, const char* needle) {
    std::string h = text::FoldCp1252(hay);
    std::string n = text::FoldCp1252(needle);
    return h.find(n) != std::string::npos;
}

}  // namespace

SchemaCatalog::SchemaCatalog(sqlite3* db, std::string schema, std::string displayPath,
                             JetSource* jet)
    : db_(db), schema_(std::move(schema)), display_(std::move(displayPath)), jet_(jet) {}

void SchemaCatalog::Invalidate() {
    listed_ = false;
    queriesRead_ = false;
}

void SchemaCatalog::Validate() {
    List();
}

void SchemaCatalog::List() {
    if (listed_) return;
    std::string sql = "SELECT type, name, sql FROM " + QuoteIdent(schema_) +
                      ".sqlite_schema WHERE type IN ('table', 'view')";
    Stmt st;
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st.s, nullptr);
    if (rc != SQLITE_OK) {
        throw CdbException("Cannot read the list of tables of '" + display_ + "': " +
                           sqlite3_errmsg(db_) + " (is it a database file, and is it whole?)");
    }
    std::map<std::string, Entry> fresh;
    hasQueryTable_ = false;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        std::string type = ColumnText(st.s, 0);
        std::string utf8 = ColumnText(st.s, 1);
        std::string ddl = ColumnText(st.s, 2);
        if (utf8.rfind("sqlite_", 0) == 0) continue;
        std::string name = text::Utf8ToCp1252(utf8);
        if (text::EqualsNoCase(name, kQueryTable)) {
            hasQueryTable_ = type == "table";
            continue;
        }
        std::string key = text::FoldCp1252(name);
        if (fresh.count(key)) continue;
        Entry e;
        e.utf8 = utf8;
        e.rowid = type == "table" && !ContainsNoCase(ddl, "WITHOUT ROWID");
        // Keep what was already read about a table that is still there.
        auto old = tables_.find(key);
        if (old != tables_.end() && old->second.utf8 == utf8) e.info = std::move(old->second.info);
        fresh.emplace(std::move(key), std::move(e));
    }
    if (rc != SQLITE_DONE) {
        throw CdbException("Cannot read the list of tables of '" + display_ +
                           "': " + sqlite3_errmsg(db_) + " (the file may be damaged)");
    }
    tables_ = std::move(fresh);
    listed_ = true;
}

const TableInfo* SchemaCatalog::Columns(Entry& e) {
    if (e.info) return e.info.get();
    auto info = std::make_unique<TableInfo>();
    info->schema = schema_;
    info->sqlName = e.utf8;
    info->name = text::Utf8ToCp1252(e.utf8);
    info->hasRowid = e.rowid;
    Stmt st;
    int rc = sqlite3_prepare_v2(db_, "SELECT name, type FROM pragma_table_info(?1, ?2)", -1, &st.s,
                                nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(st.s, 1, e.utf8.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st.s, 2, schema_.c_str(), -1, SQLITE_TRANSIENT);
        while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
            TableColumn c;
            c.sqlName = ColumnText(st.s, 0);
            c.name = text::Utf8ToCp1252(c.sqlName);
            c.type = ParseDeclaredType(ColumnText(st.s, 1));
            info->columns.push_back(std::move(c));
        }
    }
    if (rc != SQLITE_DONE) {
        throw CdbException("Cannot read the columns of the table '" + info->name + "' of '" +
                           display_ + "': " + sqlite3_errmsg(db_));
    }
    if (info->columns.empty()) {
        throw CdbException("The table '" + info->name + "' of '" + display_ +
                           "' has no columns that can be read");
    }
    e.info = std::move(info);
    return e.info.get();
}

const TableInfo* SchemaCatalog::FindTable(std::string_view name) {
    List();
    auto it = tables_.find(text::FoldCp1252(name));
    if (it != tables_.end()) return Columns(it->second);
    if (jet_ == nullptr) return nullptr;
    for (const std::string& utf8 : jet_->Names()) {
        if (!text::EqualsNoCase(text::Utf8ToCp1252(utf8), name)) continue;
        jet_->Load(utf8);
        listed_ = false;
        List();
        it = tables_.find(text::FoldCp1252(text::Utf8ToCp1252(utf8)));
        if (it == tables_.end()) {
            throw CdbException("The table '" + std::string(name) + "' of '" + display_ +
                               "' was not copied from the Jet file");
        }
        return Columns(it->second);
    }
    return nullptr;
}

const StoredQuery* SchemaCatalog::FindQuery(std::string_view name) {
    List();
    if (!queriesRead_) {
        queries_.clear();
        if (hasQueryTable_) {
            std::string sql = "SELECT Name, SQL FROM " + QuoteIdent(schema_) + "." +
                              QuoteIdent(kQueryTable) + " ORDER BY rowid";
            Stmt st;
            int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st.s, nullptr);
            if (rc != SQLITE_OK) {
                throw CdbException("Cannot read the stored queries of '" + display_ +
                                   "': " + sqlite3_errmsg(db_));
            }
            while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
                StoredQuery q;
                q.name = text::Utf8ToCp1252(ColumnText(st.s, 0));
                q.sql = text::Utf8ToCp1252(ColumnText(st.s, 1));
                queries_.emplace(text::FoldCp1252(q.name), std::move(q));
            }
            if (rc != SQLITE_DONE) {
                throw CdbException("Cannot read the stored queries of '" + display_ +
                                   "': " + sqlite3_errmsg(db_));
            }
        }
        queriesRead_ = true;
    }
    auto it = queries_.find(text::FoldCp1252(name));
    return it == queries_.end() ? nullptr : &it->second;
}

bool SchemaCatalog::HasObject(std::string_view name) {
    List();
    if (tables_.count(text::FoldCp1252(name))) return true;
    if (jet_ != nullptr) {
        for (const std::string& utf8 : jet_->Names()) {
            if (text::EqualsNoCase(text::Utf8ToCp1252(utf8), name)) return true;
        }
    }
    return FindQuery(name) != nullptr;
}

}  // namespace cdb::internal
