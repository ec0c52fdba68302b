// Writes a synthetic company into a SQLite file: schema, structure, balances, budgets and
// journal, in one transaction with the journal and synchronous writes off.
#include "company_file.h"

#include <filesystem>

#include "actual_balances.h"
#include "budget_tables.h"
#include "company_schema.h"
#include "company_structure.h"
#include "journal_generator.h"
#include "journal_tables.h"
#include "sqlite_file.h"
#include "structure_tables.h"

namespace {

// The keys the accounting server keeps on the journal and the code block; the reference
// schema and the fixture companies have none, so they are added only on request.
constexpr const char* kServerKeys[] = {
    "CREATE INDEX JournalEntryKey ON GL_JournalEntry (Batch, Entry);",
    "CREATE INDEX JournalDetailKey ON GL_JournalDetail (Batch, Entry);",
    "CREATE INDEX SummaryCodeBlockKey ON GL_SummaryCodeBlock (RecordKey);",
};

std::int64_t countRows(SqliteFile& file, const std::string& table) {
    sqlite3_stmt* statement = nullptr;
    const std::string sql = "SELECT count(*) FROM " + sqlName(table);
    std::int64_t rows = -1;
    if (sqlite3_prepare_v2(file.handle(), sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        rows = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    return rows;
}

}  // namespace

std::vector<TableRowCount> writeCompany(const CompanyOptions& requested, const std::string& path) {
    const CompanyOptions options = resolveOptions(requested);
    const CompanyStructure company = buildStructure(options);
    const std::vector<TableDefinition> tables = companyTables(company);

    const std::string partial = path + ".partial";
    std::filesystem::remove(partial);
    std::vector<TableRowCount> counts;
    try {
        SqliteFile file(partial);
        file.execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN;");
        for (const TableDefinition& table : tables) {
            file.execute(createTableSql(table));
        }
        writeStructureTables(file, tables, options, company);

        ActualBalances balances(options, company);
        generateJournal(options, company, balances);
        balances.write(file, tableNamed(tables, "GL_SumActualBalances"));

        writeBudgetTable(file, tableNamed(tables, "GL_SumBudgetBalances"), options, company,
                         BudgetMeasure::Amount);
        writeBudgetTable(file, tableNamed(tables, "GL_SumBudgetQuantities"), options, company,
                         BudgetMeasure::Quantity);
        {
            JournalEntryWriter entries(file, tableNamed(tables, "GL_JournalEntry"));
            generateJournal(options, company, entries);
        }
        {
            JournalDetailWriter lines(file, tableNamed(tables, "GL_JournalDetail"), company);
            generateJournal(options, company, lines);
        }
        if (options.keyed) {
            for (const char* sql : kServerKeys) {
                file.execute(sql);
            }
        }
        file.execute("COMMIT;");
        for (const TableDefinition& table : tables) {
            counts.push_back({table.name, countRows(file, table.name)});
        }
        file.close();
    } catch (...) {
        std::filesystem::remove(partial);
        throw;
    }
    std::filesystem::rename(partial, path);
    return counts;
}
