// The tables of a company file for a given account structure, with their declared Jet
// column types, in the order they are stored.
#pragma once

#include <string>
#include <vector>

#include "company_structure.h"

struct ColumnDefinition {
    std::string name;
    std::string type;  // SHORT, LONG, CURRENCY, DOUBLE, DATETIME, BIT or TEXT(n)
};

struct TableDefinition {
    std::string name;
    std::vector<ColumnDefinition> columns;
};

std::vector<TableDefinition> companyTables(const CompanyStructure& company);

// The name as SQL spells it: in brackets when it is a keyword such as Group.
std::string sqlName(const std::string& name);

std::string createTableSql(const TableDefinition& table);
std::string insertSql(const TableDefinition& table);
