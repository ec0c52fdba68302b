// fake_module.cpp - a stand-in converter module for the host's tests.
//
// It exports the same ten functions as the real module, and makes up a
// company from a small text file instead of reading a database, so that the
// tests can drive aap-import into cases the demo company has no way to reach
// (a failure half-way through the entries, unbalanced entries, a million
// lines) and measure the host alone.
//
// The company file starts with the line "AAP-FAKE-COMPANY", followed by
// key=value lines; every key is optional:
//   name=TEXT              company name (Windows-1252 bytes as written)
//   journal_entries=N      journal entries (default 3), each with
//   lines_per_entry=N      this many lines (default 2): debits, then one credit
//   unbalanced=N           the first N journal entries are short by 0.01
//   opening_lines=N        lines of the beginning-balance entry (default 2)
//   budget_entries=N       budget entries (default 2), each with
//   budget_lines=N         this many lines (default 2)
//   fail=load              AAP_LoadCompany refuses the company
//   fail=entry:N           AAP_LoadEntry fails instead of delivering entry N
//   fail=crash:N           AAP_LoadEntry writes a line and aborts at entry N
// A failure is reported the way the real module does it: a line
// "Orvelle: <text>" on standard error and a 0 result.
//
// Built once more with AAP_FAKE_WITHOUT_LOAD_DETAIL, it lacks AAP_LoadDetail.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "plugin/host_records.h"

namespace {

struct FakeCompany {
    std::string name = "Fake Company";
    long journal_entries = 3;
    long lines_per_entry = 2;
    long unbalanced = 0;
    long opening_lines = 2;
    long budget_entries = 2;
    long budget_lines = 2;
    bool fail_load = false;
    long fail_entry = 0;   // 0: never
    long crash_entry = 0;  // 0: never
};

struct StreamState {
    FakeCompany company;
    int code_row[aap::kPartSlots] = {};
    long entries_delivered = 0;  // all phases
    long lines_left = 0;
    long line_index = 0;
    long current_entry = 0;
};

StreamState state;

const char* const kCodes[3][2] = {{"1000", "4000"}, {"GEN", "Caf\xE9"}, {"ADM", "OPS"}};

// Copies `text` into a fixed-width field, cut to fit, zero-terminated.
template <std::size_t N>
void put(char (&field)[N], const std::string& text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

bool read_company(const char* path, FakeCompany& company) {
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line) || line != "AAP-FAKE-COMPANY") return false;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        auto number = [&value] { return std::stol(value); };
        if (key == "name") company.name = value;
        if (key == "journal_entries") company.journal_entries = number();
        if (key == "lines_per_entry") company.lines_per_entry = number();
        if (key == "unbalanced") company.unbalanced = number();
        if (key == "opening_lines") company.opening_lines = number();
        if (key == "budget_entries") company.budget_entries = number();
        if (key == "budget_lines") company.budget_lines = number();
        if (key == "fail" && value == "load") company.fail_load = true;
        if (key == "fail" && value.rfind("entry:", 0) == 0) {
            company.fail_entry = std::stol(value.substr(6));
        }
        if (key == "fail" && value.rfind("crash:", 0) == 0) {
            company.crash_entry = std::stol(value.substr(6));
        }
    }
    return true;
}

