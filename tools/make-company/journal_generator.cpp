// Generates the journal of a synthetic company: batches of entries spread over the fiscal
// periods, each entry balanced, with the texts, references and irregularities of a real
// ledger (entries keyed late, lines out of order, split lines, empty dates).
#include "journal_generator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "account_chart.h"
#include "amount_draws.h"
#include "fiscal_calendar.h"
#include "random_stream.h"
#include "text_fit.h"
#include "word_lists.h"

namespace {

constexpr std::uint64_t kJournalPurpose = 2;
constexpr std::int32_t kFirstBatch = 1001;
constexpr std::size_t kClassCount = static_cast<std::size_t>(AccountClass::Expense) + 1;
constexpr std::int64_t kEntriesPerBeginningBalanceUpdate = 1700;

enum class Source { Receipts, Disbursements, Payables, Receivables, Payroll, General };

struct SourceKind {
    Source source;
    const char* code;
    int weight;
};

constexpr std::array<SourceKind, 6> kSources{{
    {Source::Receipts, "CR", 20},
    {Source::Disbursements, "CD", 25},
    {Source::Payables, "AP", 15},
    {Source::Receivables, "AR", 10},
    {Source::Payroll, "PR", 8},
    {Source::General, "GJ", 22},
}};

using Classes = std::vector<AccountClass>;

std::string formatted(const char* format, int a, int b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

class JournalBuilder {
  public:
    JournalBuilder(const CompanyOptions& options, const CompanyStructure& company,
                   JournalSink& sink)
        : options_(options),
          company_(company),
          sink_(sink),
          random_(RandomStream::forPurpose(options.seed, kJournalPurpose)) {
        indexCodeBlock();
    }

    void run() {
        const std::vector<int> sizes = entrySizes();
        const std::vector<std::int64_t> quotas =
            periodQuotas(static_cast<std::int64_t>(sizes.size()));
        const std::set<std::int64_t> updates = beginningBalanceUpdates(quotas, sizes.size());

        std::vector<std::pair<JournalEntry, std::vector<JournalLine>>> keyedLate;
        JournalEntry entry;
        std::vector<JournalLine> lines;
        std::size_t next = 0;
        std::int64_t updateSpanIndex = 0;
        std::int32_t batch = kFirstBatch;
        for (std::size_t p = 0; p < quotas.size(); ++p) {
            const int fiscalYear = options_.startYear + static_cast<int>(p / 12);
            const int period = static_cast<int>(p % 12) + 1;
            const bool updateSpan = fiscalYear == *options_.currentYear && period <= 6;
            for (std::int64_t done = 0; done < quotas[p]; ++batch) {
                const std::int64_t size =
                    std::min<std::int64_t>(random_.between(10, 60), quotas[p] - done);
                for (std::int32_t number = 1; number <= size; ++number) {
                    const bool update = updateSpan && updates.contains(updateSpanIndex++);
                    makeEntry(batch, number, fiscalYear, period, update, sizes[next++], entry,
                              lines);
                    if (!update && random_.chance(2, 1000)) {
                        keyedLate.emplace_back(entry, lines);
                    } else {
                        sink_.add(entry, lines);
                    }
                }
                done += size;
            }
        }
        for (const auto& [late, lateLines] : keyedLate) {
            sink_.add(late, lateLines);
        }
    }

  private:
    void indexCodeBlock() {
        funds_ =
            company_.otherParts.empty()
                ? 1
                : static_cast<std::uint32_t>(company_.parts[company_.otherParts[0]].codes.size());
        pools_.resize(funds_);
        cashRow_.assign(funds_, 0);
        const auto types = accountTypes();
        for (std::uint32_t row = 0; row < company_.codeBlock.size(); ++row) {
            const CodeBlockRow& block = company_.codeBlock[row];
            const std::uint32_t fund = block.others.empty() ? 0 : block.others[0];
            const AccountClass accountClass =
                types[company_.accountType[block.account]].accountClass;
            pools_[fund][static_cast<std::size_t>(accountClass)].push_back(row);
            if (block.account == company_.cashAccount) {
                cashRow_[fund] = row;
            }
        }
    }

    // Lines of every entry: exactly options.lines in all, or options.entries entries.
    std::vector<int> entrySizes() {
        const int lo = options_.minLinesPerEntry;
        const int hi = options_.maxLinesPerEntry;
        std::vector<int> sizes;
        if (options_.entries) {
            sizes.resize(static_cast<std::size_t>(*options_.entries));
            for (int& size : sizes) {
                size = static_cast<int>(random_.between(lo, hi));
            }
            return sizes;
        }
        std::int64_t total = 0;
        while (total < *options_.lines) {
            const int size = static_cast<int>(
                std::min<std::int64_t>(random_.between(lo, hi), *options_.lines - total));
            sizes.push_back(size);
            total += size;
        }
        // A short last entry is folded into an earlier one that has room.
        if (sizes.size() > 1 && sizes.back() < lo) {
            const int shortBy = sizes.back();
            for (std::size_t i = sizes.size() - 1; i-- > 0;) {
                if (sizes[i] + shortBy <= hi) {
                    sizes[i] += shortBy;
                    sizes.pop_back();
                    break;
                }
            }
        }
        return sizes;
    }

    // Entries per fiscal period, each period within 15% of the mean.
    std::vector<std::int64_t> periodQuotas(std::int64_t entries) {
        std::vector<std::int64_t> weights(static_cast<std::size_t>(options_.years) * 12);
        std::int64_t weightTotal = 0;
        for (auto& weight : weights) {
            weight = random_.between(850, 1150);
            weightTotal += weight;
        }
        std::vector<std::int64_t> quotas(weights.size());
        std::int64_t assigned = 0;
        for (std::size_t p = 0; p < weights.size(); ++p) {
            quotas[p] = entries * weights[p] / weightTotal;
            assigned += quotas[p];
        }
        for (std::size_t p = 0; assigned < entries; p = (p + 1) % quotas.size(), ++assigned) {
            ++quotas[p];
        }
        return quotas;
    }

    // Positions, counted over the entries of the current year's periods 1-6, of the
    // entries that update the beginning balances.
    std::set<std::int64_t> beginningBalanceUpdates(const std::vector<std::int64_t>& quotas,
                                                   std::size_t entries) {
        std::int64_t span = 0;
        for (std::size_t p = 0; p < quotas.size(); ++p) {
            if (options_.startYear + static_cast<int>(p / 12) == *options_.currentYear &&
                p % 12 < 6) {
                span += quotas[p];
            }
        }
        const std::int64_t wanted = std::min<std::int64_t>(
            span, std::max<std::int64_t>(
                      1, static_cast<std::int64_t>(entries) / kEntriesPerBeginningBalanceUpdate));
        std::set<std::int64_t> chosen;  // Floyd's sampling of distinct positions
        for (std::int64_t j = span - wanted; j < span; ++j) {
            const std::int64_t t = random_.between(0, j);
            chosen.insert(chosen.contains(t) ? j : t);
        }
        return chosen;
    }

    const SourceKind& drawSource() {
        std::int64_t x = random_.below(100);
        for (const SourceKind& kind : kSources) {
            x -= kind.weight;
            if (x < 0) {
                return kind;
            }
        }
        return kSources.back();
    }

    std::uint32_t drawFund() {
        return funds_ == 1 || random_.chance(40, 100)
                   ? 0
                   : static_cast<std::uint32_t>(random_.below(funds_));
    }

    // A code-block row of the fund whose account is of one of the classes; the fund's
    // cash when it has none of them.
    std::uint32_t rowFor(std::uint32_t fund, const Classes& classes) {
        Classes present;
        for (AccountClass c : classes) {
            if (!pools_[fund][static_cast<std::size_t>(c)].empty()) {
                present.push_back(c);
            }
        }
        if (present.empty()) {
            return cashRow_[fund];
        }
        return random_.pick(pools_[fund][static_cast<std::size_t>(random_.pick(present))]);
    }

    // total split into `parts` positive amounts; all but the last in whole cents.
    std::vector<Units> split(Units total, int parts) {
        std::vector<Units> amounts;
        if (parts == 1) {
            amounts.push_back(total);
            return amounts;
        }
        std::vector<Units> weights(static_cast<std::size_t>(parts));
        Units weightTotal = 0;
        for (Units& weight : weights) {
            weight = random_.between(300, 1299);
            weightTotal += weight;
        }
        Units sum = 0;
        for (int i = 0; i + 1 < parts; ++i) {
            const Units share =
                total / weightTotal * weights[i] + total % weightTotal * weights[i] / weightTotal;
            amounts.push_back(
                std::max<Units>(kUnitsPerCent, share / kUnitsPerCent * kUnitsPerCent));
            sum += amounts.back();
        }
        if (sum >= total) {  // only for totals of a few cents: one cent each, rest last
            sum = 0;
            for (Units& amount : amounts) {
                amount = kUnitsPerCent;
                sum += amount;
            }
        }
        amounts.push_back(total - sum);
        return amounts;
    }

    std::string reference(Source source, CalendarMonth month, int fiscalYear) {
        switch (source) {
            case Source::Disbursements:
                return formatted("CHK %06d", (checks_++) % 1000000);
            case Source::Receipts:
                return formatted("DEP %06d", (deposits_++) % 1000000);
            case Source::Payables:
                return formatted("INV %05d", (invoices_++) % 100000);
            case Source::Receivables:
                return formatted("BIL %05d", (bills_++) % 100000);
            case Source::Payroll:
                return formatted("PR %02d/%02d", month.month, month.year % 100);
            case Source::General:
                break;
        }
        return formatted("JE %02d-%04d", fiscalYear % 100, (journalVouchers_++) % 10000);
    }

    // One of `count` phrasings, chosen before any of them is built.
    int choose(int count) {
        return static_cast<int>(random_.below(static_cast<std::uint64_t>(count)));
    }

    std::string explanation(Source source, bool update, const std::string& month, int year,
                            const Subject& subject, const std::string& vendor,
                            const std::string& payer) {
        if (update) {
            return "Audit adjustment to opening balances - " + subject.brief;
        }
        const std::string yearText = std::to_string(year);
        switch (source) {
            case Source::Receipts:
                switch (choose(3)) {
                    case 0:
                        return "Deposits " + month + " - " + subject.brief;
                    case 1:
                        return payer + " - " + month + " receipts";
                    default:
                        return "Receipts, " + subject.name;
                }
            case Source::Disbursements:
                switch (choose(3)) {
                    case 0:
                        return vendor + " - check run";
                    case 1:
                        return "Disbursements " + month + " - " + subject.brief;
                    default:
                        return "Payment to " + vendor;
                }
            case Source::Payables:
                return choose(2) == 0 ? vendor + " invoices"
                                      : "Purchases " + month + " - " + subject.brief;
            case Source::Receivables:
                return choose(2) == 0 ? "Billing " + month + " - " + payer
                                      : "Services billed - " + subject.name;
            case Source::Payroll:
                return choose(2) == 0 ? month + " " + yearText + " payroll"
                                      : month + " " + yearText + " payroll - " + subject.brief;
            case Source::General:
                break;
        }
        switch (choose(6)) {
            case 0:
                return "Reclassify " + subject.brief + " costs";
            case 1:
                return "Accrual, " + month;
            case 2:
                return "Depreciation, " + month + " " + yearText;
            case 3:
                return "Allocate " + subject.brief + " overhead";
            case 4:
                return "Correct coding - " + vendor;
            default:
                return "Year-end adjustment, " + subject.name;
        }
    }

    std::string lineText(std::uint32_t row, bool debit, Source source, const std::string& month,
                         int year, const std::string& vendor, const std::string& payer,
                         const std::string& ref) {
        const CodeBlockRow& block = company_.codeBlock[row];
        const AccountClass c = accountTypes()[company_.accountType[block.account]].accountClass;
        const std::string& where = company_.prime().codes[block.account].brief;
        const std::string yearText = std::to_string(year);
        using enum AccountClass;
        switch (c) {
            case Cash:
                if (debit) {
                    switch (choose(3)) {
                        case 0:
                            return "Deposit " + ref;
                        case 1:
                            return "Receipts, " + where;
                        default:
                            return "Cash received, " + month;
                    }
                }
                if (source == Source::Payroll) {
                    return "Net pay, " + month + " " + yearText + " payroll";
                }
                switch (choose(3)) {
                    case 0:
                        return "Check " + std::to_string(random_.between(40000, 99999));
                    case 1:
                        return "Payment to " + vendor;
                    default:
                        return "Bank transfer, " + month;
                }
            case Salaries:
                return (choose(2) == 0 ? "Gross wages, " : "Overtime, ") + where;
            case Benefits:
                return (choose(2) == 0 ? "Employer taxes and benefits, " : "Health plan, ") + month;
            case PayrollLiability:
                return "Withholding, " + month + " " + yearText + " payroll";
            case Revenue:
            case Fees:
                return choose(2) == 0 ? payer + ", " + month : "Services billed, " + where;
            case Receivable:
                return choose(2) == 0 ? payer + " - billed " + month
                                      : "Payment on account, " + payer;
            case Payable:
            case Accrued:
                if (choose(2) == 0) {
                    return vendor + " invoice " + std::to_string(random_.between(1000, 99999));
                }
                return "Accrued, " + month + " " + yearText;
            case Deferred:
                return "Advance from " + payer;
            case Contra:
                return "Depreciation, " + month + " " + yearText;
            case Debt:
            case Equity:
                return "Reclassification, " + month + " " + yearText;
            default:
                switch (choose(3)) {
                    case 0:
                        return vendor + " - " + where;
                    case 1:
                        return where + " - " + month + " costs";
                    default:
                        return vendor + " invoice " + std::to_string(random_.between(1000, 99999));
                }
        }
    }

    void makeEntry(std::int32_t batch, std::int32_t number, int fiscalYear, int period, bool update,
                   int lineCount, JournalEntry& entry, std::vector<JournalLine>& lines) {
        using enum AccountClass;
        const CalendarMonth month = calendarMonthOf(fiscalYear, period, options_.startMonth);
        const std::string& monthName = monthNames()[static_cast<std::size_t>(month.month - 1)];
        const SourceKind& kind = update ? kSources[5] : drawSource();
        const std::uint32_t fund = drawFund();
        const bool mixedFunds = random_.chance(15, 100);
        const Subject& subject = random_.pick(subjects());
        const std::string& vendor = random_.pick(vendors());
        const std::string& payer = random_.pick(payers());

        const int n = lineCount;
        const int third = std::max(1, n / 3);
        int debits = n > 1 ? static_cast<int>(random_.between(1, n - 1)) : 0;
        Classes debitClasses{Expense, Salaries, Asset,   Receivable, Accrued, Revenue,
                             Contra,  Cash,     Payable, Deferred,   Debt};
        Classes creditClasses = debitClasses;
        switch (update ? Source::General : kind.source) {
            case Source::Receipts:
                debitClasses = {Cash};
                creditClasses = {Revenue, Fees, Receivable, Deferred};
                debits = n > 1 ? static_cast<int>(random_.between(1, third)) : 0;
                break;
            case Source::Disbursements:
                debitClasses = {Expense, Payable, Asset};
                creditClasses = {Cash};
                debits = n > 1 ? n - static_cast<int>(random_.between(1, third)) : 0;
                break;
            case Source::Payables:
                debitClasses = {Expense, Asset};
                creditClasses = {Payable, Accrued};
                debits = n > 1 ? n - static_cast<int>(random_.between(1, third)) : 0;
                break;
            case Source::Receivables:
                debitClasses = {Receivable};
                creditClasses = {Fees, Revenue, Deferred};
                debits = n > 1 ? static_cast<int>(random_.between(1, third)) : 0;
                break;
            case Source::Payroll:
                debitClasses = {Salaries, Benefits};
                creditClasses = {Cash, PayrollLiability};
                break;
            case Source::General:
                if (update) {
                    debitClasses = {Receivable, Asset, Cash};
                    creditClasses = {Payable, Accrued, Equity};
                }
                break;
        }

        entry.batch = batch;
        entry.entry = number;
        entry.fiscalYear = fiscalYear;
        entry.period = period;
        entry.updatesBeginningBalance = update;
        entry.sourceCode = kind.code;
        entry.applyToYear = fiscalYear;
        entry.reference = reference(kind.source, month, fiscalYear);
        std::string text =
            explanation(kind.source, update, monthName, month.year, subject, vendor, payer);

        // Amounts: the debits drawn, the credits a split of their total; a one-line entry
        // is a memo line of zero amounts.
        const Units high = kind.source == Source::Payroll ? 40000 : 12000;
        std::vector<Units> debitAmounts;
        Units debitTotal = 0;
        for (int i = 0; i < debits; ++i) {
            debitAmounts.push_back(drawAmount(random_, 5, high));
            debitTotal += debitAmounts.back();
        }
        const std::vector<Units> creditAmounts =
            n > 1 ? split(debitTotal, n - debits) : std::vector<Units>{0};

        lines.clear();
        for (int i = 0; i < n; ++i) {
            const bool debit = i < debits;
            const std::uint32_t lineFund = mixedFunds && random_.chance(40, 100)
                                               ? static_cast<std::uint32_t>(random_.below(funds_))
                                               : fund;
            JournalLine line;
            line.codeBlockRow = rowFor(lineFund, debit ? debitClasses : creditClasses);
            line.description = fitText(lineText(line.codeBlockRow, debit, kind.source, monthName,
                                                month.year, vendor, payer, entry.reference),
                                       60);
            line.debit = debit ? debitAmounts[static_cast<std::size_t>(i)] : 0;
            line.credit = debit ? 0 : creditAmounts[static_cast<std::size_t>(i - debits)];
            lines.push_back(std::move(line));
        }
        // Number the lines; now and then two lines on the same side share a Line number
        // as SubLines 1 and 2.
        std::int32_t lineNumber = 0;
        for (std::size_t i = 0; i < lines.size();) {
            ++lineNumber;
            const bool sameSide =
                i + 1 < lines.size() && (lines[i].debit > 0) == (lines[i + 1].debit > 0);
            if (sameSide && random_.chance(6, 100)) {
                lines[i].line = lines[i + 1].line = lineNumber;
                lines[i].subLine = 1;
                lines[i + 1].subLine = 2;
                i += 2;
            } else {
                lines[i].line = lineNumber;
                lines[i].subLine = 0;
                i += 1;
            }
        }
        if (random_.chance(1, 100)) {
            random_.shuffle(lines);  // keyed out of Line order
        }

        const int day = static_cast<int>(random_.between(1, daysInMonth(month.year, month.month)));
        entry.transactionDate = isoDate(month.year, month.month, day);
        const int laterDays = static_cast<int>(random_.between(0, 12));
        const int minuteOfDay = static_cast<int>(random_.between(450, 1139));
        const int secondsIntoDay = minuteOfDay * 60 + static_cast<int>(random_.below(60));
        entry.entryDateStamp = random_.chance(4, 10000)
                                   ? std::nullopt
                                   : std::optional<std::string>(isoDateTime(
                                         month.year, month.month, day, laterDays, secondsIntoDay));
        entry.applyToPeriod = period;
        if (update) {
            entry.applyToPeriod = 0;
        } else if (period > 1 && random_.chance(4, 1000)) {
            entry.applyToPeriod = period - 1;
        }
        entry.explanation =
            random_.chance(1, 1000) ? std::nullopt : std::optional<std::string>(fitText(text, 60));
    }

    const CompanyOptions& options_;
    const CompanyStructure& company_;
    JournalSink& sink_;
    RandomStream random_;
    std::uint32_t funds_ = 1;
    std::vector<std::array<std::vector<std::uint32_t>, kClassCount>> pools_;  // [fund][class]
    std::vector<std::uint32_t> cashRow_;                                      // per fund
    int checks_ = 40000;
    int deposits_ = 120000;
    int invoices_ = 10000;
    int bills_ = 50000;
    int journalVouchers_ = 0;
};

}  // namespace

void generateJournal(const CompanyOptions& options, const CompanyStructure& company,
                     JournalSink& sink) {
    JournalBuilder(options, company, sink).run();
}
