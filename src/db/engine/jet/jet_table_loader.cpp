// jet_table_loader.cpp - placeholder: Jet files are recognised but not read yet.
#include "db/engine/jet/jet_table_loader.h"

#include <cstring>
#include <fstream>

#include "db/engine/cdb_exception.h"

namespace cdb::jet {

bool LooksLikeJetFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[20] = {};
    if (!in.read(head, sizeof head)) return false;
    return std::memcmp(head + 4, "Standard Jet DB", 15) == 0;
}

std::unique_ptr<JetTableLoader> JetTableLoader::Open(const std::string& mdbPath) {
    throw CdbException("Jet database files are not supported yet: " + mdbPath);
}

}  // namespace cdb::jet
