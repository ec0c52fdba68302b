// jet_file_reader.cpp - exact decoding of Jet tables with libmdb.
//
// After each mdb_fetch_row every column's cur_value_start / cur_value_len
// point into mdb->pg_buf; the values are taken from those bytes.  libmdb's
// bound (formatted) text is never used: it loses digits, early dates and the
// tails of long texts.
#include "db/engine/jet/jet_file_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace cdb::jet {

namespace {

using wire::ValueKind;

// Row offsets on a data page carry flag bits above these.
constexpr int kRowOffsetMask = 0x1fff;
// The first word of a long value (memo, OLE): length below, flags above.
constexpr std::uint32_t kLongValueLengthMask = 0x00ffffff;

ValueKind KindOfColumn(int columnType) {
    switch (columnType) {
        case MDB_BOOL:
            return ValueKind::kBit;
        case MDB_BYTE:
            return ValueKind::kByte;
        case MDB_INT:
            return ValueKind::kShort;
        case MDB_LONGINT:
            return ValueKind::kLong;
        case MDB_MONEY:
            return ValueKind::kCurrency;
        case MDB_FLOAT:
            return ValueKind::kSingle;
        case MDB_DOUBLE:
            return ValueKind::kDouble;
        case MDB_DATETIME:
            return ValueKind::kDateTime;
        case MDB_TEXT:
            return ValueKind::kText;
        case MDB_MEMO:
            return ValueKind::kMemo;
        default:  // OLE, binary, replication id, decimal, attachment, ...
            return ValueKind::kBinary;
    }
}

// The catalog table MSysObjects always has its definition on this page.
constexpr guint32 kCatalogDefinitionPage = 2;

struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// libmdb lists whatever catalog rows it manages to read, so a catalog that
// lost a page would quietly hide tables.  Counting its rows against the
// count in its definition shows that.
void RequireWholeCatalog(MdbHandle* mdb) {
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = kCatalogDefinitionPage;
    std::snprintf(entry.object_name, sizeof entry.object_name, "MSysObjects");
    std::unique_ptr<MdbTableDef, TableDefDeleter> catalog(mdb_read_table(&entry));
    if (!catalog || mdb_read_columns(catalog.get()) == nullptr) {
        throw ReadFailure("the catalog of tables cannot be read");
    }
    std::uint64_t rows = 0;
    mdb_rewind_table(catalog.get());
    while (mdb_fetch_row(catalog.get())) ++rows;
    if (rows != catalog->num_rows) {
        throw ReadFailure("the catalog of tables is damaged (" + std::to_string(rows) +
                          " entries read, " + std::to_string(catalog->num_rows) + " expected)");
    }
}

// Streams the rows of one open table.
class TableEncoder {
  public:
    TableEncoder(MdbHandle* mdb, MdbTableDef* table) : mdb_(mdb), table_(table) {
        columns_.reserve(table->num_cols);
        for (unsigned i = 0; i < table->num_cols; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            const ValueKind kind = KindOfColumn(column->col_type);
            columns_.push_back({column, kind, wire::FixedWidth(kind) == 0});
        }
        fields_.resize(table->num_cols);
        isNull_.resize(table->num_cols);
    }

    std::string ColumnsPayload() const {
        std::string payload;
        wire::ByteWriter writer(payload);
        writer.Put<std::uint64_t>(table_->num_rows);
        writer.Put<std::uint32_t>(static_cast<std::uint32_t>(columns_.size()));
        for (const Column& column : columns_) {
            writer.Put(static_cast<std::uint8_t>(column.kind));
            std::uint32_t size = 0;
            if (column.kind == ValueKind::kText) {
                // Jet 4 keeps text sizes in bytes of two-byte characters.
                size = static_cast<std::uint32_t>(column.mdb->col_size);
                if (!IS_JET3(mdb_)) size /= 2;
            }
            writer.Put(size);
            writer.PutSized(column.mdb->name);
        }
        return payload;
    }

