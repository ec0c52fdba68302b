// account_type_map.cpp - the account-type table and its range fall-back.

#include "company/account_type_map.h"

namespace aap {

namespace {

struct AccountTypeRow {
    int32_t accountType;
    int16_t category;
    char side;
};

// Searched from the first row to the last; the first equal AccountType wins.
constexpr AccountTypeRow kAccountTypeMap[20] = {
    {10, 1110, 'D'}, {11, 1190, 'D'}, {12, 1121, 'D'}, {13, 1190, 'D'}, {14, 1211, 'D'},
    {17, 1190, 'D'}, {18, 1190, 'D'}, {19, 1290, 'D'}, {20, 2110, 'C'}, {21, 2190, 'C'},
    {22, 2190, 'C'}, {27, 2190, 'C'}, {28, 2190, 'C'}, {29, 2240, 'C'}, {30, 3100, 'C'},
    {39, 3999, 'C'}, {40, 4000, 'C'}, {41, 4000, 'C'}, {50, 6500, 'D'}, {51, 6500, 'D'},
};

}  // namespace

AccountClass ClassifyAccountType(int32_t accountType) {
    for (const AccountTypeRow& row : kAccountTypeMap) {
        if (row.accountType == accountType) return AccountClass{row.side, row.category};
    }
    // Not in the table: the range decides (50 and above is 5000, not the
    // 6500 that the table gives to 50 and 51 only).
    if (accountType < 20) return AccountClass{'D', 1110};
    if (accountType <= 29) return AccountClass{'C', 2110};
    if (accountType <= 39) return AccountClass{'C', 3100};
    if (accountType <= 49) return AccountClass{'C', 4000};
    return AccountClass{'D', 5000};
}

}  // namespace aap