void report(const char* text) {
    std::fprintf(stderr, "Orvelle: %s\n", text);
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int AAP_LoadPackage(aap::PackageInfo* package) {
    put(package->packageName, "Fake Package");
    put(package->fileFilter, "*.fake");
    package->packageLevel = 2;
    return 1;
}

__attribute__((visibility("default"))) int AAP_FindFirstCompany(const char* path,
                                                                aap::CompanyInfo* company) {
    FakeCompany found;
    if (!read_company(path, found)) return 0;
    put(company->companyPath, path);
    put(company->companyName, found.name);
    return 1;
}

__attribute__((visibility("default"))) int AAP_FindNextCompany() {
    return 0;
}
__attribute__((visibility("default"))) int AAP_FindClose() {
    return 1;
}

__attribute__((visibility("default"))) int AAP_LoadCompany(aap::CompanyInfo* company,
                                                           aap::AccountStructure* structure,
                                                           int32_t* entry_total) {
    state = StreamState{};
    structure->partCount = 0;
    structure->linkedCount = 0;
    if (!read_company(company->companyPath, state.company)) {
        report("Unable to open the database.");
        return 0;
    }
    put(company->companyName, state.company.name);
    company->fiscalYear = 1997;
    company->fiscalStartMonth = 7;
    if (state.company.fail_load) {
        report("13-period accounting is not currently supported.");
        return 0;
    }
    company->currentPeriod = 5;
    const char* names[3] = {"Account", "Fund", "Dept"};
    const char* types[3] = {"Prime", "Other", "Joined"};
    for (int slot = 0; slot < 3; ++slot) {
        put(structure->partName[slot], names[slot]);
        put(structure->partType[slot], types[slot]);
        put(structure->basePartName[slot], slot == 2 ? "Account" : "");
        put(structure->briefHeading[slot], names[slot]);
        structure->fieldSize[slot] = 4;
    }
    structure->partCount = 2;
    structure->linkedCount = 1;
    structure->currentPart = 0;
    *entry_total = static_cast<int32_t>(state.company.journal_entries + 1);
    return 1;
}

__attribute__((visibility("default"))) int AAP_LoadAcctPartCode(void*,
                                                                aap::AccountStructure* structure,
                                                                aap::AccountRecord* account) {
    const int slot = structure->currentPart;
    if (slot < 0 || slot >= 3 || state.code_row[slot] >= 2) return 0;
    const int row = state.code_row[slot]++;
    put(account->segment[0], kCodes[slot][row]);
    put(account->description, std::string("Code ") + kCodes[slot][row]);
    put(account->briefDescription, kCodes[slot][row]);
    put(account->status, "A");
    if (slot == 0) {
        put(account->balanceSide, row == 0 ? "D" : "C");
        account->category = row == 0 ? 1110 : 4000;
        put(account->segment[2], kCodes[2][row]);
    }
    return 1;
}

__attribute__((visibility("default"))) int AAP_LoadEntry(aap::CompanyInfo* company,
                                                         aap::AccountStructure*, void*,
                                                         aap::EntryRecord* entry,
                                                         char* description) {
    const FakeCompany& fake = state.company;
    const long number = state.entries_delivered + 1;
    if (fake.crash_entry != 0 && number == fake.crash_entry) {
        std::fprintf(stderr, "fake module: giving up at entry %ld\n", number);
        std::abort();
    }
    if (fake.fail_entry != 0 && number == fake.fail_entry) {
        report("Unable to build the budget totals.");
        return 0;
    }
    const long journal = fake.journal_entries;
    if (number > journal + 1 + fake.budget_entries) return 0;
    state.entries_delivered = number;
    state.current_entry = number;
    state.line_index = 0;
    if (number <= journal) {
        entry->entryDate = {1996, 11, static_cast<int16_t>(1 + number % 28)};
        entry->transactionDate = entry->entryDate;
        put(entry->sourceCode, "GJ");
        put(entry->entryKind, "A");
        entry->applyToYear = 1997;
        entry->applyToPeriod = 5;
        put(entry->reference, "JE " + std::to_string(number));
        put(entry->explanation, "Journal entry " + std::to_string(number));
        state.lines_left = fake.lines_per_entry;
    } else if (number == journal + 1) {
        entry->entryDate = {company->fiscalYear, company->fiscalStartMonth, 1};
        entry->transactionDate = entry->entryDate;
        put(entry->sourceCode, "BB");
        put(entry->entryKind, "A");
        entry->applyToYear = company->fiscalYear;
        put(entry->explanation, "Beginning Balances");
        std::strcpy(description, "Beginning Balance");
        state.lines_left = fake.opening_lines;
    } else {
        const auto period = static_cast<int16_t>(number - journal - 1);
        entry->entryDate = {1997, period, 1};
        entry->transactionDate = entry->entryDate;
        put(entry->sourceCode, "NBG");
        put(entry->entryKind, "B");
        entry->applyToYear = 1997;
        entry->applyToPeriod = period;
        put(entry->explanation, "Budgets");
        std::strcpy(description, "Budget");
        state.lines_left = fake.budget_lines;
    }
    return 1;
}

#ifndef AAP_FAKE_WITHOUT_LOAD_DETAIL
__attribute__((visibility("default"))) int AAP_LoadDetail(void*, aap::AccountStructure* structure,
                                                          aap::DetailAccount* account, void*,
                                                          aap::DetailRecord* detail) {
    if (state.lines_left <= 0) return 0;
    --state.lines_left;
    const long index = state.line_index++;
    const FakeCompany& fake = state.company;
    put(account->segment[0], kCodes[0][index % 2]);
    put(account->segment[1], kCodes[1][index % 2]);
    structure->currentPart = structure->partCount;
    const bool journal = state.current_entry <= fake.journal_entries;
    const bool budget = state.current_entry > fake.journal_entries + 1;
    if (budget) {
        detail->debit = 0.1 + 0.2;  // a sum of doubles, with its binary noise
        detail->credit = 0;
        detail->quantity = 2.5;
        return 1;
    }
    const long lines = journal ? fake.lines_per_entry : fake.opening_lines;
    const double amount = 1234.5678;
    if (journal) put(detail->lineDescription, "Line " + std::to_string(index + 1));
    if (index + 1 < lines) {
        detail->debit = amount;
    } else {
        detail->credit = amount * static_cast<double>(lines - 1);
        if (journal && state.current_entry <= fake.unbalanced) detail->credit -= 0.01;
    }
    return 1;
}
#endif

__attribute__((visibility("default"))) int AAP_LoadInvoiceDetail() {
    return 0;
}

__attribute__((visibility("default"))) int AAP_UnloadCompany(void*,
                                                             aap::AccountStructure* structure) {
    structure->currentPart = static_cast<int16_t>(structure->partCount + structure->linkedCount);
    return 1;
}

}  // extern "C"