    // Sends every row; returns how many.
    std::uint64_t SendRows(MessageOutput& out) {
        std::uint64_t rows = 0;
        mdb_rewind_table(table_);
        while (mdb_fetch_row(table_)) {
            ++rows;
            EncodeRow(out.BeginRow(), rows);
            out.EndRow();
        }
        out.FlushRows();
        return rows;
    }

  private:
    struct Column {
        MdbColumn* mdb;
        ValueKind kind;
        bool variable;  // sent with a length; length 0 may be NULL or empty
    };

    void EncodeRow(std::string& out, std::uint64_t rowNumber) {
        rowNumber_ = rowNumber;
        bool ambiguous = false;
        for (const Column& column : columns_) {
            if (column.variable && column.mdb->cur_value_len == 0) {
                ambiguous = true;
                break;
            }
        }
        // NULL and an empty text both arrive with length 0; only the row's
        // null bitmap tells them apart.
        if (ambiguous) LoadNullFlags();

        wire::ByteWriter writer(out);
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Column& column = columns_[i];
            MdbColumn* col = column.mdb;
            if (column.kind == ValueKind::kBit) {
                // A Yes/No value lives in the null bitmap: set means Yes.
                writer.Put<std::uint8_t>(1);
                writer.Put<std::uint8_t>(col->cur_value_len == 0 ? 1 : 0);
                continue;
            }
            if (col->cur_value_len == 0 && (!column.variable || isNull_[i])) {
                writer.Put<std::uint8_t>(0);
                continue;
            }
            writer.Put<std::uint8_t>(1);
            switch (column.kind) {
                case ValueKind::kText:
                    PutText(writer, Bytes(col, col->cur_value_len), col->cur_value_len);
                    break;
                case ValueKind::kMemo: {
                    const std::string_view raw = LongValue(col);
                    PutText(writer, raw.data(), raw.size());
                    break;
                }
                case ValueKind::kBinary:
                    if (col->col_type == MDB_OLE) {
                        writer.PutSized(LongValue(col));
                    } else {
                        writer.PutSized({Bytes(col, col->cur_value_len),
                                         static_cast<std::size_t>(col->cur_value_len)});
                    }
                    break;
                default: {
                    const std::size_t width = wire::FixedWidth(column.kind);
                    writer.PutBytes(Bytes(col, static_cast<int>(width)), width);
                    break;
                }
            }
        }
    }

    // Re-cracks the current row to learn which columns are NULL.
    void LoadNullFlags() {
        int start = 0;
        std::size_t size = 0;
        if (mdb_find_row(mdb_, static_cast<int>(table_->cur_row) - 1, &start, &size) != 0 ||
            mdb_crack_row(table_, start & kRowOffsetMask, size, fields_.data()) < 0) {
            Fail("", "the row cannot be decoded");
        }
        std::fill(isNull_.begin(), isNull_.end(), true);
        for (const MdbField& field : fields_) {
            if (field.colnum >= 0 && static_cast<std::size_t>(field.colnum) < isNull_.size()) {
                isNull_[static_cast<std::size_t>(field.colnum)] = field.is_null != 0;
            }
        }
    }

    // The stored bytes of the column's value on the current page, checked to
    // lie inside the page and to hold at least `size` bytes.
    const char* Bytes(const MdbColumn* col, int size) {
        const int start = col->cur_value_start;
        if (start < 0 || size < 0 || col->cur_value_len < size ||
            start + size > mdb_->fmt->pg_size) {
            Fail(col->name, "the value lies outside its page");
        }
        return reinterpret_cast<const char*>(mdb_->pg_buf) + start;
    }

    void PutText(wire::ByteWriter& writer, const char* stored, std::size_t size) {
        // A stored byte becomes at most three bytes of UTF-8.
        text_.resize(size * 3 + 4);
        const int length = mdb_unicode2ascii(mdb_, stored, size, text_.data(), text_.size());
        writer.PutSized({text_.data(), static_cast<std::size_t>(length < 0 ? 0 : length)});
    }

