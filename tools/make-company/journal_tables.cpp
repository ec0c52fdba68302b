// Writes journal entries and their lines into GL_JournalEntry and GL_JournalDetail.
#include "journal_tables.h"

namespace {

void textOrNull(InsertStatement& insert, const std::optional<std::string>& value) {
    if (value) {
        insert.text(*value);
    } else {
        insert.null();
    }
}

}  // namespace

JournalEntryWriter::JournalEntryWriter(SqliteFile& file, const TableDefinition& table)
    : insert_(file, insertSql(table)) {}

void JournalEntryWriter::add(const JournalEntry& entry, const std::vector<JournalLine>&) {
    insert_.integer(entry.batch)
        .integer(entry.entry)
        .integer(entry.fiscalYear)
        .integer(entry.period)
        .integer(entry.updatesBeginningBalance ? 1 : 0);
    textOrNull(insert_, entry.entryDateStamp);
    insert_.text(entry.sourceCode)
        .integer(entry.applyToYear)
        .integer(entry.applyToPeriod)
        .text(entry.transactionDate)
        .text(entry.reference);
    textOrNull(insert_, entry.explanation);
    insert_.insertRow();
    ++rows_;
}

JournalDetailWriter::JournalDetailWriter(SqliteFile& file, const TableDefinition& table,
                                         const CompanyStructure& company)
    : insert_(file, insertSql(table)), company_(company) {}

void JournalDetailWriter::add(const JournalEntry& entry, const std::vector<JournalLine>& lines) {
    for (const JournalLine& line : lines) {
        const CodeBlockRow& block = company_.codeBlock[line.codeBlockRow];
        insert_.integer(entry.batch).integer(entry.entry).integer(line.line).integer(line.subLine);
        insert_.text(company_.prime().codes[block.account].code);
        for (std::size_t p = 0; p < company_.otherParts.size(); ++p) {
            insert_.text(company_.parts[company_.otherParts[p]].codes[block.others[p]].code);
        }
        insert_.text(line.description);
        bindCurrency(insert_, line.debit);
        bindCurrency(insert_, line.credit);
        insert_.insertRow();
        ++rows_;
    }
}
