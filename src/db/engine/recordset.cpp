// recordset.cpp - a streaming, read-only recordset over one statement.
#include <sqlite3.h>

#include <limits>

#include "db/engine/cdb_exception.h"
#include "db/engine/engine_internal.h"
#include "db/engine/sql_ast.h"
#include "db/engine/text_cp1252.h"
#include "db/engine/value_codec.h"

namespace cdb::internal {

RecordsetImpl::RecordsetImpl(std::shared_ptr<DatabaseImpl> db, sqlite3_stmt* stmt,
                             std::vector<OutputColumn> columns, std::string sql,
                             std::vector<int> attachments, std::string countSql)
    : db_(std::move(db)),
      stmt_(stmt),
      columns_(std::move(columns)),
      sql_(std::move(sql)),
      display_(db_->DisplayPath()),
      attachments_(std::move(attachments)),
      countSql_(std::move(countSql)) {}

RecordsetImpl::~RecordsetImpl() {
    Close();
}

void RecordsetImpl::Close() {
    if (closed_) return;
    closed_ = true;
    eof_ = true;
    DropCopy();
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    if (db_) db_->ReleaseAttachments(attachments_);
    names_.clear();
}

void RecordsetImpl::CheckOpen(const char* doing) const {
    if (closed_) {
        throw CdbException(std::string("Cannot ") + doing +
                           ": the recordset is closed (SQL: " + sql::Excerpt(sql_) + ")");
    }
}

void RecordsetImpl::StepFailed(int rc) {
    std::string msg = db_ && db_->Handle() ? sqlite3_errmsg(db_->Handle()) : sqlite3_errstr(rc);
    eof_ = true;
    atEnd_ = true;
    sqlite3_reset(stmt_);
    throw CdbException("Reading the rows of a query on '" + display_ + "' failed: " + msg +
                       ". SQL: " + sql::Excerpt(sql_));
}

bool RecordsetImpl::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        ++pos_;
        if (pos_ + 1 > reached_) reached_ = pos_ + 1;
        eof_ = false;
        return true;
    }
    if (rc == SQLITE_DONE) {
        ++pos_;
        eof_ = true;
        atEnd_ = true;
        return false;
    }
    StepFailed(rc);
}

void RecordsetImpl::DropCopy() {
    for (sqlite3_value* v : copy_) sqlite3_value_free(v);
    copy_.clear();
    onCopy_ = false;
}

void RecordsetImpl::Start() {
    pos_ = -1;
    Step();
}

bool RecordsetImpl::Eof() const {
    CheckOpen("test for the end of a recordset");
    return eof_;
}

void RecordsetImpl::MoveNext() {
    CheckOpen("move to the next record");
    if (eof_) {
        throw CdbException(
            "Cannot move to the next record: there is no current record (the "
            "recordset is at its end). SQL: " +
            sql::Excerpt(sql_));
    }
    if (onCopy_) {
        // The copy was the last row; the statement already ran to its end.
        DropCopy();
        ++pos_;
        eof_ = true;
        return;
    }
    Step();
}

void RecordsetImpl::MoveFirst() {
    CheckOpen("move to the first record");
    DropCopy();
    sqlite3_reset(stmt_);
    atEnd_ = false;
    pos_ = -1;
    if (!Step()) {
        throw CdbException("Cannot move to the first record: the recordset is empty. SQL: " +
                           sql::Excerpt(sql_));
    }
}

void RecordsetImpl::MoveLast() {
    CheckOpen("move to the last record");
    if (onCopy_) return;
    if (eof_) {
        if (reached_ == 0) {
            throw CdbException("Cannot move to the last record: the recordset is empty. SQL: " +
                               sql::Excerpt(sql_));
        }
        sqlite3_reset(stmt_);
        atEnd_ = false;
        pos_ = -1;
        if (!Step()) {
            throw CdbException("Cannot move to the last record: the recordset is empty. SQL: " +
                               sql::Excerpt(sql_));
        }
    }
    // Walk to the end, keeping a copy of each row: the one before the end is
    // the last row.
    const int n = sqlite3_column_count(stmt_);
    std::vector<sqlite3_value*> row(static_cast<size_t>(n), nullptr);
    for (;;) {
        for (int i = 0; i < n; ++i) {
            sqlite3_value_free(row[i]);
            row[i] = sqlite3_value_dup(sqlite3_column_value(stmt_, i));
            if (row[i] == nullptr && sqlite3_column_type(stmt_, i) != SQLITE_NULL) {
                for (sqlite3_value* v : row) sqlite3_value_free(v);
                throw CdbException("Out of memory while moving to the last record");
            }
        }
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) {
            ++pos_;
            if (pos_ + 1 > reached_) reached_ = pos_ + 1;
            continue;
        }
        if (rc == SQLITE_DONE) {
            atEnd_ = true;
            break;
        }
        for (sqlite3_value* v : row) sqlite3_value_free(v);
        StepFailed(rc);
    }
    copy_ = std::move(row);
    onCopy_ = true;
    eof_ = false;
}