    // The stored bytes of a memo or OLE value, gathered from wherever they
    // live (in the row, on one page, or in a chain of pages).  The length in
    // the value's header bounds the walk, so a looping chain ends in an error.
    std::string_view LongValue(MdbColumn* col) {
        const char* headerBytes = Bytes(col, MDB_MEMO_OVERHEAD);
        char header[MDB_MEMO_OVERHEAD];
        std::memcpy(header, headerBytes, sizeof header);
        std::uint32_t lengthWord = 0;
        std::memcpy(&lengthWord, header, sizeof lengthWord);
        const std::size_t expected = lengthWord & kLongValueLengthMask;

        chunk_.resize(mdb_->fmt->pg_size);
        longValue_.clear();
        void* const bound = col->bind_ptr;
        col->bind_ptr = chunk_.data();
        std::size_t got = mdb_ole_read(mdb_, col, header, chunk_.size());
        longValue_.append(chunk_.data(), got);
        while (longValue_.size() <= expected && (got = mdb_ole_read_next(mdb_, col, header)) > 0) {
            longValue_.append(chunk_.data(), got);
        }
        col->bind_ptr = bound;
        if (longValue_.size() != expected) {
            Fail(col->name, "the long value is damaged (" + std::to_string(longValue_.size()) +
                                " bytes found, " + std::to_string(expected) + " expected)");
        }
        return longValue_;
    }

    [[noreturn]] void Fail(const std::string& column, const std::string& what) const {
        std::string message = "row " + std::to_string(rowNumber_);
        if (!column.empty()) message += ", column \"" + column + "\"";
        throw ReadFailure(message + ": " + what);
    }

    MdbHandle* mdb_;
    MdbTableDef* table_;
    std::vector<Column> columns_;
    std::vector<MdbField> fields_;
    std::vector<bool> isNull_;
    std::string text_;
    std::string chunk_;
    std::string longValue_;
    std::uint64_t rowNumber_ = 0;
};

}  // namespace

JetFileReader::JetFileReader(const std::string& path) {
    mdb_ = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (mdb_ == nullptr) throw ReadFailure("the file cannot be opened as a Jet database");
    try {
        RequireWholeCatalog(mdb_);
        if (mdb_read_catalog(mdb_, MDB_TABLE) == nullptr) {
            throw ReadFailure("the catalog of tables cannot be read");
        }
    } catch (...) {
        mdb_close(mdb_);
        throw;
    }
}

JetFileReader::~JetFileReader() {
    mdb_close(mdb_);
}

std::vector<std::string> JetFileReader::UserTableNames() const {
    std::vector<std::string> names;
    for (guint i = 0; i < mdb_->catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
        if (mdb_is_user_table(entry)) names.emplace_back(entry->object_name);
    }
    return names;
}

void JetFileReader::SendTable(const std::string& name, MessageOutput& out) {
    MdbCatalogEntry* found = nullptr;
    for (guint i = 0; i < mdb_->catalog->len && found == nullptr; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
        if (mdb_is_user_table(entry) && name == entry->object_name) found = entry;
    }
    if (found == nullptr) throw ReadFailure("there is no table \"" + name + "\"");

    std::unique_ptr<MdbTableDef, TableDefDeleter> table(mdb_read_table(found));
    if (!table) throw ReadFailure("the definition of the table cannot be read");
    if (mdb_read_columns(table.get()) == nullptr) {
        throw ReadFailure("the columns of the table cannot be read");
    }

    TableEncoder encoder(mdb_, table.get());
    out.Send(wire::MessageKind::kColumns, encoder.ColumnsPayload());
    const std::uint64_t rows = encoder.SendRows(out);
    std::string end;
    wire::ByteWriter(end).Put(rows);
    out.Send(wire::MessageKind::kEnd, end);
}

}  // namespace cdb::jet
