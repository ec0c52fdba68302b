// Builds the parts, code tables, accounts and code-block combinations of a synthetic
// company from its options and seed.
#include "company_structure.h"

#include <algorithm>
#include <numeric>

#include "account_chart.h"
#include "random_stream.h"
#include "text_fit.h"
#include "word_lists.h"

namespace {

constexpr std::uint64_t kStructurePurpose = 1;
constexpr int kMaxExtraCombinations = 8;

int decimalDigits(std::int64_t n) {
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

std::string zeroPadded(std::int64_t value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

// Accounts per account type, in proportion to the chart's weights, at least one each.
std::vector<int> accountsPerType(int accounts) {
    const auto types = accountTypes();
    std::vector<int> counts(types.size());
    int total = 0;
    for (std::size_t t = 0; t < types.size(); ++t) {
        counts[t] = std::max(1, accounts * types[t].weight / kAccountWeightTotal);
        total += counts[t];
    }
    for (std::size_t t = 0; total < accounts; t = (t + 1) % counts.size()) {
        ++counts[t];
        ++total;
    }
    while (total > accounts) {
        auto largest = std::max_element(counts.begin(), counts.end());
        --*largest;
        --total;
    }
    return counts;
}

// Codes named by the part's initial and a number: "F01", "D017".
std::vector<Code> numberedCodes(const std::string& partName, int count, RandomStream& random) {
    const auto& list = subjects();
    const int width = std::max(2, decimalDigits(count));
    std::vector<Code> codes;
    codes.reserve(count);
    for (int i = 0; i < count; ++i) {
        const Subject& subject = list[i % list.size()];
        // After the first round of subjects, names repeat with a number: "Youth Services 2".
        std::string round;
        if (i >= static_cast<int>(list.size())) {
            round.append(" ").append(std::to_string(i / list.size() + 1));
        }
        Code code;
        code.code = partName.substr(0, 1) + zeroPadded(i + 1, width);
        code.description = fitText(subject.name + " " + partName + round, 50);
        code.brief = fitText(subject.brief + round, 30);
        code.active = i == 0 || !random.chance(2, 100);
        codes.push_back(std::move(code));
    }
    return codes;
}

int longestCode(const std::vector<Code>& codes) {
    std::size_t longest = 1;
    for (const Code& code : codes) {
        longest = std::max(longest, code.code.size());
    }
    return static_cast<int>(longest);
}

// Spreads the codes of a table over the codes of a linked part so that every linked code
// is used when there are enough rows.
std::vector<std::uint32_t> spreadOver(std::size_t rows, std::size_t linkedCodes,
                                      RandomStream& random) {
    std::vector<std::uint32_t> codeOf(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        codeOf[i] = static_cast<std::uint32_t>(i % linkedCodes);
    }
    random.shuffle(codeOf);
    return codeOf;
}

void addAccounts(CompanyStructure& company, const CompanyOptions& options, RandomStream& random) {
    Part prime;
    prime.name = "Account";
    prime.role = PartRole::Prime;
    prime.partType = "Prime";
    prime.partNumber = 1;
    prime.briefHeading = "Account";
    const auto types = accountTypes();
    const std::vector<int> counts = accountsPerType(*options.accounts);
    const int sequenceWidth =
        std::max(3, decimalDigits(*std::max_element(counts.begin(), counts.end())));
    const auto& list = subjects();
    for (std::size_t t = 0; t < types.size(); ++t) {
        for (int seq = 1; seq <= counts[t]; ++seq) {
            const Subject& subject = random.pick(list);
            Code code;
            code.code = std::to_string(types[t].number) + zeroPadded(seq, sequenceWidth) + "0";
            code.description = fitText(std::string(types[t].description) + " " +
                                           zeroPadded(seq, sequenceWidth) + " - " + subject.brief,
                                       50);
            code.brief =
                fitText(std::string(types[t].brief) + " " + zeroPadded(seq, sequenceWidth), 30);
            code.active = seq == 1 || !random.chance(2, 100);
            if (types[t].number == 10 && seq == 1) {
                company.cashAccount = static_cast<std::uint32_t>(prime.codes.size());
            }
            if (types[t].number == 30 && seq == 1) {
                company.netAssetsAccount = static_cast<std::uint32_t>(prime.codes.size());
            }
            company.accountType.push_back(static_cast<std::uint8_t>(t));
            prime.codes.push_back(std::move(code));
        }
    }
    prime.fieldSize = longestCode(prime.codes);
    company.parts.push_back(std::move(prime));
}

void addPart(CompanyStructure& company, const std::string& name, PartRole role, int count,
             RandomStream& random) {
    Part part;
    part.name = name;
    part.role = role;
    part.partType = role == PartRole::Derived ? "Derived" : "Segment";
    part.partNumber = static_cast<int>(company.parts.size()) + 1;
    part.briefHeading = fitText(name, 12);
    part.codes = numberedCodes(name, count, random);
    part.fieldSize = longestCode(part.codes);
    (role == PartRole::Derived ? company.derivedParts : company.otherParts)
        .push_back(company.parts.size());
    company.parts.push_back(std::move(part));
}

// Rollups hang off the Derived parts first (so that the Prime query joins them), then off
// the Other parts, in turn; with neither, off the Prime part.
void addRollups(CompanyStructure& company, int rollupCount, RandomStream& random) {
    std::vector<std::size_t> anchors = company.derivedParts;
    anchors.insert(anchors.end(), company.otherParts.begin(), company.otherParts.end());
    if (anchors.empty()) {
        anchors.push_back(0);
    }
    for (int r = 0; r < rollupCount; ++r) {
        const std::size_t anchor = anchors[r % anchors.size()];
        const std::size_t anchorCodes = company.parts[anchor].codes.size();
        Part rollup;
        rollup.name = rollupNames()[r];
        rollup.role = PartRole::Rollup;
        rollup.anchorPart = company.parts[anchor].name;
        rollup.briefHeading = fitText(rollup.name, 12);
        rollup.codes = numberedCodes(
            rollup.name, static_cast<int>(std::max<std::size_t>(2, anchorCodes / 5)), random);
        rollup.fieldSize = longestCode(rollup.codes);
        const std::size_t index = company.parts.size();
        company.parts[anchor].links.push_back(
            {index, spreadOver(anchorCodes, rollup.codes.size(), random)});
        company.rollups.push_back(index);
        company.parts.push_back(std::move(rollup));
    }
}

// One row per combination of an account with a code of every Other part. Every account
// has the combination of the first codes; cash and net assets have one per code of the
// first Other part (every fund keeps its own cash and balances through its own net
// assets); the others up to kMaxExtraCombinations more.
void addCodeBlock(CompanyStructure& company, RandomStream& random) {
    const std::size_t otherCount = company.otherParts.size();
    const std::uint32_t firstCodes =
        otherCount == 0
            ? 1
            : static_cast<std::uint32_t>(company.parts[company.otherParts[0]].codes.size());
    const std::size_t accounts = company.prime().codes.size();
    for (std::uint32_t account = 0; account < accounts; ++account) {
        std::vector<std::vector<std::uint32_t>> combinations;
        combinations.emplace_back(otherCount, 0);
        if (otherCount > 0) {
            std::vector<std::uint32_t> firstOtherCodes(firstCodes - 1);
            std::iota(firstOtherCodes.begin(), firstOtherCodes.end(), 1);
            std::size_t extra = firstOtherCodes.size();
            if (account != company.cashAccount && account != company.netAssetsAccount) {
                extra =
                    random.below(std::min<std::uint64_t>(kMaxExtraCombinations + 1, firstCodes));
                random.shuffle(firstOtherCodes);
            }
            for (std::size_t e = 0; e < extra; ++e) {
                std::vector<std::uint32_t> combination(otherCount, 0);
                combination[0] = firstOtherCodes[e];
                for (std::size_t p = 1; p < otherCount; ++p) {
                    combination[p] = static_cast<std::uint32_t>(
                        random.below(company.parts[company.otherParts[p]].codes.size()));
                }
                combinations.push_back(std::move(combination));
            }
            std::sort(combinations.begin(), combinations.end());
        }
        for (auto& combination : combinations) {
            const auto key = kFirstRecordKey + static_cast<std::int32_t>(company.codeBlock.size());
            company.codeBlock.push_back({key, account, std::move(combination)});
        }
    }
}

}  // namespace

CompanyStructure buildStructure(const CompanyOptions& options) {
    RandomStream random = RandomStream::forPurpose(options.seed, kStructurePurpose);
    CompanyStructure company;
    addAccounts(company, options, random);
    for (int i = 0; i < options.otherParts; ++i) {
        addPart(company, otherPartNames()[i], PartRole::Other, *options.codesPerPart, random);
    }
    for (int i = 0; i < options.derivedParts; ++i) {
        addPart(company, derivedPartNames()[i], PartRole::Derived, *options.codesPerPart, random);
        company.parts[0].links.push_back(
            {company.parts.size() - 1,
             spreadOver(company.prime().codes.size(), company.parts.back().codes.size(), random)});
    }
    addRollups(company, options.rollups, random);
    addCodeBlock(company, random);
    return company;
}
