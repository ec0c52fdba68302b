// sqlite_table_copy.cpp - creating the copy of a Jet table and inserting its
// rows through one prepared statement inside one savepoint.
#include "db/engine/jet/sqlite_table_copy.h"

#include <sqlite3.h>

#include "db/engine/cdb_exception.h"

namespace cdb::jet {

namespace {

using wire::ValueKind;

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

constexpr const char* kSavepoint = "aap_jet_table_copy";

}  // namespace

std::string DeclaredType(ValueKind kind, std::uint32_t textSize) {
    switch (kind) {
        case ValueKind::kShort:
            return "SHORT";
        case ValueKind::kLong:
            return "LONG";
        case ValueKind::kByte:
            return "BYTE";
        case ValueKind::kBit:
            return "BIT";
        case ValueKind::kCurrency:
            return "CURRENCY_E4";
        case ValueKind::kDouble:
            return "DOUBLE";
        case ValueKind::kSingle:
            return "SINGLE";
        case ValueKind::kDateTime:
            return "DATETIME";
        case ValueKind::kText:
            return "TEXT(" + std::to_string(textSize) + ")";
        case ValueKind::kMemo:
            return "LONGTEXT";  // TEXT affinity: a memo that looks like a number stays text
        case ValueKind::kBinary:
            return "LONGBINARY";
    }
    return "LONGBINARY";
}

SqliteTableCopy::SqliteTableCopy(sqlite3* db, const std::string& schema, const std::string& table,
                                 const std::vector<CopiedColumn>& columns, std::string context)
    : db_(db), context_(std::move(context)) {
    const std::string qualified = QuoteIdentifier(schema) + "." + QuoteIdentifier(table);
    std::string create = "CREATE TABLE " + qualified + " (";
    std::string insert = "INSERT INTO " + qualified + " VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CopiedColumn& column = columns[i];
        if (i > 0) {
            create += ", ";
            insert += ", ";
        }
        create += QuoteIdentifier(column.name) + " " + DeclaredType(column.kind, column.textSize);
        insert += "?";
        kinds_.push_back(column.kind);
    }
    create += ")";
    insert += ")";

    // The copy is private scratch, rebuilt from the Jet file whenever it is
    // needed: waiting for the disk at each commit buys nothing.
    Execute("PRAGMA " + QuoteIdentifier(schema) + ".synchronous = OFF");
    Execute(std::string("SAVEPOINT ") + kSavepoint);
    open_ = true;
    try {
        Execute(create);
        if (sqlite3_prepare_v3(db_, insert.c_str(), static_cast<int>(insert.size()),
                               SQLITE_PREPARE_PERSISTENT, &insert_, nullptr) != SQLITE_OK) {
            FailWithSqliteError("preparing the insert");
        }
    } catch (...) {
        Abandon();
        throw;
    }
}

SqliteTableCopy::~SqliteTableCopy() {
    Abandon();
}

void SqliteTableCopy::Abandon() {
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    if (open_) {
        const std::string name = kSavepoint;
        sqlite3_exec(db_, ("ROLLBACK TO " + name + "; RELEASE " + name).c_str(), nullptr, nullptr,
                     nullptr);
        open_ = false;
    }
}

void SqliteTableCopy::InsertRow(wire::ByteReader& row) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        const auto presence = row.Get<std::uint8_t>();
        if (presence > 1) throw wire::MalformedMessage();
        if (presence == 0) {
            sqlite3_bind_null(insert_, slot);
            continue;
        }
        int rc = SQLITE_OK;
        switch (kinds_[i]) {
            case ValueKind::kShort:
                rc = sqlite3_bind_int64(insert_, slot, row.Get<std::int16_t>());
                break;
            case ValueKind::kLong:
                rc = sqlite3_bind_int64(insert_, slot, row.Get<std::int32_t>());
                break;
            case ValueKind::kByte:
                rc = sqlite3_bind_int64(insert_, slot, row.Get<std::uint8_t>());
                break;
            case ValueKind::kBit:
                rc = sqlite3_bind_int64(insert_, slot, row.Get<std::uint8_t>() != 0 ? 1 : 0);
                break;
            case ValueKind::kCurrency:
                rc = sqlite3_bind_int64(insert_, slot, row.Get<std::int64_t>());
                break;
            case ValueKind::kDouble:
            case ValueKind::kDateTime:
                rc = sqlite3_bind_double(insert_, slot, row.Get<double>());
                break;
            case ValueKind::kSingle:
                rc = sqlite3_bind_double(insert_, slot, static_cast<double>(row.Get<float>()));
                break;
            case ValueKind::kText:
            case ValueKind::kMemo: {
                const std::string_view text = row.GetSized();
                rc = sqlite3_bind_text64(insert_, slot, text.data(), text.size(), SQLITE_STATIC,
                                         SQLITE_UTF8);
                break;
            }
            case ValueKind::kBinary: {
                const std::string_view bytes = row.GetSized();
                rc = sqlite3_bind_blob64(insert_, slot, bytes.data(), bytes.size(), SQLITE_STATIC);
                break;
            }
        }
        if (rc != SQLITE_OK) FailWithSqliteError("storing a value");
    }
    if (sqlite3_step(insert_) != SQLITE_DONE) FailWithSqliteError("inserting a row");
    sqlite3_reset(insert_);
}

void SqliteTableCopy::Commit() {
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    Execute(std::string("RELEASE ") + kSavepoint);
    open_ = false;
}

void SqliteTableCopy::Execute(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        FailWithSqliteError("running " + sql);
    }
}

void SqliteTableCopy::FailWithSqliteError(const std::string& doing) {
    throw CdbException(context_ + ": copying into SQLite failed while " + doing + ": " +
                       sqlite3_errmsg(db_));
}

}  // namespace cdb::jet
