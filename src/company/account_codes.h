// account_codes.h - delivering the codes of one part, one per call.

#ifndef AAP_COMPANY_ACCOUNT_CODES_H_
#define AAP_COMPANY_ACCOUNT_CODES_H_

#include "db/converter_state.h"
#include "plugin/host_records.h"

namespace aap {

// Writes the next code of the part in slot structure.currentPart into
// `account` (its code, description, brief description and status, the codes
// of the linked parts that hang off it, and for the Prime part its balance
// side and category) and moves that part's table on: 1.  0 when the slot is
// not a part slot or the part has no further code.  Engine failures throw.
int LoadAccountCode(ConverterState& state, const AccountStructure& structure,
                    AccountRecord* account);

}  // namespace aap

#endif  // AAP_COMPANY_ACCOUNT_CODES_H_
