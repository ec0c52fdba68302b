// journal_test.cpp - the entry stream with its lines, through the exported
// functions: journal entries, the beginning-balance entry, the budget
// consolidation and the scratch database's life.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "company_fixture.h"
#include "plugin/exports.h"

namespace aap::test {
namespace {

struct Line {
    std::string account, fund, description;
    double debit, credit, quantity;
    bool operator==(const Line&) const = default;
    bool operator<(const Line& o) const {
        return std::tie(account, fund, description, debit, credit, quantity) <
               std::tie(o.account, o.fund, o.description, o.debit, o.credit, o.quantity);
    }
};

struct Entry {
    EntryRecord record;
    std::string description;  // entryDescription after the call
    std::vector<Line> lines;
};

// Keeps the module's temporary files in a folder of the test's own, so the
// test can see that none is left behind.
class JournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        oldTmpdir_ = old != nullptr ? old : "";
        hadTmpdir_ = old != nullptr;
        scratch_ = folder_.File("tmp");
        std::filesystem::create_directories(scratch_);
        ::setenv("TMPDIR", scratch_.c_str(), 1);
    }
    void TearDown() override {
        AAP_UnloadCompany(nullptr, &host_.structure);
        if (hadTmpdir_) {
            ::setenv("TMPDIR", oldTmpdir_.c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

    void Load(const std::string& changes, int16_t startPeriod = 5) {
        const std::string path = folder_.File("journal" + std::to_string(++built_) + ".db");
        BuildSqliteFile(path, SmallCompanySql() + changes);
        host_.Prepare(path, startPeriod);
        ASSERT_EQ(AAP_LoadCompany(&host_.company, &host_.structure, &host_.entryTotal), 1);
    }

    // One LoadEntry call; the description buffer is refilled with "host" first.
    bool NextEntry(Entry* entry) {
        std::memset(&host_.entry, '#', sizeof host_.entry);
        std::memset(host_.entryDescription, 0, sizeof host_.entryDescription);
        std::strcpy(host_.entryDescription, "host");
        if (AAP_LoadEntry(&host_.company, &host_.structure, nullptr, &host_.entry,
                          host_.entryDescription) != 1) {
            return false;
        }
        entry->record = host_.entry;
        entry->description = host_.entryDescription;
        return true;
    }

    std::vector<Line> Lines() {
        std::vector<Line> lines;
        for (;;) {
            std::strcpy(host_.detail.lineDescription, "host text");
            if (AAP_LoadDetail(nullptr, &host_.structure, &host_.detailAccount, nullptr,
                               &host_.detail) != 1) {
                break;
            }
            EXPECT_EQ(+host_.structure.currentPart, +host_.structure.partCount);
            lines.push_back(Line{host_.detailAccount.segment[0], host_.detailAccount.segment[1],
                                 host_.detail.lineDescription, host_.detail.debit,
                                 host_.detail.credit, host_.detail.quantity});
        }
        return lines;
    }

    std::vector<Entry> WholeStream() {
        std::vector<Entry> entries;
        Entry entry;
        while (NextEntry(&entry)) {
            entry.lines = Lines();
            entries.push_back(entry);
        }
        return entries;
    }

    // The scratch folders the module has in the temporary folder now.
    std::vector<std::string> ScratchLeft() {
        std::vector<std::string> left;
        for (const auto& item : std::filesystem::directory_iterator(scratch_)) {
            const std::string name = item.path().filename().string();
            if (name.rfind("aapvantrel-budget-", 0) == 0) left.push_back(name);
        }
        return left;
    }

    TempFolder folder_;
    std::string scratch_;
    std::string oldTmpdir_;
    bool hadTmpdir_ = false;
    int built_ = 0;
    HostRecords host_;
};

void ExpectDate(const HostDate& date, int year, int month, int day) {
    EXPECT_EQ(+date.year, year);
    EXPECT_EQ(+date.month, month);
    EXPECT_EQ(+date.day, day);
}

TEST_F(JournalTest, WholeStreamOfTheSmallCompany) {
    MessageRecorder recorder;
    Load("");
    const std::vector<Entry> entries = WholeStream();
    ASSERT_EQ(entries.size(), 5u);  // two journal entries, beginning balance, two budgets

    const Entry& first = entries[0];
    ExpectDate(first.record.entryDate, 1996, 11, 3);
    ExpectDate(first.record.transactionDate, 1996, 11, 2);
    EXPECT_STREQ(first.record.sourceCode, "CD");
    EXPECT_STREQ(first.record.entryKind, "A");
    EXPECT_EQ(+first.record.applyToYear, 1997);
    EXPECT_EQ(+first.record.applyToPeriod, 5);
    EXPECT_STREQ(first.record.reference, "REF1");
    EXPECT_STREQ(first.record.explanation, "First");
    EXPECT_EQ(first.description, "host");  // untouched for journal entries
    const auto* bytes = reinterpret_cast<const unsigned char*>(&first.record);
    for (int b = 0; b < 8; ++b) EXPECT_EQ(bytes[b], '#') << b;
    for (int b = 14; b < 35; ++b) EXPECT_EQ(bytes[b], '#') << b;
    EXPECT_EQ(first.lines, (std::vector<Line>{{"1000", "GEN", "line a", 10.25, 0, 0},
                                              {"4000", "GEN", "line b", 0, 10.25, 0}}));
    EXPECT_EQ(entries[1].lines, (std::vector<Line>{{"5000", "BLD", "line c", 2.5, 0, 0},
                                                   {"1000", "BLD", "line d", 0, 2.5, 0}}));

    const Entry& opening = entries[2];
    EXPECT_STREQ(opening.record.explanation, "Beginning Balances");
    EXPECT_STREQ(opening.record.sourceCode, "BB");
    EXPECT_STREQ(opening.record.reference, "");
    EXPECT_EQ(opening.description, "Beginning Balance");
    ExpectDate(opening.record.entryDate, 1997, 7, 1);
    ExpectDate(opening.record.transactionDate, 1997, 7, 1);
    EXPECT_EQ(+opening.record.applyToYear, 1997);
    EXPECT_EQ(+opening.record.applyToPeriod, 0);
    std::vector<Line> openingLines = opening.lines;
    std::sort(openingLines.begin(), openingLines.end());
    EXPECT_EQ(openingLines, (std::vector<Line>{{"1000", "GEN", "host text", 100.5, 0, 0},
                                               {"4000", "GEN", "host text", 0, 100.5, 0}}));

    // 1997 takes budget 2 (balances 2 beats quantities 1).
    const Entry& budget1 = entries[3];
    EXPECT_STREQ(budget1.record.explanation, "Budgets");
    EXPECT_STREQ(budget1.record.sourceCode, "NBG");
    EXPECT_STREQ(budget1.record.entryKind, "B");
    EXPECT_EQ(budget1.description, "Budget");
    ExpectDate(budget1.record.entryDate, 1997, 1, 1);
    EXPECT_EQ(+budget1.record.applyToPeriod, 1);
    EXPECT_EQ(budget1.lines, (std::vector<Line>{{"4000", "GEN", "host text", 0, 60.25, 0}}));
    ExpectDate(entries[4].record.entryDate, 1997, 2, 1);
    EXPECT_EQ(entries[4].lines, (std::vector<Line>{{"5000", "BLD", "host text", 70, 0, 0}}));

    EXPECT_TRUE(ScratchLeft().empty());
    Entry after;
    EXPECT_FALSE(NextEntry(&after));  // the stream stays ended
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(JournalTest, LinesBelongToTheirEntryByKey) {
    Load(R"SQL(
INSERT INTO GL_JournalEntry VALUES (0, 1, 1997, 8, 0, '1997-02-01', 'GJ', 1997, 8, '1997-02-01', 'Z', 'Batch zero');
INSERT INTO GL_JournalDetail VALUES (0, 1, 1, 0, '1000', 'GEN', 'zero a', 1, 0);
INSERT INTO GL_JournalDetail VALUES (0, 1, 2, 0, '4000', 'GEN', 'zero b', 0, 1);
INSERT INTO GL_JournalEntry VALUES (1, 3, 1997, 8, 0, '1997-02-01', 'GJ', 1997, 8, '1997-02-01', 'N', 'No lines');
INSERT INTO GL_JournalEntry VALUES (1, 4, 1997, 8, 0, '1997-02-01', 'GJ', 1997, 8, '1997-02-01', 'L', 'Has lines');
INSERT INTO GL_JournalDetail VALUES (1, 4, 1, 0, '5000', 'GEN', 'four', 3, 0);
)SQL");
    EXPECT_EQ(host_.entryTotal, 6);
    std::map<std::string, std::vector<std::string>> linesByEntry;
    Entry entry;
    int journal = 0;
    while (journal < 4 && NextEntry(&entry)) {
        ++journal;
        std::vector<std::string> descriptions;
        for (const Line& line : Lines()) descriptions.push_back(line.description);
        linesByEntry[entry.record.explanation] = descriptions;
    }
    EXPECT_EQ(linesByEntry["Batch zero"], (std::vector<std::string>{"zero a", "zero b"}));
    EXPECT_EQ(linesByEntry["First"], (std::vector<std::string>{"line a", "line b"}));
    EXPECT_EQ(linesByEntry["Second"], (std::vector<std::string>{"line c", "line d"}));
    EXPECT_EQ(linesByEntry["No lines"], std::vector<std::string>{});
    ASSERT_TRUE(NextEntry(&entry));
    EXPECT_STREQ(entry.record.explanation, "Has lines");
    const std::vector<Line> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].description, "four");
}

TEST_F(JournalTest, AHostThatSkipsAnEntrysLinesStillGetsTheRightLines) {
    Load("");
    Entry entry;
    ASSERT_TRUE(NextEntry(&entry));  // 1/1: its lines are never asked for
    ASSERT_TRUE(NextEntry(&entry));  // 1/2
    const std::vector<Line> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].description, "line c");
}

