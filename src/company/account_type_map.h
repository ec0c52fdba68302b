// account_type_map.h - the account class of a Prime account: balance side and
// the host's category number, from the source's AccountType.

#ifndef AAP_COMPANY_ACCOUNT_TYPE_MAP_H_
#define AAP_COMPANY_ACCOUNT_TYPE_MAP_H_

#include <cstdint>

namespace aap {

struct AccountClass {
    char side;         // 'D' or 'C'
    int16_t category;  // host category number
};

// The class of `accountType`: the first row of the account-type table that
// holds it, or else the range it falls into.
AccountClass ClassifyAccountType(int32_t accountType);

}  // namespace aap

#endif  // AAP_COMPANY_ACCOUNT_TYPE_MAP_H_
