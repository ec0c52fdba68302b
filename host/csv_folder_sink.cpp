// csv_folder_sink.cpp - the CSV folder output (see csv_folder_sink.h).

#include "csv_folder_sink.h"

#include <system_error>

#include "date_format.h"
#include "import_error.h"
#include "windows1252.h"

namespace aap::host {
namespace {

void write_date(CsvWriter& csv, aap::HostDate date, std::string& scratch) {
    if (!is_writable_date(date)) {
        csv.empty();
        return;
    }
    scratch.clear();
    append_iso_date(scratch, date);
    csv.text(scratch);
}

}  // namespace

const char* const CsvFolderSink::kFileNames[5] = {"company.csv", "parts.csv", "codes.csv",
                                                  "entries.csv", "lines.csv"};

CsvFolderSink::CsvFolderSink(const std::filesystem::path& folder) : folder_(folder) {}

void CsvFolderSink::begin(const LoadedCompany& company) {
    company_ = company;
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        throw ImportError("cannot create the folder " + folder_.string() + ": " + error.message());
    }
    company_file_ = std::make_unique<File>(folder_ / kFileNames[0]);
    parts_file_ = std::make_unique<File>(folder_ / kFileNames[1]);
    codes_file_ = std::make_unique<File>(folder_ / kFileNames[2]);
    entries_file_ = std::make_unique<File>(folder_ / kFileNames[3]);
    lines_file_ = std::make_unique<File>(folder_ / kFileNames[4]);

    write_company(company);
    write_parts(company);
    write_headers(company);
}

void CsvFolderSink::write_company(const LoadedCompany& company) {
    CsvWriter& csv = company_file_->csv;
    for (const char* name :
         {"package", "company_name", "company_path", "fiscal_year", "fiscal_start_month",
          "current_period", "start_period", "selected_journal_entries"}) {
        csv.text(name);
    }
    csv.end_row();
    csv.record_text(FieldText(company.package.packageName));
    csv.record_text(FieldText(company.company.companyName));
    csv.text(company.company_path);
    csv.integer(company.company.fiscalYear);
    csv.integer(company.company.fiscalStartMonth);
    csv.integer(company.company.currentPeriod);
    csv.integer(company.start_period);
    csv.integer(company.entry_total - 1);
    csv.end_row();
}

void CsvFolderSink::write_parts(const LoadedCompany& company) {
    CsvWriter& csv = parts_file_->csv;
    for (const char* name :
         {"slot", "part", "kind", "type", "base_part", "field_size", "brief_heading"}) {
        csv.text(name);
    }
    csv.end_row();
    const aap::AccountStructure& structure = company.structure;
    for (int slot = 0; slot < company.part_slots(); ++slot) {
        csv.integer(slot);
        csv.record_text(FieldText(structure.partName[slot]));
        csv.text(company.is_linked(slot) ? "linked" : "base");
        csv.record_text(FieldText(structure.partType[slot]));
        csv.record_text(FieldText(structure.basePartName[slot]));
        csv.integer(structure.fieldSize[slot]);
        csv.record_text(FieldText(structure.briefHeading[slot]));
        csv.end_row();
    }
}

void CsvFolderSink::write_headers(const LoadedCompany& company) {
    const aap::AccountStructure& structure = company.structure;

    CsvWriter& codes = codes_file_->csv;
    for (const char* name : {"slot", "part", "code", "description", "brief_description", "status",
                             "balance_side", "category"}) {
        codes.text(name);
    }
    for (int slot = company.base_parts(); slot < company.part_slots(); ++slot) {
        codes.record_text(FieldText(structure.partName[slot]));
    }
    codes.end_row();

    CsvWriter& entries = entries_file_->csv;
    for (const char* name :
         {"entry", "phase", "entry_date", "transaction_date", "apply_to_year", "apply_to_period",
          "source_code", "kind", "reference", "explanation", "description"}) {
        entries.text(name);
    }
    entries.end_row();

    CsvWriter& lines = lines_file_->csv;
    for (const char* name : {"entry", "phase", "line"}) lines.text(name);
    for (int slot = 0; slot < company.base_parts(); ++slot) {
        lines.record_text(FieldText(structure.partName[slot]));
    }
    for (const char* name : {"description", "debit", "credit", "quantity"}) lines.text(name);
    lines.end_row();
}

void CsvFolderSink::code(int slot, const aap::AccountRecord& account) {
    CsvWriter& csv = codes_file_->csv;
    const aap::AccountStructure& structure = company_.structure;
    csv.integer(slot);
    csv.record_text(FieldText(structure.partName[slot]));
    csv.record_text(FieldText(account.segment[0]));
    csv.record_text(FieldText(account.description));
    csv.record_text(FieldText(account.briefDescription));
    csv.record_text(FieldText(account.status));
    if (FieldText(structure.partType[slot]) == "Prime") {
        csv.record_text(FieldText(account.balanceSide));
        csv.integer(account.category);
    } else {
        csv.empty();
        csv.empty();
    }
    for (int linked = company_.base_parts(); linked < company_.part_slots(); ++linked) {
        csv.record_text(FieldText(account.segment[linked]));
    }
    csv.end_row();
}

void CsvFolderSink::entry(const DeliveredEntry& entry) {
    CsvWriter& csv = entries_file_->csv;
    const aap::EntryRecord& record = *entry.record;
    csv.integer(entry.sequence);
    csv.text(phase_name(entry.phase));
    write_date(csv, record.entryDate, scratch_);
    write_date(csv, record.transactionDate, scratch_);
    csv.integer(record.applyToYear);
    csv.integer(record.applyToPeriod);
    csv.record_text(FieldText(record.sourceCode));
    csv.record_text(FieldText(record.entryKind));
    csv.record_text(FieldText(record.reference));
    csv.record_text(FieldText(record.explanation));
    csv.record_text(entry.description);
    csv.end_row();
}

void CsvFolderSink::line(const DeliveredLine& line) {
    CsvWriter& csv = lines_file_->csv;
    csv.integer(line.entry_sequence);
    csv.text(phase_name(line.phase));
    csv.integer(line.line_number);
    for (int slot = 0; slot < company_.base_parts(); ++slot) {
        csv.record_text(FieldText(line.account->segment[slot]));
    }
    const aap::DetailRecord& detail = *line.detail;
    const AmountKind kind = amount_kind(line.phase);
    csv.record_text(FieldText(detail.lineDescription));
    csv.amount(detail.debit, kind);
    csv.amount(detail.credit, kind);
    csv.amount(detail.quantity, kind);
    csv.end_row();
}

void CsvFolderSink::finish() {
    for (auto* file : {&company_file_, &parts_file_, &codes_file_, &entries_file_, &lines_file_}) {
        if (*file) (*file)->output.close();
    }
}

}  // namespace aap::host
