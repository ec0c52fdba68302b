// The account structure of a synthetic company: its parts and rollups with their code
// tables, its accounts, and the account and part-code combinations of GL_SummaryCodeBlock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "company_options.h"

enum class PartRole { Prime, Other, Derived, Rollup };

struct Code {
    std::string code;
    std::string description;
    std::string brief;
    bool active = true;
};

// A column that a code table adds after Status, holding for each of its codes a code of
// another part: a Derived part on the Prime table, a rollup on the table it hangs off.
struct LinkColumn {
    std::size_t part;                   // index into CompanyStructure::parts
    std::vector<std::uint32_t> codeOf;  // per row of this table: index into that part's codes
};

struct Part {
    std::string name;
    PartRole role = PartRole::Other;
    std::string partType;    // AA_AccountParts.PartType: "Prime", "Segment" or "Derived"
    int partNumber = 0;      // AA_AccountParts.PartNumber; rollups have none
    std::string anchorPart;  // rollups: the part they hang off (AA_Rollups.AccountPartName)
    int fieldSize = 4;       // the longest code
    std::string briefHeading;
    std::vector<Code> codes;
    std::vector<LinkColumn> links;
};

struct CodeBlockRow {
    std::int32_t recordKey;
    std::uint32_t account;              // index into the Prime part's codes
    std::vector<std::uint32_t> others;  // per Other part, in part order: index into its codes
};

struct CompanyStructure {
    std::vector<Part> parts;  // the Prime part, then the Other, Derived and rollup parts
    std::vector<std::size_t> otherParts;
    std::vector<std::size_t> derivedParts;
    std::vector<std::size_t> rollups;
    std::vector<std::uint8_t> accountType;  // per account: index into accountTypes()
    std::vector<CodeBlockRow> codeBlock;    // in RecordKey order
    std::uint32_t cashAccount = 0;
    std::uint32_t netAssetsAccount = 0;

    const Part& prime() const { return parts.front(); }
};

constexpr std::int32_t kFirstRecordKey = 1001;

// Builds the structure from resolved options (resolveOptions).
CompanyStructure buildStructure(const CompanyOptions& options);
