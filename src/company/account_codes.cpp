// account_codes.cpp - one account code per call from a part's code table.
//
// On the Prime part's joined query the Prime table's own columns that other
// tables share (Description, AccountType, the Joined part's column, ...) are
// read under the Prime part's name and a full stop (Account.Description);
// the code column and a re-based rollup's column under their plain names.

#include "company/account_codes.h"

#include <string>
#include <string_view>

#include "company/account_type_map.h"
#include "db/field_readers.h"

namespace aap {

int LoadAccountCode(ConverterState& state, const AccountStructure& structure,
                    AccountRecord* account) {
    const int current = structure.currentPart;
    if (current >= structure.partCount + structure.linkedCount) return 0;
    if (current < 0 || current >= kPartSlots) return 0;
    cdb::CdbRecordset& table = state.partTableRs[current];
    if (!table.IsOpen() || table.GetEOF()) return 0;

    const std::string part(FieldText(structure.partName[current]));
    const bool isPrime = FieldText(structure.partType[current]) == "Prime";
    const std::string prefix = part + ".";
    const bool qualified = state.primeJoined != 0 && isPrime;
    const std::string columnPrefix = qualified ? prefix : std::string();

    ReadTextField(table, part.c_str(), account->segment[0]);
    ReadTextField(table, (columnPrefix + "Description").c_str(), account->description);
    ReadTextField(table, (columnPrefix + "BriefDescription").c_str(), account->briefDescription);
    ReadTextField(table, (columnPrefix + "Status").c_str(), account->status);

    if (isPrime) {
        const int16_t accountType = ReadShortField(table, (columnPrefix + "AccountType").c_str());
        account->category = 0;
        account->balanceSide[1] = '\0';
        const AccountClass accountClass = ClassifyAccountType(accountType);
        account->balanceSide[0] = accountClass.side;
        account->category = accountClass.category;
    }

    // The linked parts that hang off this part, read from the same row.
    for (int i = structure.partCount;
         i < structure.partCount + structure.linkedCount && i < kPartSlots; ++i) {
        if (FieldText(structure.basePartName[i]) != std::string_view(part)) continue;
        const std::string_view linked = FieldText(structure.partName[i]);
        const bool joined = isPrime && FieldText(structure.partType[i]) == "Joined";
        const std::string column = joined ? prefix + std::string(linked) : std::string(linked);
        ReadTextField(table, column.c_str(), account->segment[i]);
    }

    table.MoveNext();
    return 1;
}

}  // namespace aap
