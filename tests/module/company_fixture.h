// company_fixture.h - small SQLite companies built by the tests from SQL, and
// a recorder of the messages the module shows.

#ifndef AAP_TESTS_MODULE_COMPANY_FIXTURE_H_
#define AAP_TESTS_MODULE_COMPANY_FIXTURE_H_

#include <string>
#include <vector>

#include "plugin/host_records.h"
#include "plugin/message_box.h"

namespace aap::test {

// A private temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Runs `sql` on a new SQLite file at `path`.
void BuildSqliteFile(const std::string& path, const std::string& sql);

// The reference company schema (tables and declared types).
std::string CompanySchemaSql();

// A small company with the reference structure: Prime part
// Account, Other part Fund ('Segment'), Derived part Dept; rollups Region on
// Dept and Group on Fund.  Fiscal year 1997 from July, current period 5.
// Journal entries 1/1 (two lines) and 1/2 (one line) from period 5 on, one
// entry before it and one that updates the beginning balance; two opening
// balances; budgets 1 and 2 for 1997 (2 wins) and quantities budget 1.
std::string SmallCompanySql();

// Reads a whole text file.
std::string ReadFile(const std::string& path);

// Records every message the module shows while it lives.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& messages() const { return messages_; }
    std::vector<std::string> Texts() const;

  private:
    std::vector<ShownMessage> messages_;
};

// Host records as a host would hold them for one import.
struct HostRecords {
    CompanyInfo company{};
    AccountStructure structure{};
    int32_t entryTotal = -7;
    AccountRecord account{};
    EntryRecord entry{};
    char entryDescription[kEntryDescriptionSize]{};
    DetailAccount detailAccount{};
    DetailRecord detail{};

    // Puts `path` into companyPath and `startPeriod` into currentPeriod.
    void Prepare(const std::string& path, int16_t startPeriod);
};

}  // namespace aap::test

#endif  // AAP_TESTS_MODULE_COMPANY_FIXTURE_H_
