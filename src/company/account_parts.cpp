// account_parts.cpp - filling the part slots and opening the part tables.
//
// Slot order: the rows of AA_AccountParts in query order (Derived parts
// sorted after the others), then the rows of AA_Rollups.  Each slot's code
// table is opened in partTableRs at the same index; the Prime part's table is
// opened last, over a query that joins every Derived part a rollup hangs off,
// so the rollup's code can be read from the Prime part's rows.
//
// The SQL is built from part names between brackets.  Structures the slots
// cannot hold are refused with the part-tables message before anything is
// written where it does not belong: more than 30 slots, a name holding `]`
// (it would break out of its brackets), no Prime part or more than one, a
// Derived part read before the Prime part, and a base part read after a
// Derived part (base parts must fill the first slots).

#include "company/account_parts.h"

#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include "db/field_readers.h"
#include "db/read_only_query.h"

namespace aap {

namespace {

constexpr char kPrime[] = "Prime";
constexpr char kOther[] = "Other";
constexpr char kDerived[] = "Derived";
constexpr char kJoined[] = "Joined";
constexpr char kRollup[] = "Rollup";
constexpr int16_t kSmallestFieldSize = 4;

// A structure the part slots cannot hold; reported with the part-tables message.
class UnsupportedStructure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

template <std::size_t N>
bool Is(const char (&field)[N], const char* text) {
    return FieldText(field) == std::string_view(text);
}

void CheckFreeSlot(int slot) {
    if (slot >= kPartSlots) {
        throw UnsupportedStructure("the company has more than " + std::to_string(kPartSlots) +
                                   " account parts and rollups");
    }
}

std::string CodeTableQuery(const std::string& name) {
    return "SELECT * FROM [" + name + "] ORDER BY [" + name + "];";
}

int16_t AtLeastFour(int16_t fieldSize) {
    return fieldSize < kSmallestFieldSize ? kSmallestFieldSize : fieldSize;
}

// The parts loop: one slot per row of AA_AccountParts.  Returns the Prime
// part's slot.
int ReadParts(ConverterState& state, AccountStructure* s) {
    int primeIndex = -1;
    while (!state.partsRs.GetEOF()) {
        const int i = s->partCount;
        CheckFreeSlot(i);
        ReadTextField(state.partsRs, "PartName", s->partName[i]);
        ReadTextField(state.partsRs, "PartType", s->partType[i]);
        if (Is(s->partType[i], kDerived)) {
            if (primeIndex < 0) {
                throw UnsupportedStructure("the Derived part " +
                                           std::string(FieldText(s->partName[i])) +
                                           " comes before the Prime part");
            }
            WriteRecordText(s->basePartName[i], FieldText(s->partName[primeIndex]));
            ++s->linkedCount;
        } else {
            if (s->linkedCount > 0) {
                throw UnsupportedStructure("the part " + std::string(FieldText(s->partName[i])) +
                                           " comes after a Derived part");
            }
            WriteRecordText(s->basePartName[i], "");
            if (Is(s->partType[i], kPrime)) {
                if (primeIndex >= 0) {
                    throw UnsupportedStructure("the company has more than one Prime part");
                }
                primeIndex = i;
            } else {
                WriteRecordText(s->partType[i], kOther);
            }
        }
        s->fieldSize[i] = AtLeastFour(ReadShortField(state.partsRs, "FieldSize"));
        ReadTextField(state.partsRs, "BriefHeading", s->briefHeading[i]);
        if (i != primeIndex) {
            // The Prime part's table is opened last, over its joined query.
            const std::string name = BracketName(FieldText(s->partName[i]));
            state.partTableRs[i] = OpenReadOnlyQuery(state.companyDb, CodeTableQuery(name));
        }
        ++s->partCount;
        state.partsRs.MoveNext();
    }
    if (primeIndex < 0) throw UnsupportedStructure("the company has no Prime part");
    return primeIndex;
}

// The rollups loop: one slot per row of AA_Rollups.
void ReadRollups(ConverterState& state, AccountStructure* s) {
    while (!state.rollupsRs.GetEOF()) {
        const int i = s->partCount;
        CheckFreeSlot(i);
        ReadTextField(state.rollupsRs, "RollupTableName", s->partName[i]);
        WriteRecordText(s->partType[i], kRollup);
        ReadTextField(state.rollupsRs, "AccountPartName", s->basePartName[i]);
        ++s->linkedCount;
        s->fieldSize[i] = AtLeastFour(ReadShortField(state.rollupsRs, "FieldSize"));
        ReadTextField(state.rollupsRs, "BriefHeading", s->briefHeading[i]);
        const std::string name = BracketName(FieldText(s->partName[i]));
        state.partTableRs[i] = OpenReadOnlyQuery(state.companyDb, CodeTableQuery(name));
        ++s->partCount;
        state.rollupsRs.MoveNext();
    }
}

// The Prime part's query: its own table joined with each Derived part that
// the first rollup naming it hangs off.  Re-bases those rollups onto the
// Prime part and marks the joined parts "Joined".
std::string PrimeQuery(ConverterState& state, AccountStructure* s, int primeIndex) {
    const int n = s->partCount;
    const std::string prime = BracketName(FieldText(s->partName[primeIndex]));
    state.primeJoined = 0;
    std::string query = "SELECT * FROM [" + prime + "]";
    std::string condition;
    for (int i = 0; i < n; ++i) {
        if (!Is(s->partType[i], kRollup)) continue;
        const std::string_view base = FieldText(s->basePartName[i]);
        int j = 0;
        while (j < n && FieldText(s->partName[j]) != base) ++j;
        if (j == n || !Is(s->partType[j], kDerived)) continue;
        const std::string derived = BracketName(FieldText(s->partName[j]));
        query += ",[" + derived + "]";
        condition += condition.empty() ? " WHERE [" : " AND [";
        condition += prime + "].[" + derived + "] = [" + derived + "].[" + derived + "]";
        WriteRecordText(s->basePartName[i], prime);
        WriteRecordText(s->partType[j], kJoined);
        state.primeJoined = 1;
    }
    return query + condition + " ORDER BY [" + prime + "];";
}

}  // namespace

std::string BracketName(std::string_view name) {
    if (name.find(']') != std::string_view::npos) {
        throw UnsupportedStructure("the part name \"" + std::string(name) +
                                   "\" holds a ']' and cannot stand between brackets in SQL");
    }
    return std::string(name);
}

CallOutcome LoadAccountParts(ConverterState& state, AccountStructure* structure) {
    try {
        const int primeIndex = ReadParts(state, structure);
        ReadRollups(state, structure);
        const std::string primeQuery = PrimeQuery(state, structure, primeIndex);
        state.partTableRs[primeIndex] = OpenReadOnlyQuery(state.companyDb, primeQuery);
    } catch (const std::exception& error) {
        return CallOutcome::Failure(kUnableToOpenPartTables, error.what());
    }
    structure->partCount = static_cast<int16_t>(structure->partCount - structure->linkedCount);
    structure->currentPart = 0;
    return CallOutcome::Done(1);
}

}  // namespace aap