TEST_F(JournalTest, BudgetNumberChoice) {
    struct Case {
        const char* name;
        std::string changes;
        std::vector<Line> period1;  // lines of the budget entry for 1997 period 1
    };
    const std::vector<Case> cases = {
        // Quantities budget 3 beats balances budget 2: budget 3 rows carry quantities only,
        // with amount 0, which takes the credit branch.
        {"quantities higher",
         "INSERT INTO GL_SumBudgetQuantities VALUES (2, 3, 1997, 1, 12.5);",
         {{"4000", "GEN", "host text", 0, -0.0, 12.5}}},
        {"equal maxima",
         "INSERT INTO GL_SumBudgetQuantities VALUES (2, 2, 1997, 1, 4);",
         {{"4000", "GEN", "host text", 0, 60.25, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AAP_UnloadCompany(nullptr, &host_.structure);
        host_ = HostRecords{};
        Load(c.changes);
        std::vector<Entry> entries = WholeStream();
        ASSERT_GE(entries.size(), 4u);
        EXPECT_EQ(+entries[3].record.applyToPeriod, 1);
        EXPECT_EQ(entries[3].lines, c.period1);
    }
}

TEST_F(JournalTest, NoEntriesFromTheStartPointMeansNoBudget) {
    MessageRecorder recorder;
    Load("", 13);
    EXPECT_EQ(host_.entryTotal, 1);
    const std::vector<Entry> entries = WholeStream();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].record.sourceCode, "BB");
    EXPECT_TRUE(ScratchLeft().empty());
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(JournalTest, UnloadInTheMiddleOfTheBudgetLeavesNoScratchFile) {
    Load("");
    Entry entry;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(NextEntry(&entry));  // up to the first budget entry
    EXPECT_EQ(ScratchLeft().size(), 1u);
    AAP_UnloadCompany(nullptr, &host_.structure);
    EXPECT_TRUE(ScratchLeft().empty());
}

TEST_F(JournalTest, AFailedConsolidationIsReportedAndTriedAgain) {
    MessageRecorder recorder;
    Load("DROP TABLE GL_SumBudgetQuantities;");
    Entry entry;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(NextEntry(&entry));
        Lines();
    }
    EXPECT_FALSE(NextEntry(&entry));
    EXPECT_FALSE(NextEntry(&entry));
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{
                  "Unable to open the Vantrel Server table GL_SumBudgetQuantities.",
                  "Unable to open the Vantrel Server table GL_SumBudgetQuantities."}));
    EXPECT_TRUE(ScratchLeft().empty());
}

