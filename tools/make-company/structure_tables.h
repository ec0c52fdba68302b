// Writing the tables that describe a company rather than its activity: control
// information, accounting periods, account parts, rollups, code tables and the code block.
#pragma once

#include <vector>

#include "company_options.h"
#include "company_schema.h"
#include "company_structure.h"
#include "sqlite_file.h"

void writeStructureTables(SqliteFile& file, const std::vector<TableDefinition>& tables,
                          const CompanyOptions& options, const CompanyStructure& company);

// The definition of the named table; throws std::logic_error when there is none.
const TableDefinition& tableNamed(const std::vector<TableDefinition>& tables,
                                  const std::string& name);
