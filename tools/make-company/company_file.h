// Writing a whole synthetic company into a new SQLite file.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "company_options.h"

struct TableRowCount {
    std::string table;
    std::int64_t rows;
};

// Writes the company that the options describe to path, replacing any file there. The
// file appears only when complete (it is written beside path and renamed). The same
// options give a byte-identical file with the same SQLite library. Returns the rows of
// every table, in storage order.
std::vector<TableRowCount> writeCompany(const CompanyOptions& options, const std::string& path);
