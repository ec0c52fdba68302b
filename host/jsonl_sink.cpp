// jsonl_sink.cpp - the JSON Lines output (see jsonl_sink.h).

#include "jsonl_sink.h"

#include <cmath>
#include <string>

#include "date_format.h"
#include "windows1252.h"

namespace aap::host {
namespace {

using Json = nlohmann::ordered_json;

Json text(std::string_view windows1252) {
    return to_utf8(windows1252);
}

Json date(aap::HostDate value) {
    if (!is_writable_date(value)) return nullptr;
    std::string iso;
    append_iso_date(iso, value);
    return iso;
}

// A whole amount is written as an integer (4125, not 4125.0); any other as
// the double whose shortest text is the amount's exact decimal.
Json amount(double value, AmountKind kind) {
    const double canonical = canonical_amount(value, kind);
    constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53
    if (std::isfinite(canonical) && std::fabs(canonical) < kExactIntegerLimit &&
        canonical == std::trunc(canonical)) {
        return static_cast<int64_t>(canonical);
    }
    if (!std::isfinite(canonical)) return nullptr;  // JSON has no NaN or infinity
    return canonical;
}

}  // namespace

JsonLinesSink::JsonLinesSink(const std::filesystem::path& path) : path_(path) {}

void JsonLinesSink::write(const Json& object) {
    std::string& out = output_->buffer();
    out += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
    output_->flush_if_full();
}

void JsonLinesSink::begin(const LoadedCompany& company) {
    company_ = company;
    output_ = std::make_unique<OutputFile>(path_);
    write(Json{
        {"type", "company"},
        {"package", text(field_text(company.package.packageName))},
        {"name", text(field_text(company.company.companyName))},
        {"path", company.company_path},
        {"fiscal_year", int{company.company.fiscalYear}},
        {"fiscal_start_month", int{company.company.fiscalStartMonth}},
        {"current_period", int{company.company.currentPeriod}},
        {"start_period", company.start_period},
        {"selected_journal_entries", company.entry_total - 1},
    });
    const aap::AccountStructure& structure = company.structure;
    for (int slot = 0; slot < company.part_slots(); ++slot) {
        write(Json{
            {"type", "part"},
            {"slot", slot},
            {"name", text(field_text(structure.partName[slot]))},
            {"kind", company.is_linked(slot) ? "linked" : "base"},
            {"part_type", text(field_text(structure.partType[slot]))},
            {"base_part", text(field_text(structure.basePartName[slot]))},
            {"field_size", int{structure.fieldSize[slot]}},
            {"brief_heading", text(field_text(structure.briefHeading[slot]))},
        });
    }
}

void JsonLinesSink::code(int slot, const aap::AccountRecord& account) {
    const aap::AccountStructure& structure = company_.structure;
    const bool prime = field_text(structure.partType[slot]) == "Prime";
    Json linked = Json::object();
    for (int other = company_.base_parts(); other < company_.part_slots(); ++other) {
        const std::string_view value = field_text(account.segment[other]);
        if (!value.empty()) linked[to_utf8(field_text(structure.partName[other]))] = text(value);
    }
    write(Json{
        {"type", "code"},
        {"slot", slot},
        {"part", text(field_text(structure.partName[slot]))},
        {"code", text(field_text(account.segment[0]))},
        {"description", text(field_text(account.description))},
        {"brief_description", text(field_text(account.briefDescription))},
        {"status", text(field_text(account.status))},
        {"balance_side", prime ? text(field_text(account.balanceSide)) : Json(nullptr)},
        {"category", prime ? Json(int{account.category}) : Json(nullptr)},
        {"linked", std::move(linked)},
    });
}

void JsonLinesSink::entry(const DeliveredEntry& entry) {
    const aap::EntryRecord& record = *entry.record;
    write(Json{
        {"type", "entry"},
        {"entry", entry.sequence},
        {"phase", phase_name(entry.phase)},
        {"entry_date", date(record.entryDate)},
        {"transaction_date", date(record.transactionDate)},
        {"apply_to_year", int{record.applyToYear}},
        {"apply_to_period", int{record.applyToPeriod}},
        {"source_code", text(field_text(record.sourceCode))},
        {"kind", text(field_text(record.entryKind))},
        {"reference", text(field_text(record.reference))},
        {"explanation", text(field_text(record.explanation))},
        {"description", text(entry.description)},
    });
}

void JsonLinesSink::line(const DeliveredLine& line) {
    const aap::AccountStructure& structure = company_.structure;
    Json account = Json::object();
    for (int slot = 0; slot < company_.base_parts(); ++slot) {
        account[to_utf8(field_text(structure.partName[slot]))] =
            text(field_text(line.account->segment[slot]));
    }
    const aap::DetailRecord& detail = *line.detail;
    const AmountKind kind = amount_kind(line.phase);
    write(Json{
        {"type", "line"},
        {"entry", line.entry_sequence},
        {"line", line.line_number},
        {"phase", phase_name(line.phase)},
        {"account", std::move(account)},
        {"description", text(field_text(detail.lineDescription))},
        {"debit", amount(detail.debit, kind)},
        {"credit", amount(detail.credit, kind)},
        {"quantity", amount(detail.quantity, kind)},
    });
}

void JsonLinesSink::finish() {
    if (output_) output_->close();
}

}  // namespace aap::host
