// engine_test_util.cpp - helpers of the engine tests.
#include "engine_test_util.h"

#include <dirent.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace enginetest {
namespace {

void RemoveTree(const std::string& path) {
    DIR* d = ::opendir(path.c_str());
    if (d != nullptr) {
        while (dirent* e = ::readdir(d)) {
            std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            std::string p = path + "/" + name;
            struct stat st;
            if (::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
                RemoveTree(p);
            } else {
                ::unlink(p.c_str());
            }
        }
        ::closedir(d);
    }
    ::rmdir(path.c_str());
}

}  // namespace

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/engine-test-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = buf.data();
}

TempDir::~TempDir() {
    RemoveTree(path_);
}

std::string DataFile(const std::string& name) {
    return std::string(ENGINE_TEST_DATA_DIR) + "/engine/" + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    DIR* d = ::opendir(path.c_str());
    if (d == nullptr) return names;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

void ExecSql(const std::string& dbPath, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string msg = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + dbPath + ": " + msg);
    }
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "?";
        sqlite3_free(err);
        sqlite3_close(db);
        throw std::runtime_error("SQL failed on " + dbPath + ": " + msg);
    }
    sqlite3_close(db);
}

std::vector<std::vector<std::string>> SqliteRows(const std::string& dbPath,
                                                 const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + dbPath);
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::string msg = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("oracle SQL failed: " + msg);
    }
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            row.push_back(t ? std::string(t, static_cast<size_t>(sqlite3_column_bytes(st, i)))
                            : std::string("NULL"));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

void BuildFromScript(const std::string& dbPath, const std::string& scriptPath) {
    ExecSql(dbPath, "BEGIN;\n" + ReadFile(scriptPath) + "\nCOMMIT;");
}

namespace {
struct Fixtures {
    TempDir dir;
    std::string demo;
    std::string types;
    Fixtures() {
        demo = dir.File("demo.db");
        BuildFromScript(demo, std::string(ENGINE_DEMO_SQL));
        types = dir.File("types.db");
        BuildFromScript(types, DataFile("types.sql"));
    }
};
Fixtures& Shared() {
    static Fixtures* f = new Fixtures;  // removed by the atexit below
    static bool once = [] {
        std::atexit([] { delete f; });
        return true;
    }();
    (void)once;
    return *f;
}
}  // namespace

const std::string& DemoDb() {
    return Shared().demo;
}
const std::string& TypesDb() {
    return Shared().types;
}

cdb::CdbDatabase OpenReadOnly(const std::string& path) {
    cdb::CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, cdb::dbUseJet);
    return engine.Workspaces[0].OpenDatabase(path.c_str(), false, true, nullptr);
}

std::string Show(const cdb::COleVariant& v) {
    char buf[64];
    switch (v.vt) {
        case cdb::VT_EMPTY:
            return "EMPTY";
        case cdb::VT_NULL:
            return "NULL";
        case cdb::VT_I2:
            return "I2:" + std::to_string(v.iVal);
        case cdb::VT_I4:
            return "I4:" + std::to_string(v.lVal);
        case cdb::VT_R4:
            std::snprintf(buf, sizeof buf, "R4:%.9g", static_cast<double>(v.fltVal));
            return buf;
        case cdb::VT_R8:
            std::snprintf(buf, sizeof buf, "R8:%.17g", v.dblVal);
            return buf;
        case cdb::VT_CY:
            return "CY:" + std::to_string(v.cyVal);
        case cdb::VT_DATE:
            std::snprintf(buf, sizeof buf, "DATE:%.17g", v.date);
            return buf;
        case cdb::VT_BSTR:
            return "BSTR:" + v.strVal;
        case cdb::VT_BOOL:
            return v.boolVal ? "BOOL:1" : "BOOL:0";
        case cdb::VT_UI1:
            return "UI1:" + std::to_string(v.bVal);
        case cdb::VT_ARRAY_UI1:
            return "BIN:" + std::to_string(v.strVal.size());
    }
    return "VT" + std::to_string(v.vt);
}

std::vector<std::vector<std::string>> Rows(cdb::CdbRecordset& rs) {
    std::vector<std::vector<std::string>> rows;
    cdb::CdbFields f = rs.Fields();
    const int n = f.GetCount();
    while (!rs.GetEOF()) {
        std::vector<std::string> row;
        for (int i = 0; i < n; ++i) row.push_back(Show(f[i].GetValue()));
        rows.push_back(std::move(row));
        rs.MoveNext();
    }
    return rows;
}

std::vector<std::string> Names(cdb::CdbRecordset& rs) {
    std::vector<std::string> names;
    cdb::CdbFields f = rs.Fields();
    for (int i = 0; i < f.GetCount(); ++i) names.push_back(f[i].GetName());
    return names;
}

}  // namespace enginetest
