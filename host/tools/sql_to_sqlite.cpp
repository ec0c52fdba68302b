// aap-sql-to-sqlite: runs an SQL script into a fresh SQLite database file.
//
//     aap-sql-to-sqlite SCRIPT.sql OUTPUT.db
//
// The build uses it to make the bundled demo company from demo/demo.sql, and
// the tests to make small companies of their own, so that no sqlite3 program
// is needed.  The file is written under a temporary name and renamed at the
// end: OUTPUT.db is either the whole result or left as it was.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

namespace {

bool read_whole_file(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return static_cast<bool>(in) || in.eof();
}

// Runs `script` into a new database at `path`; on failure returns the reason.
std::string run_script(const std::filesystem::path& path, const std::string& script) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return reason;
    }
    std::string reason;
    char* error = nullptr;
    // One transaction for the whole script: much faster, and all or nothing.
    std::string wrapped = "BEGIN;\n" + script + "\n;COMMIT;";
    if (sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        reason = error ? error : sqlite3_errmsg(db);
    }
    sqlite3_free(error);
    if (sqlite3_close(db) != SQLITE_OK && reason.empty()) reason = "cannot close the database";
    return reason;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: aap-sql-to-sqlite SCRIPT.sql OUTPUT.db\n";
        return 2;
    }
    const std::filesystem::path script_path = argv[1];
    const std::filesystem::path output_path = argv[2];

    std::string script;
    if (!read_whole_file(script_path, script)) {
        std::cerr << "aap-sql-to-sqlite: cannot read " << script_path.string() << "\n";
        return 1;
    }

    std::filesystem::path temporary = output_path;
    temporary += ".partial";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (output_path.has_parent_path()) {
        std::filesystem::create_directories(output_path.parent_path(), ignored);
    }

    const std::string reason = run_script(temporary, script);
    if (!reason.empty()) {
        std::filesystem::remove(temporary, ignored);
        std::cerr << "aap-sql-to-sqlite: " << script_path.string() << ": " << reason << "\n";
        return 1;
    }
    std::error_code error;
    std::filesystem::rename(temporary, output_path, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        std::cerr << "aap-sql-to-sqlite: cannot write " << output_path.string() << ": "
                  << error.message() << "\n";
        return 1;
    }
    return 0;
}
