// jet_table_loader.cpp - the loader the engine calls: lists a Jet file's tables
// and copies one table into SQLite, each time by running the reader program
// (reader_process.h) and writing what it sends (sqlite_table_copy.h).
#include "db/engine/jet/jet_table_loader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "db/engine/cdb_exception.h"
#include "db/engine/jet/reader_process.h"
#include "db/engine/jet/reader_protocol.h"
#include "db/engine/jet/sqlite_table_copy.h"

namespace cdb::jet {

namespace {

using wire::MessageKind;

std::string FileContext(const std::string& path) {
    return "Jet database \"" + path + "\"";
}

std::string TableContext(const std::string& path, const std::string& table) {
    return FileContext(path) + ", table \"" + table + "\"";
}

// Jet 3 files are made of 2 KiB pages, later versions of 4 KiB ones; the
// version number is the 32-bit word at offset 0x14 of the first page.
constexpr std::uint32_t kJet3Version = 0;
constexpr std::size_t kJet3PageSize = 2048;
constexpr std::size_t kJet4PageSize = 4096;
constexpr std::size_t kVersionOffset = 0x14;

// Checks, before any child is started, that `path` is a Jet file and whole
// pages long (a file cut short in the middle of a page is caught here).
void RequireJetFile(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        throw CdbException(FileContext(path) + " cannot be opened: " + std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        throw CdbException(FileContext(path) + " cannot be opened: it is not a file");
    }
    std::ifstream in(path, std::ios::binary);
    char head[kVersionOffset + 4] = {};
    if (!in.read(head, sizeof head) || std::memcmp(head + 4, "Standard Jet DB", 15) != 0) {
        throw CdbException(FileContext(path) + " cannot be opened: it is not a Jet database");
    }
    std::uint32_t version = 0;
    std::memcpy(&version, head + kVersionOffset, sizeof version);
    const std::size_t pageSize = version == kJet3Version ? kJet3PageSize : kJet4PageSize;
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size < 2 * pageSize || size % pageSize != 0) {
        throw CdbException(FileContext(path) + " is damaged: its size (" + std::to_string(size) +
                           " bytes) is not a whole number of " + std::to_string(pageSize) +
                           "-byte pages");
    }
}

std::vector<std::string> ReadTableNames(std::string_view payload) {
    wire::ByteReader reader(payload);
    const auto count = reader.Get<std::uint32_t>();
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < count; ++i) names.emplace_back(reader.GetSized());
    if (!reader.AtEnd()) throw wire::MalformedMessage();
    return names;
}

// The kColumns message: the row count the table's header states, and the columns.
struct TableShape {
    std::uint64_t headerRows = 0;
    std::vector<CopiedColumn> columns;
};

TableShape ReadTableShape(std::string_view payload) {
    wire::ByteReader reader(payload);
    TableShape shape;
    shape.headerRows = reader.Get<std::uint64_t>();
    const auto count = reader.Get<std::uint32_t>();
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto kind = reader.Get<std::uint8_t>();
        if (kind < 1 || kind > static_cast<std::uint8_t>(wire::kLastValueKind)) {
            throw wire::MalformedMessage();
        }
        const auto textSize = reader.Get<std::uint32_t>();
        shape.columns.push_back(
            {std::string(reader.GetSized()), static_cast<wire::ValueKind>(kind), textSize});
    }
    if (!reader.AtEnd()) throw wire::MalformedMessage();
    return shape;
}

// A Jet file read through the reader program, one child process per request.
class ReaderBackedLoader final : public JetTableLoader {
  public:
    ReaderBackedLoader(std::string path, std::vector<std::string> names)
        : path_(std::move(path)), names_(std::move(names)) {}

    const std::vector<std::string>& TableNames() const override { return names_; }

    void LoadTable(const std::string& name, sqlite3* db, const std::string& schema) override {
        const std::string context = TableContext(path_, name);
        if (std::find(names_.begin(), names_.end(), name) == names_.end()) {
            throw CdbException(FileContext(path_) + " has no table \"" + name + "\"");
        }

        std::optional<SqliteTableCopy> copy;
        std::uint64_t headerRows = 0;
        std::uint64_t received = 0;
        std::uint64_t sent = 0;
        try {
            RunReader({"table", path_, name}, [&](MessageKind kind, std::string_view payload) {
                switch (kind) {
                    case MessageKind::kColumns: {
                        if (copy) throw wire::MalformedMessage();
                        TableShape shape = ReadTableShape(payload);
                        headerRows = shape.headerRows;
                        copy.emplace(db, schema, name, shape.columns, context);
                        break;
                    }
                    case MessageKind::kRows: {
                        if (!copy) throw wire::MalformedMessage();
                        wire::ByteReader rows(payload);
                        const auto count = rows.Get<std::uint32_t>();
                        for (std::uint32_t i = 0; i < count; ++i) copy->InsertRow(rows);
                        if (!rows.AtEnd()) throw wire::MalformedMessage();
                        received += count;
                        break;
                    }
                    case MessageKind::kEnd: {
                        wire::ByteReader end(payload);
                        sent = end.Get<std::uint64_t>();
                        if (!copy || !end.AtEnd()) throw wire::MalformedMessage();
                        break;
                    }
                    default:
                        throw wire::MalformedMessage();
                }
            });
        } catch (const ReaderFailure& failure) {
            throw CdbException(context + " cannot be read: " + failure.what());
        }
        if (received != sent) {
            throw CdbException(context + " cannot be read: the reader program announced " +
                               std::to_string(sent) + " rows and delivered " +
                               std::to_string(received));
        }
        if (received != headerRows) {
            throw CdbException(context + " is damaged: " + std::to_string(received) +
                               " rows were read but the table's header says " +
                               std::to_string(headerRows));
        }
        copy->Commit();
    }

  private:
    std::string path_;
    std::vector<std::string> names_;
};

}  // namespace

bool LooksLikeJetFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[20] = {};
    if (!in.read(head, sizeof head)) return false;
    return std::memcmp(head + 4, "Standard Jet DB", 15) == 0;
}

std::unique_ptr<JetTableLoader> JetTableLoader::Open(const std::string& mdbPath) {
    RequireJetFile(mdbPath);
    std::optional<std::vector<std::string>> names;
    try {
        RunReader({"tables", mdbPath}, [&](MessageKind kind, std::string_view payload) {
            if (kind == MessageKind::kTableNames && !names) {
                names = ReadTableNames(payload);
            } else if (kind != MessageKind::kEnd || !names) {
                throw wire::MalformedMessage();
            }
        });
    } catch (const ReaderFailure& failure) {
        throw CdbException(FileContext(mdbPath) + " cannot be read: " + failure.what());
    }
    return std::make_unique<ReaderBackedLoader>(mdbPath, std::move(*names));
}

}  // namespace cdb::jet
