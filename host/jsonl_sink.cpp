// jsonl_sink.cpp - the JSON Lines output (see jsonl_sink.h).

#include "jsonl_sink.h"

#include <string>

#include "date_format.h"
#include "json_text.h"
#include "number_format.h"
#include "windows1252.h"

namespace aap::host {
namespace {

using Json = nlohmann::ordered_json;

Json text(std::string_view windows1252) {
    return to_utf8(windows1252);
}

void append_date(std::string& out, aap::HostDate date) {
    if (!is_writable_date(date)) {
        out += "null";
        return;
    }
    out += '"';
    append_iso_date(out, date);
    out += '"';
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
    account_members_.clear();
    for (int slot = 0; slot < company.base_parts(); ++slot) {
        account_members_.push_back(text(FieldText(company.structure.partName[slot])).dump() + ':');
    }
    write(Json{
        {"type", "company"},
        {"package", text(FieldText(company.package.packageName))},
        {"name", text(FieldText(company.company.companyName))},
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
            {"name", text(FieldText(structure.partName[slot]))},
            {"kind", company.is_linked(slot) ? "linked" : "base"},
            {"part_type", text(FieldText(structure.partType[slot]))},
            {"base_part", text(FieldText(structure.basePartName[slot]))},
            {"field_size", int{structure.fieldSize[slot]}},
            {"brief_heading", text(FieldText(structure.briefHeading[slot]))},
        });
    }
}

void JsonLinesSink::code(int slot, const aap::AccountRecord& account) {
    const aap::AccountStructure& structure = company_.structure;
    const bool prime = FieldText(structure.partType[slot]) == "Prime";
    Json linked = Json::object();
    for (int other = company_.base_parts(); other < company_.part_slots(); ++other) {
        const std::string_view value = FieldText(account.segment[other]);
        if (!value.empty()) linked[to_utf8(FieldText(structure.partName[other]))] = text(value);
    }
    write(Json{
        {"type", "code"},
        {"slot", slot},
        {"part", text(FieldText(structure.partName[slot]))},
        {"code", text(FieldText(account.segment[0]))},
        {"description", text(FieldText(account.description))},
        {"brief_description", text(FieldText(account.briefDescription))},
        {"status", text(FieldText(account.status))},
        {"balance_side", prime ? text(FieldText(account.balanceSide)) : Json(nullptr)},
        {"category", prime ? Json(int{account.category}) : Json(nullptr)},
        {"linked", std::move(linked)},
    });
}

void JsonLinesSink::entry(const DeliveredEntry& entry) {
    const aap::EntryRecord& record = *entry.record;
    std::string& out = output_->buffer();
    out += "{\"type\":\"entry\",\"entry\":";
    append_integer(out, entry.sequence);
    out += ",\"phase\":\"";
    out += phase_name(entry.phase);
    out += "\",\"entry_date\":";
    append_date(out, record.entryDate);
    out += ",\"transaction_date\":";
    append_date(out, record.transactionDate);
    out += ",\"apply_to_year\":";
    append_integer(out, record.applyToYear);
    out += ",\"apply_to_period\":";
    append_integer(out, record.applyToPeriod);
    out += ",\"source_code\":";
    append_json_record_string(out, FieldText(record.sourceCode));
    out += ",\"kind\":";
    append_json_record_string(out, FieldText(record.entryKind));
    out += ",\"reference\":";
    append_json_record_string(out, FieldText(record.reference));
    out += ",\"explanation\":";
    append_json_record_string(out, FieldText(record.explanation));
    out += ",\"description\":";
    append_json_record_string(out, entry.description);
    out += "}\n";
    output_->flush_if_full();
}

void JsonLinesSink::line(const DeliveredLine& line) {
    std::string& out = output_->buffer();
    out += "{\"type\":\"line\",\"entry\":";
    append_integer(out, line.entry_sequence);
    out += ",\"line\":";
    append_integer(out, line.line_number);
    out += ",\"phase\":\"";
    out += phase_name(line.phase);
    out += "\",\"account\":{";
    for (std::size_t slot = 0; slot < account_members_.size(); ++slot) {
        if (slot > 0) out += ',';
        out += account_members_[slot];
        append_json_record_string(out, FieldText(line.account->segment[slot]));
    }
    const aap::DetailRecord& detail = *line.detail;
    const AmountKind kind = amount_kind(line.phase);
    out += "},\"description\":";
    append_json_record_string(out, FieldText(detail.lineDescription));
    out += ",\"debit\":";
    append_json_amount(out, detail.debit, kind);
    out += ",\"credit\":";
    append_json_amount(out, detail.credit, kind);
    out += ",\"quantity\":";
    append_json_amount(out, detail.quantity, kind);
    out += "}\n";
    output_->flush_if_full();
}

void JsonLinesSink::finish() {
    if (output_) output_->close();
}

}  // namespace aap::host
