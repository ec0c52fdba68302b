// import_summary.cpp - counts and totals of an import (see import_summary.h).

#include "import_summary.h"

#include "date_format.h"
#include "number_format.h"
#include "windows1252.h"

namespace aap::host {
namespace {

void append_count(std::string& out, int64_t count, const char* singular, const char* plural) {
    append_integer(out, count);
    out += ' ';
    out += count == 1 ? singular : plural;
}

void append_debits_credits(std::string& out, __int128 debit, __int128 credit) {
    out += "debits ";
    append_ten_thousandths(out, debit);
    out += ", credits ";
    append_ten_thousandths(out, credit);
}

}  // namespace

void ImportSummary::begin(const LoadedCompany& company) {
    company_ = company;
}

void ImportSummary::code(int slot) {
    if (slot >= 0 && slot < aap::kPartSlots) ++codes_[slot];
}

void ImportSummary::entry(const DeliveredEntry& entry) {
    end_entry();
    ++phases_[static_cast<int>(entry.phase)].entries;
    open_.open = true;
    open_.sequence = entry.sequence;
    open_.phase = entry.phase;
    open_.debit = 0;
    open_.credit = 0;
    if (entry.phase == EntryPhase::kJournal) {
        // Kept only to name the entry should it not balance.
        open_.reference.clear();
        append_utf8(open_.reference, FieldText(entry.record->reference));
        open_.date.clear();
        if (is_writable_date(entry.record->entryDate)) {
            append_iso_date(open_.date, entry.record->entryDate);
        }
    }
}

void ImportSummary::line(const DeliveredLine& line) {
    PhaseTotals& phase = phases_[static_cast<int>(line.phase)];
    const int64_t debit = to_ten_thousandths(line.detail->debit);
    const int64_t credit = to_ten_thousandths(line.detail->credit);
    ++phase.lines;
    phase.debit += debit;
    phase.credit += credit;
    phase.quantity += to_ten_thousandths(line.detail->quantity);
    open_.debit += debit;
    open_.credit += credit;
}

void ImportSummary::end_entry() {
    if (!open_.open) return;
    open_.open = false;
    if (open_.debit == open_.credit) return;
    if (open_.phase == EntryPhase::kJournal) {
        ++unbalanced_count_;
        if (unbalanced_.size() < kListedUnbalanced) {
            unbalanced_.push_back(
                {open_.sequence, open_.reference, open_.date, open_.debit, open_.credit});
        }
    } else if (open_.phase == EntryPhase::kBeginningBalance) {
        opening_unbalanced_ = true;
    }
}

std::string ImportSummary::text() const {
    std::string out;
    const auto& journal = totals(EntryPhase::kJournal);
    const auto& opening = totals(EntryPhase::kBeginningBalance);
    const auto& budget = totals(EntryPhase::kBudget);

    out += to_utf8(FieldText(company_.company.companyName));
    out += ": fiscal year ";
    append_integer(out, company_.company.fiscalYear);
    out += " (starts in month ";
    append_integer(out, company_.company.fiscalStartMonth);
    out += "), entries from period ";
    append_integer(out, company_.start_period);
    out += '\n';

    out += "Account codes: ";
    for (int slot = 0; slot < company_.part_slots(); ++slot) {
        if (slot > 0) out += ", ";
        out += to_utf8(FieldText(company_.structure.partName[slot]));
        out += ' ';
        append_integer(out, codes_[slot]);
    }
    if (company_.part_slots() == 0) out += "no parts";
    out += '\n';

    out += "Journal: ";
    append_count(out, journal.entries, "entry", "entries");
    out += ", ";
    append_count(out, journal.lines, "line", "lines");
    out += ", ";
    append_debits_credits(out, journal.debit, journal.credit);
    out += '\n';

    out += "Beginning balance: ";
    append_count(out, opening.lines, "line", "lines");
    out += ", ";
    append_debits_credits(out, opening.debit, opening.credit);
    out += '\n';

    out += "Budget: ";
    append_count(out, budget.entries, "entry", "entries");
    out += ", ";
    append_count(out, budget.lines, "line", "lines");
    out += ", ";
    append_debits_credits(out, budget.debit, budget.credit);
    out += ", quantity ";
    append_ten_thousandths(out, budget.quantity);
    out += '\n';

    const int64_t announced = int64_t{company_.entry_total} - 1;
    if (journal.entries != announced) {
        out += "Warning: the module announced ";
        append_count(out, announced, "journal entry", "journal entries");
        out += " but delivered ";
        append_integer(out, journal.entries);
        out += '\n';
    }
    if (opening.entries != 1) {
        out += "Warning: expected one beginning-balance entry, got ";
        append_integer(out, opening.entries);
        out += '\n';
    }
    if (opening_unbalanced_) {
        out += "Warning: the beginning balance does not balance: ";
        append_debits_credits(out, opening.debit, opening.credit);
        out += '\n';
    }
    if (unbalanced_count_ > 0) {
        out += "Warning: ";
        append_count(out, unbalanced_count_, "journal entry does", "journal entries do");
        out += " not balance:\n";
        for (const Unbalanced& entry : unbalanced_) {
            out += "  entry ";
            append_integer(out, entry.sequence);
            if (!entry.reference.empty() || !entry.date.empty()) {
                out += " (";
                out += entry.reference;
                if (!entry.reference.empty() && !entry.date.empty()) out += ", ";
                out += entry.date;
                out += ')';
            }
            out += ": ";
            append_debits_credits(out, entry.debit, entry.credit);
            out += '\n';
        }
        if (unbalanced_count_ > static_cast<int64_t>(unbalanced_.size())) {
            out += "  and ";
            append_integer(out, unbalanced_count_ - static_cast<int64_t>(unbalanced_.size()));
            out += " more\n";
        }
    }
    return out;
}

}  // namespace aap::host