int32_t RecordsetImpl::RecordCount() {
    CheckOpen("count the records");
    if (!countSql_.empty()) {
        // A table-type recordset knows the number of rows of its table.
        sqlite3_stmt* st = nullptr;
        int64_t n = reached_;
        if (sqlite3_prepare_v2(db_->Handle(), countSql_.c_str(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW) {
            n = sqlite3_column_int64(st, 0);
        }
        sqlite3_finalize(st);
        return static_cast<int32_t>(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
    }
    return static_cast<int32_t>(std::min<int64_t>(reached_, std::numeric_limits<int32_t>::max()));
}

int RecordsetImpl::FieldCount() const {
    CheckOpen("count the fields");
    return static_cast<int>(columns_.size());
}

void RecordsetImpl::CheckIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(columns_.size())) {
        throw CdbException("Item not found in this collection: the recordset has no field number " +
                           std::to_string(index) + " (it has " + std::to_string(columns_.size()) +
                           "). SQL: " + sql::Excerpt(sql_));
    }
}

const OutputColumn& RecordsetImpl::Column(int index) const {
    CheckOpen("read a field");
    CheckIndex(index);
    return columns_[static_cast<size_t>(index)];
}

int RecordsetImpl::FieldIndex(const char* name) {
    CheckOpen("find a field");
    if (name == nullptr) {
        throw CdbException("Item not found in this collection: no field name was given");
    }
    const std::string_view key(name);
    auto it = names_.find(key);
    if (it != names_.end()) return it->second;

    int found = -1;
    // 1. The offered name (plain, or Table.Column where names are shared).
    for (size_t i = 0; i < columns_.size() && found < 0; ++i) {
        if (text::EqualsNoCase(columns_[i].name, key)) found = static_cast<int>(i);
    }
    // 2. Table.Column for a column offered under its plain name.
    if (found < 0) {
        size_t dot = key.find('.');
        if (dot != std::string_view::npos) {
            std::string_view q = key.substr(0, dot);
            std::string_view c = key.substr(dot + 1);
            for (size_t i = 0; i < columns_.size() && found < 0; ++i) {
                if (text::EqualsNoCase(columns_[i].plain, c) &&
                    text::EqualsNoCase(columns_[i].qualifier, q)) {
                    found = static_cast<int>(i);
                }
            }
        }
    }
    // 3. A plain name for the one column of that plain name.
    if (found < 0) {
        int count = 0;
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (text::EqualsNoCase(columns_[i].plain, key)) {
                ++count;
                found = static_cast<int>(i);
            }
        }
        if (count != 1) found = -1;
    }
    if (found < 0) {
        std::string list;
        for (const auto& c : columns_) {
            if (!list.empty()) list += ", ";
            list += c.name;
        }
        throw CdbException("Item not found in this collection: the recordset has no field '" +
                           std::string(key) + "' (its fields: " + list +
                           "). SQL: " + sql::Excerpt(sql_));
    }
    names_.emplace(std::string(key), found);
    return found;
}

void RecordsetImpl::Value(int index, COleVariant& out) const {
    CheckOpen("read a field");
    CheckIndex(index);
    if (eof_) {
        throw CdbException("No current record: cannot read the field '" +
                           columns_[static_cast<size_t>(index)].name +
                           "' at the end of the recordset. SQL: " + sql::Excerpt(sql_));
    }
    if (onCopy_) {
        codec::ReadValue(copy_[static_cast<size_t>(index)],
                         columns_[static_cast<size_t>(index)].type, out);
    } else {
        codec::ReadColumn(stmt_, index, columns_[static_cast<size_t>(index)].type, out);
    }
}

}  // namespace cdb::internal
