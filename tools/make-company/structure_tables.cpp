// Writes control information, accounting periods, account parts, rollups, code tables and
// GL_SummaryCodeBlock of a synthetic company.
#include "structure_tables.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <tuple>

#include "account_chart.h"
#include "fiscal_calendar.h"

namespace {

void writeControlInformation(SqliteFile& file, const TableDefinition& table,
                             const CompanyOptions& options) {
    InsertStatement insert(file, insertSql(table));
    insert.text(options.companyName)
        .integer(*options.currentYear)
        .integer(12)
        .integer(options.currentPeriod);
    insert.insertRow();
}

// Every fiscal year of the journal, and the current one: a period-0 row, then periods
// 1-12.
void writeAccountingPeriods(SqliteFile& file, const TableDefinition& table,
                            const CompanyOptions& options) {
    std::set<int> years{*options.currentYear};
    for (int i = 0; i < options.years; ++i) {
        years.insert(options.startYear + i);
    }
    InsertStatement insert(file, insertSql(table));
    for (int year : years) {
        const CalendarMonth first = calendarMonthOf(year, 1, options.startMonth);
        const std::string start = isoDate(first.year, first.month, 1);
        insert.integer(year).integer(0).text(start).text(start);
        insert.insertRow();
        for (int period = 1; period <= 12; ++period) {
            const CalendarMonth month = calendarMonthOf(year, period, options.startMonth);
            insert.integer(year)
                .integer(period)
                .text(isoDate(month.year, month.month, 1))
                .text(isoDate(month.year, month.month, daysInMonth(month.year, month.month)));
            insert.insertRow();
        }
    }
}

// Stored with the Derived parts first, so that only the query's ordering puts the Prime
// part first.
void writeAccountParts(SqliteFile& file, const TableDefinition& table,
                       const CompanyStructure& company) {
    std::vector<std::size_t> order = company.derivedParts;
    order.push_back(0);
    order.insert(order.end(), company.otherParts.begin(), company.otherParts.end());
    InsertStatement insert(file, insertSql(table));
    for (std::size_t index : order) {
        const Part& part = company.parts[index];
        insert.integer(part.partNumber)
            .text(part.name)
            .text(part.partType)
            .integer(part.fieldSize)
            .text(part.briefHeading);
        insert.insertRow();
    }
}

// Stored in the reverse of the order the converter reads them in.
void writeRollups(SqliteFile& file, const TableDefinition& table, const CompanyStructure& company) {
    std::vector<const Part*> rollups;
    for (std::size_t index : company.rollups) {
        rollups.push_back(&company.parts[index]);
    }
    std::sort(rollups.begin(), rollups.end(), [](const Part* a, const Part* b) {
        return std::tie(a->anchorPart, a->name) > std::tie(b->anchorPart, b->name);
    });
    InsertStatement insert(file, insertSql(table));
    for (const Part* rollup : rollups) {
        insert.text(rollup->name)
            .text(rollup->anchorPart)
            .integer(rollup->fieldSize)
            .text(rollup->briefHeading);
        insert.insertRow();
    }
}

void writeCodeTable(SqliteFile& file, const TableDefinition& table, const CompanyStructure& company,
                    const Part& part) {
    const auto types = accountTypes();
    InsertStatement insert(file, insertSql(table));
    for (std::size_t row = 0; row < part.codes.size(); ++row) {
        const Code& code = part.codes[row];
        insert.text(code.code)
            .text(code.description)
            .text(code.brief)
            .text(code.active ? "A" : "I");
        if (part.role == PartRole::Prime) {
            insert.integer(types[company.accountType[row]].number);
        }
        for (const LinkColumn& link : part.links) {
            insert.text(company.parts[link.part].codes[link.codeOf[row]].code);
        }
        insert.insertRow();
    }
}

void writeCodeBlock(SqliteFile& file, const TableDefinition& table,
                    const CompanyStructure& company) {
    InsertStatement insert(file, insertSql(table));
    for (const CodeBlockRow& row : company.codeBlock) {
        insert.integer(row.recordKey).text(company.prime().codes[row.account].code);
        for (std::size_t p = 0; p < company.otherParts.size(); ++p) {
            insert.text(company.parts[company.otherParts[p]].codes[row.others[p]].code);
        }
        insert.insertRow();
    }
}

}  // namespace

const TableDefinition& tableNamed(const std::vector<TableDefinition>& tables,
                                  const std::string& name) {
    for (const TableDefinition& table : tables) {
        if (table.name == name) {
            return table;
        }
    }
    throw std::logic_error("no table named " + name);
}

void writeStructureTables(SqliteFile& file, const std::vector<TableDefinition>& tables,
                          const CompanyOptions& options, const CompanyStructure& company) {
    writeControlInformation(file, tableNamed(tables, "GL_ControlInformation"), options);
    writeAccountingPeriods(file, tableNamed(tables, "GL_AcctPeriod"), options);
    writeAccountParts(file, tableNamed(tables, "AA_AccountParts"), company);
    writeRollups(file, tableNamed(tables, "AA_Rollups"), company);
    for (const Part& part : company.parts) {
        writeCodeTable(file, tableNamed(tables, part.name), company, part);
    }
    writeCodeBlock(file, tableNamed(tables, "GL_SummaryCodeBlock"), company);
}
