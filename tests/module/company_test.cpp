// company_test.cpp - company discovery and the company load through the
// exported functions, on companies built from SQL.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "company_fixture.h"
#include "plugin/exports.h"

namespace aap::test {
namespace {

std::string Slot(const char (&field)[19]) {
    return std::string(field);
}

class CompanyTest : public ::testing::Test {
  protected:
    // Builds the small company with `changes` applied and loads it.
    int Load(const std::string& changes, int16_t startPeriod = 5) {
        path_ = folder_.File("company" + std::to_string(++built_) + ".db");
        BuildSqliteFile(path_, SmallCompanySql() + changes);
        host_.Prepare(path_, startPeriod);
        return AAP_LoadCompany(&host_.company, &host_.structure, &host_.entryTotal);
    }
    void TearDown() override { AAP_UnloadCompany(nullptr, &host_.structure); }

    TempFolder folder_;
    std::string path_;
    int built_ = 0;
    HostRecords host_;
};

TEST_F(CompanyTest, LoadsTheCalendarAndTheReferenceStructure) {
    MessageRecorder recorder;
    std::memset(host_.company.companyNote, 'N', sizeof host_.company.companyNote);
    ASSERT_EQ(Load(""), 1);
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_STREQ(host_.company.companyName, "Small Test Company");
    EXPECT_EQ(+host_.company.fiscalYear, 1997);
    EXPECT_EQ(+host_.company.fiscalStartMonth, 7);
    EXPECT_EQ(+host_.company.currentPeriod, 7);  // now CurrentGLPeriod
    EXPECT_EQ(host_.company.companyNote[0], '\0');
    EXPECT_EQ(host_.company.companyNote[1], 'N');
    EXPECT_EQ(host_.entryTotal, 3);  // entries 1/1 and 1/2, plus one

    const AccountStructure& s = host_.structure;
    EXPECT_EQ(+s.partCount, 2);
    EXPECT_EQ(+s.linkedCount, 3);
    EXPECT_EQ(+s.currentPart, 0);
    const std::vector<std::vector<std::string>> slots = {
        {"Account", "Prime", "", "Account"},         {"Fund", "Other", "", "Fund"},
        {"Dept", "Joined", "Account", "Department"}, {"Region", "Rollup", "Account", "Region"},
        {"Group", "Rollup", "Fund", "Group"},
    };
    const int16_t sizes[] = {10, 4, 4, 4, 4};
    for (size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(Slot(s.partName[i]), slots[i][0]) << i;
        EXPECT_EQ(std::string(s.partType[i]), slots[i][1]) << i;
        EXPECT_EQ(Slot(s.basePartName[i]), slots[i][2]) << i;
        EXPECT_EQ(std::string(s.briefHeading[i]), slots[i][3]) << i;
        EXPECT_EQ(+s.fieldSize[i], sizes[i]) << i;
    }
}

struct LoadCase {
    const char* name;
    std::string changes;
    int result;
    std::string message;  // empty: none
    std::function<void(const HostRecords&)> check;
};

TEST_F(CompanyTest, Variants) {
    std::string manyRollups;
    for (int i = 0; i < 28; ++i) {
        manyRollups += "INSERT INTO AA_Rollups VALUES ('Region', 'Dept', 4, 'R');\n";
    }
    std::string manyEntries =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 248) "
        "INSERT INTO GL_JournalEntry SELECT 10, i, 1998, 1, 0, '1997-07-01', 'GJ', 1998, 1, "
        "'1997-07-01', 'R', 'E' FROM n;";
    const std::vector<LoadCase> cases = {
        {"no rollups", "DELETE FROM AA_Rollups;", 1, "",
         [](const HostRecords& h) {
             EXPECT_EQ(+h.structure.partCount, 2);
             EXPECT_EQ(+h.structure.linkedCount, 1);
             EXPECT_STREQ(h.structure.partType[2], "Derived");
             EXPECT_STREQ(h.structure.basePartName[2], "Account");
         }},
        {"two rollups on one Derived part",
         "CREATE TABLE Area (Area TEXT(4), Description TEXT(50), BriefDescription TEXT(30), "
         "Status TEXT(1)); INSERT INTO AA_Rollups VALUES ('Area', 'Dept', 4, 'Area');",
         1, "",
         [](const HostRecords& h) {
             // Rollup order: Area (Dept), Region (Dept), Group (Fund).
             EXPECT_EQ(+h.structure.linkedCount, 4);
             EXPECT_STREQ(h.structure.partName[3], "Area");
             EXPECT_STREQ(h.structure.basePartName[3], "Account");
             EXPECT_STREQ(h.structure.partName[4], "Region");
             EXPECT_STREQ(h.structure.basePartName[4], "Dept");
             EXPECT_STREQ(h.structure.partType[2], "Joined");
         }},
        {"rollup naming no part",
         "CREATE TABLE Zone (Zone TEXT(4), Description TEXT(50), BriefDescription TEXT(30), "
         "Status TEXT(1)); INSERT INTO AA_Rollups VALUES ('Zone', 'Nowhere', -1, 'Zone');",
         1, "",
         [](const HostRecords& h) {
             EXPECT_STREQ(h.structure.partName[5], "Zone");
             EXPECT_STREQ(h.structure.basePartName[5], "Nowhere");
             EXPECT_EQ(+h.structure.fieldSize[5], 4);
         }},
        {"empty part type is Other",
         "UPDATE AA_AccountParts SET PartType = '' WHERE PartName = 'Fund';", 1, "",
         [](const HostRecords& h) { EXPECT_STREQ(h.structure.partType[1], "Other"); }},
        {"begin date not a date",
         "UPDATE GL_AcctPeriod SET BeginDate = 'soon' WHERE PeriodNumber = 1;", 1, "",
         [](const HostRecords& h) { EXPECT_EQ(+h.company.fiscalStartMonth, 12); }},
        {"February with period 8",
         "UPDATE GL_AcctPeriod SET BeginDate = '1997-02-01', PeriodNumber = 8 "
         "WHERE PeriodNumber = 1;",
         1, "", [](const HostRecords& h) { EXPECT_EQ(+h.company.fiscalStartMonth, 7); }},
        {"December with period 12",
         "UPDATE GL_AcctPeriod SET BeginDate = '1997-12-01', PeriodNumber = 12 "
         "WHERE PeriodNumber = 1;",
         1, "", [](const HostRecords& h) { EXPECT_EQ(+h.company.fiscalStartMonth, 1); }},
        {"250 qualifying entries", manyEntries, 1, "",
         [](const HostRecords& h) { EXPECT_EQ(h.entryTotal, 251); }},
        {"13 periods", "UPDATE GL_ControlInformation SET NumberOfPeriods = 13;", 0,
         "13-period accounting is not currently supported.",
         [](const HostRecords& h) {
             EXPECT_EQ(+h.company.fiscalStartMonth, 7);
             EXPECT_EQ(+h.company.fiscalYear, 1997);
             EXPECT_EQ(+h.company.currentPeriod, 5);  // still the host's value
             EXPECT_EQ(+h.structure.partCount, 0);
             EXPECT_EQ(h.entryTotal, -7);
         }},
        {"only period 0", "DELETE FROM GL_AcctPeriod WHERE PeriodNumber <> 0;", 0,
         "Not enough accounting period information to continue.", nullptr},
        {"no detail table", "DROP TABLE GL_JournalDetail;", 0,
         "Unable to open the Vantrel Server tables.", nullptr},
        {"no control row", "DELETE FROM GL_ControlInformation;", 0,
         "Unable to open the Vantrel Server tables.", nullptr},
        {"missing part table", "DROP TABLE Region;", 0,
         "Unable to open the Vantrel Server account part tables.",
         [](const HostRecords& h) {
             EXPECT_EQ(+h.structure.partCount, 3);  // slots completed before the failing one
             EXPECT_EQ(+h.structure.currentPart, 0);
         }},
        {"no Prime part",
         "UPDATE AA_AccountParts SET PartType = 'Segment' WHERE PartName = 'Account';", 0,
         "Unable to open the Vantrel Server account part tables.", nullptr},
        {"two Prime parts",
         "UPDATE AA_AccountParts SET PartType = 'Prime' WHERE PartName = 'Fund';", 0,
         "Unable to open the Vantrel Server account part tables.", nullptr},
        {"Derived before Prime",
         "UPDATE AA_AccountParts SET PartNumber = 150 WHERE PartName = 'Account';", 0,
         "Unable to open the Vantrel Server account part tables.", nullptr},
        {"bracket in a part name",
         "UPDATE AA_AccountParts SET PartName = 'Fu]nd' WHERE PartName = 'Fund';", 0,
         "Unable to open the Vantrel Server account part tables.", nullptr},
        {"more than 30 slots", manyRollups, 0,
         "Unable to open the Vantrel Server account part tables.", nullptr},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        host_ = HostRecords{};
        MessageRecorder recorder;
        EXPECT_EQ(Load(c.changes), c.result);
        if (c.message.empty()) {
            EXPECT_TRUE(recorder.messages().empty());
        } else {
            ASSERT_EQ(recorder.messages().size(), 1u);
            EXPECT_EQ(recorder.messages()[0].text, c.message);
            EXPECT_EQ(recorder.messages()[0].caption, "Orvelle");
            EXPECT_EQ(recorder.messages()[0].style, 0x30u);
            EXPECT_EQ(recorder.messages()[0].owner.rfind("no window (thread ", 0), 0u);
        }
        if (c.check) c.check(host_);
        AAP_UnloadCompany(nullptr, &host_.structure);
    }
}

TEST_F(CompanyTest, AMissingFileChangesNothingButTheCounts) {
    MessageRecorder recorder;
    host_.structure.partCount = 9;
    host_.structure.linkedCount = 9;
    std::strcpy(host_.company.companyName, "kept");
    host_.Prepare(folder_.File("missing.db"), 5);
    EXPECT_EQ(AAP_LoadCompany(&host_.company, &host_.structure, &host_.entryTotal), 0);
    ASSERT_EQ(recorder.Texts(),
              std::vector<std::string>{"Unable to open the Vantrel Server database."});
    EXPECT_NE(recorder.messages()[0].detail.find("missing.db"), std::string::npos);
    EXPECT_EQ(+host_.structure.partCount, 0);
    EXPECT_EQ(+host_.structure.linkedCount, 0);
    EXPECT_STREQ(host_.company.companyName, "kept");
    EXPECT_EQ(host_.entryTotal, -7);
}

TEST_F(CompanyTest, DiscoveryAnswersQuietly) {
    MessageRecorder recorder;
    const std::string good = folder_.File("good.db");
    BuildSqliteFile(good, SmallCompanySql());
    const std::string emptyName = folder_.File("empty-name.db");
    BuildSqliteFile(emptyName,
                    SmallCompanySql() + "UPDATE GL_ControlInformation SET CompanyName = '';");
    const std::string nullName = folder_.File("null-name.db");
    BuildSqliteFile(nullName,
                    SmallCompanySql() + "UPDATE GL_ControlInformation SET CompanyName = NULL;");
    const std::string numberName = folder_.File("number-name.db");
    BuildSqliteFile(numberName,
                    "CREATE TABLE GL_ControlInformation (CompanyName LONG);"
                    "INSERT INTO GL_ControlInformation VALUES (42);");
    const std::string noTable = folder_.File("other.db");
    BuildSqliteFile(noTable, "CREATE TABLE Something (A LONG);");
    const std::string text = folder_.File("notes.txt");
    BuildSqliteFile(folder_.File("unused.db"), "");
    {
        FILE* f = std::fopen(text.c_str(), "w");
        std::fputs("not a database at all\n", f);
        std::fclose(f);
    }

    struct Case {
        std::string path;
        int result;
        std::string name;
    };
    const Case cases[] = {
        {good, 1, "Small Test Company"},
        {emptyName, 1, ""},
        {nullName, 0, "host"},
        {numberName, 0, "host"},
        {noTable, 0, "host"},
        {text, 0, "host"},
        {folder_.File("missing.db"), 0, "host"},
        {folder_.path(), 0, "host"},
    };
    for (const Case& c : cases) {
        CompanyInfo company{};
        std::strcpy(company.companyName, "host");
        std::strcpy(company.companyPath, "host path");
        EXPECT_EQ(AAP_FindFirstCompany(c.path.c_str(), &company), c.result) << c.path;
        EXPECT_EQ(std::string(company.companyName), c.name) << c.path;
        EXPECT_EQ(std::string(company.companyPath), c.result == 1 ? c.path : "host path");
    }
    EXPECT_EQ(AAP_FindNextCompany(), 0);
    EXPECT_EQ(AAP_FindClose(), 1);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(CompanyTest, DiscoveryCutsLongPathsAndLeavesALoadedCompanyAlone) {
    ASSERT_EQ(Load(""), 1);
    // A path of 255 characters is kept whole, a longer one cut to 255.
    for (size_t length : {255u, 256u, 300u}) {
        // Folders of at most 100 characters each, then the file.
        std::string path = folder_.path();
        while (length - path.size() > 120) {
            path += "/" + std::string(100, 'f');
            std::filesystem::create_directories(path);
        }
        path += "/";
        path += std::string(length - path.size() - 3, 'p') + ".db";
        ASSERT_EQ(path.size(), length);
        BuildSqliteFile(path, SmallCompanySql());
        CompanyInfo company{};
        ASSERT_EQ(AAP_FindFirstCompany(path.c_str(), &company), 1);
        EXPECT_EQ(std::string(company.companyPath), path.substr(0, 255));
    }
    // The loaded company still delivers its codes.
    host_.structure.currentPart = 1;
    EXPECT_EQ(AAP_LoadAcctPartCode(nullptr, &host_.structure, &host_.account), 1);
    EXPECT_STREQ(host_.account.segment[0], "BLD");
}

}  // namespace
}  // namespace aap::test
