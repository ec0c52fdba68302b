// Table definitions of a company file, and the SQL that creates and fills them.
#include "company_schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace {

std::string text(int width) {
    return "TEXT(" + std::to_string(width) + ")";
}

TableDefinition codeTable(const CompanyStructure& company, const Part& part) {
    TableDefinition table{part.name,
                          {{part.name, text(part.fieldSize)},
                           {"Description", text(50)},
                           {"BriefDescription", text(30)},
                           {"Status", text(1)}}};
    if (part.role == PartRole::Prime) {
        table.columns.push_back({"AccountType", "SHORT"});
    }
    for (const LinkColumn& link : part.links) {
        const Part& linked = company.parts[link.part];
        table.columns.push_back({linked.name, text(linked.fieldSize)});
    }
    return table;
}

// The Prime part and the Other parts, whose codes make up an account.
std::vector<ColumnDefinition> basePartColumns(const CompanyStructure& company) {
    std::vector<ColumnDefinition> columns{{company.prime().name, text(company.prime().fieldSize)}};
    for (std::size_t index : company.otherParts) {
        columns.push_back({company.parts[index].name, text(company.parts[index].fieldSize)});
    }
    return columns;
}

}  // namespace

std::vector<TableDefinition> companyTables(const CompanyStructure& company) {
    std::vector<TableDefinition> tables{
        {"GL_ControlInformation",
         {{"CompanyName", text(40)},
          {"FiscalYear", "SHORT"},
          {"NumberOfPeriods", "SHORT"},
          {"CurrentGLPeriod", "SHORT"}}},
        {"GL_AcctPeriod",
         {{"FiscalYear", "SHORT"},
          {"PeriodNumber", "SHORT"},
          {"BeginDate", "DATETIME"},
          {"EndDate", "DATETIME"}}},
        {"AA_AccountParts",
         {{"PartNumber", "SHORT"},
          {"PartName", text(18)},
          {"PartType", text(7)},
          {"FieldSize", "SHORT"},
          {"BriefHeading", text(12)}}},
        {"AA_Rollups",
         {{"RollupTableName", text(18)},
          {"AccountPartName", text(18)},
          {"FieldSize", "SHORT"},
          {"BriefHeading", text(12)}}},
    };
    for (const Part& part : company.parts) {
        tables.push_back(codeTable(company, part));
    }

    TableDefinition codeBlock{"GL_SummaryCodeBlock", {{"RecordKey", "LONG"}}};
    for (const ColumnDefinition& column : basePartColumns(company)) {
        codeBlock.columns.push_back(column);
    }
    tables.push_back(codeBlock);
    tables.push_back({"GL_SumActualBalances",
                      {{"LinkPointer", "LONG"},
                       {"FiscalYear", "SHORT"},
                       {"PeriodNumber", "SHORT"},
                       {"Debits", "CURRENCY"},
                       {"Credits", "CURRENCY"}}});
    for (const char* kind : {"Balances", "Quantities"}) {
        tables.push_back({std::string("GL_SumBudget") + kind,
                          {{"LinkPointer", "LONG"},
                           {"BudgetNumber", "SHORT"},
                           {"FiscalYear", "SHORT"},
                           {"PeriodNumber", "SHORT"},
                           {std::string(kind) == "Balances" ? "Amount" : "Quantity", "DOUBLE"}}});
    }
    tables.push_back({"GL_JournalEntry",
                      {{"Batch", "LONG"},
                       {"Entry", "LONG"},
                       {"FiscalYear", "SHORT"},
                       {"PeriodNumber", "SHORT"},
                       {"UpdateBeginningBalance", "BIT"},
                       {"EntryDateStamp", "DATETIME"},
                       {"SourceCode", text(6)},
                       {"ApplyToYear", "SHORT"},
                       {"ApplyToPeriod", "SHORT"},
                       {"TransactionDate", "DATETIME"},
                       {"PrimaryReference", text(10)},
                       {"Explanation", text(60)}}});
    TableDefinition detail{
        "GL_JournalDetail",
        {{"Batch", "LONG"}, {"Entry", "LONG"}, {"Line", "LONG"}, {"SubLine", "LONG"}}};
    for (const ColumnDefinition& column : basePartColumns(company)) {
        detail.columns.push_back(column);
    }
    detail.columns.push_back({"Description", text(60)});
    detail.columns.push_back({"DebitAmount", "CURRENCY"});
    detail.columns.push_back({"CreditAmount", "CURRENCY"});
    tables.push_back(detail);
    return tables;
}

std::string sqlName(const std::string& name) {
    const bool plain = std::all_of(name.begin(), name.end(),
                                   [](unsigned char c) { return std::isalnum(c) || c == '_'; });
    const bool keyword = sqlite3_keyword_check(name.c_str(), static_cast<int>(name.size())) != 0;
    return plain && !keyword ? name : "[" + name + "]";
}

std::string createTableSql(const TableDefinition& table) {
    std::string sql = "CREATE TABLE " + sqlName(table.name) + " (\n";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        sql += "  " + sqlName(table.columns[i].name) + " " + table.columns[i].type;
        sql += i + 1 < table.columns.size() ? ",\n" : "\n";
    }
    return sql + ");";
}

std::string insertSql(const TableDefinition& table) {
    std::string sql = "INSERT INTO " + sqlName(table.name) + " VALUES (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        sql += i == 0 ? "?" : ", ?";
    }
    return sql + ")";
}
