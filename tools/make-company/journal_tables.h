// Journal sinks that write GL_JournalEntry and GL_JournalDetail.
#pragma once

#include "company_schema.h"
#include "company_structure.h"
#include "journal_generator.h"
#include "sqlite_file.h"

class JournalEntryWriter : public JournalSink {
  public:
    JournalEntryWriter(SqliteFile& file, const TableDefinition& table);
    void add(const JournalEntry& entry, const std::vector<JournalLine>& lines) override;
    std::int64_t rows() const { return rows_; }

  private:
    InsertStatement insert_;
    std::int64_t rows_ = 0;
};

class JournalDetailWriter : public JournalSink {
  public:
    JournalDetailWriter(SqliteFile& file, const TableDefinition& table,
                        const CompanyStructure& company);
    void add(const JournalEntry& entry, const std::vector<JournalLine>& lines) override;
    std::int64_t rows() const { return rows_; }

  private:
    InsertStatement insert_;
    const CompanyStructure& company_;
    std::int64_t rows_ = 0;
};