TEST_F(JournalTest, AFailureInTheStreamEndsItWithOneMessage) {
    MessageRecorder recorder;
    Load("ALTER TABLE GL_JournalDetail DROP COLUMN Description;");
    Entry entry;
    ASSERT_TRUE(NextEntry(&entry));
    EXPECT_TRUE(Lines().empty());  // the line cannot be read
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].text, "Unable to read the Vantrel Server entry lines.");
    EXPECT_NE(recorder.messages()[0].detail.find("Description"), std::string::npos);
    // The stream is over: no partial stream passes for a whole one.
    EXPECT_FALSE(NextEntry(&entry));
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(recorder.messages().size(), 1u);
}

// The demo company: the counts of its README, checked by hand there.
TEST_F(JournalTest, DemoCompanyTotals) {
    const std::string demo = std::string(AAP_SOURCE_DIR) + "/demo/demo.sql";
    const std::string path = folder_.File("demo.db");
    BuildSqliteFile(path, ReadFile(demo));
    host_.Prepare(path, 5);
    ASSERT_EQ(AAP_LoadCompany(&host_.company, &host_.structure, &host_.entryTotal), 1);
    EXPECT_EQ(host_.entryTotal, 26);
    int journalEntries = 0, journalLines = 0, openingLines = 0, budgetEntries = 0;
    int64_t journalDebits = 0, journalCredits = 0;
    std::map<int, int> budgetEntriesByYear;
    Entry entry;
    while (NextEntry(&entry)) {
        const std::vector<Line> lines = Lines();
        if (std::string(entry.record.sourceCode) == "BB") {
            openingLines += static_cast<int>(lines.size());
        } else if (std::string(entry.record.entryKind) == "B") {
            ++budgetEntries;
            ++budgetEntriesByYear[entry.record.applyToYear];
        } else {
            ++journalEntries;
            journalLines += static_cast<int>(lines.size());
            for (const Line& line : lines) {
                journalDebits += std::llround(line.debit * 10000);
                journalCredits += std::llround(line.credit * 10000);
            }
        }
    }
    EXPECT_EQ(journalEntries, 25);
    EXPECT_EQ(journalLines, 64);
    EXPECT_EQ(openingLines, 20);
    EXPECT_EQ(journalDebits, journalCredits);
    // Entries from 1997 period 5 on reach fiscal 1998: both years have budgets.
    EXPECT_EQ(budgetEntriesByYear.size(), 2u);
    EXPECT_EQ(budgetEntries, 24);
    EXPECT_TRUE(ScratchLeft().empty());
}

}  // namespace
}  // namespace aap::test
