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

// Overwrites a string value in place, reusing its buffer.
void set_text(Json& slot, std::string_view utf8) {
    if (!slot.is_string()) slot = "";
    slot.get_ref<std::string&>().assign(utf8);
}

void set_record_text(Json& slot, std::string_view windows1252) {
    if (!slot.is_string()) slot = "";
    std::string& value = slot.get_ref<std::string&>();
    value.clear();
    append_utf8(value, windows1252);
}

// An ISO date, or null for no date.
void set_date(Json& slot, aap::HostDate value) {
    if (!is_writable_date(value)) {
        slot = nullptr;
        return;
    }
    if (!slot.is_string()) slot = "";
    std::string& text = slot.get_ref<std::string&>();
    text.clear();
    append_iso_date(text, value);
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
    prepare_slots();
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

void JsonLinesSink::prepare_slots() {
    entry_.object = Json{
        {"type", "entry"},
        {"entry", 0},
        {"phase", ""},
        {"entry_date", nullptr},
        {"transaction_date", nullptr},
        {"apply_to_year", 0},
        {"apply_to_period", 0},
        {"source_code", ""},
        {"kind", ""},
        {"reference", ""},
        {"explanation", ""},
        {"description", ""},
    };
    Json& entry = entry_.object;
    entry_.sequence = &entry["entry"];
    entry_.phase = &entry["phase"];
    entry_.entry_date = &entry["entry_date"];
    entry_.transaction_date = &entry["transaction_date"];
    entry_.apply_to_year = &entry["apply_to_year"];
    entry_.apply_to_period = &entry["apply_to_period"];
    entry_.source_code = &entry["source_code"];
    entry_.kind = &entry["kind"];
    entry_.reference = &entry["reference"];
    entry_.explanation = &entry["explanation"];
    entry_.description = &entry["description"];

    Json account = Json::object();
    for (int slot = 0; slot < company_.base_parts(); ++slot) {
        account[to_utf8(field_text(company_.structure.partName[slot]))] = "";
    }
    line_.object = Json{
        {"type", "line"},    {"entry", 0}, {"line", 0},   {"phase", ""},   {"account", account},
        {"description", ""}, {"debit", 0}, {"credit", 0}, {"quantity", 0},
    };
    Json& line = line_.object;
    line_.entry = &line["entry"];
    line_.line = &line["line"];
    line_.phase = &line["phase"];
    line_.description = &line["description"];
    line_.debit = &line["debit"];
    line_.credit = &line["credit"];
    line_.quantity = &line["quantity"];
    line_.account.clear();
    // Parts with the same name share one member, as they would in any object.
    for (int slot = 0; slot < company_.base_parts(); ++slot) {
        line_.account.push_back(
            &line["account"][to_utf8(field_text(company_.structure.partName[slot]))]);
    }
}

void JsonLinesSink::entry(const DeliveredEntry& entry) {
    const aap::EntryRecord& record = *entry.record;
    *entry_.sequence = entry.sequence;
    set_text(*entry_.phase, phase_name(entry.phase));
    set_date(*entry_.entry_date, record.entryDate);
    set_date(*entry_.transaction_date, record.transactionDate);
    *entry_.apply_to_year = int{record.applyToYear};
    *entry_.apply_to_period = int{record.applyToPeriod};
    set_record_text(*entry_.source_code, field_text(record.sourceCode));
    set_record_text(*entry_.kind, field_text(record.entryKind));
    set_record_text(*entry_.reference, field_text(record.reference));
    set_record_text(*entry_.explanation, field_text(record.explanation));
    set_record_text(*entry_.description, entry.description);
    write(entry_.object);
}

void JsonLinesSink::line(const DeliveredLine& line) {
    *line_.entry = line.entry_sequence;
    *line_.line = line.line_number;
    set_text(*line_.phase, phase_name(line.phase));
    for (std::size_t slot = 0; slot < line_.account.size(); ++slot) {
        set_record_text(*line_.account[slot], field_text(line.account->segment[slot]));
    }
    const aap::DetailRecord& detail = *line.detail;
    const AmountKind kind = amount_kind(line.phase);
    set_record_text(*line_.description, field_text(detail.lineDescription));
    *line_.debit = amount(detail.debit, kind);
    *line_.credit = amount(detail.credit, kind);
    *line_.quantity = amount(detail.quantity, kind);
    write(line_.object);
}

void JsonLinesSink::finish() {
    if (output_) output_->close();
}

}  // namespace aap::host
