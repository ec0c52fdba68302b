// jet_test_support.cpp - fixture paths, SQLite helpers and date arithmetic for
// the Jet tests.
#include "jet_test_support.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace jet_test {

std::string DataFile(const std::string& name) {
    return std::string(JET_TEST_DATA_DIR) + "/" + name;
}

std::string SamplesFolder() {
    return JET_SAMPLES_DIR;
}

std::string SampleFile(const std::string& name) {
    return SamplesFolder() + "/" + name;
}

bool Exists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "jet-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

Database MemoryDatabase() {
    sqlite3* db = nullptr;
    if (sqlite3_open(":memory:", &db) != SQLITE_OK) throw std::runtime_error("sqlite3_open failed");
    return Database(db);
}

Database OpenReadOnly(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw std::runtime_error("cannot open " + path);
    }
    return Database(db);
}

std::vector<Row> Query(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
    }
    std::vector<Row> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(std::int64_t{sqlite3_column_int64(statement, i)});
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(statement, i));
                    break;
                case SQLITE_TEXT: {
                    const auto* text = sqlite3_column_text(statement, i);
                    row.emplace_back(std::string(reinterpret_cast<const char*>(text),
                                                 sqlite3_column_bytes(statement, i)));
                    break;
                }
                case SQLITE_BLOB: {
                    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, i));
                    const int size = sqlite3_column_bytes(statement, i);
                    row.emplace_back(Blob{size > 0 ? std::string(bytes, size) : std::string()});
                    break;
                }
                default:
                    row.emplace_back(std::monostate{});
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
}

std::vector<ColumnInfo> Columns(sqlite3* db, const std::string& table) {
    std::string quoted = "'";
    for (char c : table) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    quoted += "'";
    std::vector<ColumnInfo> columns;
    for (const Row& row : Query(db, "SELECT name, type FROM pragma_table_info(" + quoted + ")")) {
        columns.push_back({std::get<std::string>(row[0]), std::get<std::string>(row[1])});
    }
    return columns;
}

std::string Describe(const Value& value) {
    std::ostringstream out;
    if (std::holds_alternative<std::monostate>(value)) {
        out << "NULL";
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        out << "integer " << *integer;
    } else if (const auto* real = std::get_if<double>(&value)) {
        out << "real " << std::setprecision(17) << *real;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        out << "text[" << text->size() << "] '" << text->substr(0, 60) << "'";
    } else {
        out << "blob[" << std::get<Blob>(value).bytes.size() << "]";
    }
    return out.str();
}

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

}  // namespace

double OleDateFromIso(const std::string& iso) {
    int year = 0;
    unsigned month = 0, day = 0, hour = 0, minute = 0;
    double second = 0;
    const int fields = std::sscanf(iso.c_str(), "%d-%u-%u %u:%u:%lf", &year, &month, &day, &hour,
                                   &minute, &second);
    if (fields < 3) throw std::runtime_error("not an ISO date: " + iso);
    const std::int64_t days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction;
}

}  // namespace jet_test
