// account_codes_test.cpp - the account-type table and the codes of every
// part slot of the reference structure, through the exported functions.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "company/account_type_map.h"
#include "company_fixture.h"
#include "plugin/exports.h"

namespace aap::test {
namespace {

TEST(AccountTypeMap, TableFirstThenRanges) {
    struct Case {
        int32_t type;
        char side;
        int16_t category;
    };
    const Case cases[] = {
        {10, 'D', 1110}, {12, 'D', 1121}, {14, 'D', 1211}, {19, 'D', 1290},    {20, 'C', 2110},
        {29, 'C', 2240}, {39, 'C', 3999}, {41, 'C', 4000}, {50, 'D', 6500},    {51, 'D', 6500},
        {15, 'D', 1110}, {23, 'C', 2110}, {35, 'C', 3100}, {45, 'C', 4000},    {55, 'D', 5000},
        {0, 'D', 1110},  {-3, 'D', 1110}, {52, 'D', 5000}, {32767, 'D', 5000},
    };
    for (const Case& c : cases) {
        const AccountClass accountClass = ClassifyAccountType(c.type);
        EXPECT_EQ(accountClass.side, c.side) << c.type;
        EXPECT_EQ(+accountClass.category, +c.category) << c.type;
    }
}

struct Code {
    std::string code, description, brief, status;
    std::vector<std::pair<int, std::string>> linked;  // slot, code
    char side;                                        // 0: untouched
    int16_t category;
};

class AccountCodesTest : public ::testing::Test {
  protected:
    void Load(const std::string& changes) {
        const std::string path = folder_.File("codes.db");
        BuildSqliteFile(path, SmallCompanySql() + changes);
        host_.Prepare(path, 5);
        ASSERT_EQ(AAP_LoadCompany(&host_.company, &host_.structure, &host_.entryTotal), 1);
    }
    void TearDown() override { AAP_UnloadCompany(nullptr, &host_.structure); }

    // Every code of `slot`, each read into a record the host filled with '#'.
    std::vector<AccountRecord> CodesOf(int slot) {
        std::vector<AccountRecord> codes;
        host_.structure.currentPart = static_cast<int16_t>(slot);
        for (;;) {
            AccountRecord record;
            std::memset(&record, '#', sizeof record);
            if (AAP_LoadAcctPartCode(nullptr, &host_.structure, &record) != 1) break;
            EXPECT_EQ(+host_.structure.currentPart, slot);
            codes.push_back(record);
        }
        return codes;
    }

    void Expect(int slot, const std::vector<Code>& expected) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const std::vector<AccountRecord> codes = CodesOf(slot);
        ASSERT_EQ(codes.size(), expected.size());
        for (size_t k = 0; k < codes.size(); ++k) {
            const AccountRecord& r = codes[k];
            const Code& e = expected[k];
            EXPECT_STREQ(r.segment[0], e.code.c_str());
            EXPECT_STREQ(r.description, e.description.c_str());
            EXPECT_STREQ(r.briefDescription, e.brief.c_str());
            EXPECT_STREQ(r.status, e.status.c_str());
            std::vector<bool> written(kPartSlots, false);
            written[0] = true;
            for (const auto& [linkedSlot, value] : e.linked) {
                EXPECT_STREQ(r.segment[linkedSlot], value.c_str()) << "segment " << linkedSlot;
                written[linkedSlot] = true;
            }
            for (int i = 0; i < kPartSlots; ++i) {
                if (!written[i]) {
                    EXPECT_EQ(r.segment[i][0], '#') << "segment " << i;
                }
            }
            const auto* bytes = reinterpret_cast<const unsigned char*>(&r);
            if (e.side == 0) {
                for (int b = 1074; b < 1078; ++b) EXPECT_EQ(bytes[b], '#') << "byte " << b;
            } else {
                EXPECT_EQ(r.balanceSide[0], e.side);
                EXPECT_EQ(r.balanceSide[1], '\0');
                EXPECT_EQ(+r.category, +e.category);
            }
        }
        // The part stays at its end.
        AccountRecord again{};
        EXPECT_EQ(AAP_LoadAcctPartCode(nullptr, &host_.structure, &again), 0);
    }

    TempFolder folder_;
    HostRecords host_;
};

TEST_F(AccountCodesTest, EverySlotOfTheReferenceStructure) {
    Load("");
    Expect(0, {{"1000", "Cash", "Cash", "A", {{2, "D1"}, {3, "R1"}}, 'D', 1110},
               {"4000", "Revenue", "Rev", "A", {{2, "D2"}, {3, "R2"}}, 'C', 4000},
               {"5000", "Expense", "Exp", "I", {{2, "D1"}, {3, "R1"}}, 'D', 6500}});
    Expect(1, {{"BLD", "Building", "Bld", "A", {{4, "RES"}}, 0, 0},
               {"GEN", "General", "Gen", "A", {{4, "UNR"}}, 0, 0}});
    Expect(2, {{"D1", "Administration", "Adm", "A", {}, 0, 0},
               {"D2", "Programs", "Prg", "A", {}, 0, 0}});
    Expect(3, {{"R1", "North", "N", "A", {}, 0, 0}, {"R2", "South", "S", "A", {}, 0, 0}});
    Expect(4, {{"RES", "Restricted", "Res", "A", {}, 0, 0},
               {"UNR", "Unrestricted", "Unr", "A", {}, 0, 0}});
    host_.structure.currentPart = 5;  // partCount + linkedCount
    AccountRecord record{};
    EXPECT_EQ(AAP_LoadAcctPartCode(nullptr, &host_.structure, &record), 0);
}

TEST_F(AccountCodesTest, WithoutTheJoinThePrimePartReadsPlainColumns) {
    Load("DELETE FROM AA_Rollups; UPDATE Account SET AccountType = NULL WHERE Account = '4000';");
    Expect(0, {{"1000", "Cash", "Cash", "A", {{2, "D1"}}, 'D', 1110},
               {"4000", "Revenue", "Rev", "A", {{2, "D2"}}, 'D', 1110},
               {"5000", "Expense", "Exp", "I", {{2, "D1"}}, 'D', 6500}});
}

TEST_F(AccountCodesTest, ALongCodeIsCutToItsSegment) {
    Load("UPDATE Fund SET Description = '" + std::string(80, 'd') + "' WHERE Fund = 'BLD';");
    const std::vector<AccountRecord> codes = CodesOf(1);
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_EQ(std::string(codes[0].description), std::string(50, 'd'));
}

}  // namespace
}  // namespace aap::test
