// import_run.cpp - the calling order of a whole import (see import_run.h).

#include "import_run.h"

#include <cstring>

#include "import_error.h"
#include "windows1252.h"

namespace aap::host {
namespace {

// Journal entries leave the description buffer alone; the beginning-balance
// entry and the budget entries (kind "B") fill it.
EntryPhase phase_of(const aap::EntryRecord& entry, std::string_view description) {
    if (FieldText(entry.entryKind) == "B") return EntryPhase::kBudget;
    if (!description.empty()) return EntryPhase::kBeginningBalance;
    return EntryPhase::kJournal;
}

[[noreturn]] void throw_module_failure(const ModuleSession& session) {
    std::string reason = "the module reported a failure";
    if (!session.first_failed_call().empty()) reason += " in " + session.first_failed_call();
    throw ImportError(reason);
}

// Unloads the company on every way out once it has been loaded.
class LoadedCompanyGuard {
  public:
    LoadedCompanyGuard(ModuleSession& session, aap::AccountStructure& structure)
        : session_(session), structure_(structure) {}
    ~LoadedCompanyGuard() {
        if (loaded_) session_.unload_company(&structure_);
    }
    LoadedCompanyGuard(const LoadedCompanyGuard&) = delete;
    LoadedCompanyGuard& operator=(const LoadedCompanyGuard&) = delete;

    void unload() {
        loaded_ = false;
        session_.unload_company(&structure_);
    }

  private:
    ModuleSession& session_;
    aap::AccountStructure& structure_;
    bool loaded_ = true;
};

bool structure_fits(const aap::AccountStructure& structure) {
    return structure.partCount >= 0 && structure.linkedCount >= 0 &&
           structure.partCount + structure.linkedCount <= aap::kPartSlots;
}

void import_codes(ModuleSession& session, LoadedCompany& company, ImportSink& sink,
                  ImportSummary& summary) {
    aap::AccountRecord account;
    for (int slot = 0; slot < company.part_slots(); ++slot) {
        for (;;) {
            // A fresh record for every call: the module writes balanceSide and
            // category for the Prime part only, and linked segments only where
            // they belong.
            std::memset(&account, 0, sizeof account);
            company.structure.currentPart = static_cast<int16_t>(slot);
            if (session.load_acct_part_code(&company.structure, &account) == 0) break;
            sink.code(slot, account);
            summary.code(slot);
        }
        if (session.failures() > 0) throw_module_failure(session);
    }
}

void import_entries(ModuleSession& session, LoadedCompany& company, ImportSink& sink,
                    ImportSummary& summary, ProgressBar& progress) {
    aap::EntryRecord entry;
    char description[aap::kEntryDescriptionSize];
    aap::DetailAccount account;
    aap::DetailRecord detail;
    int64_t sequence = 0;
    std::memset(&account, 0, sizeof account);
    const std::size_t base_segment_bytes =
        static_cast<std::size_t>(company.base_parts()) * sizeof account.segment[0];

    for (;;) {
        // Fresh records for every call, so that no text of an earlier entry or
        // line shows through a field the module leaves alone.
        std::memset(&entry, 0, sizeof entry);
        std::memset(description, 0, sizeof description);
        if (session.load_entry(&company.company, &company.structure, &entry, description) == 0) {
            break;
        }
        const std::string_view description_text = FieldText(description);
        const DeliveredEntry delivered{++sequence, phase_of(entry, description_text), &entry,
                                       description_text};
        sink.entry(delivered);
        summary.entry(delivered);
        progress.entry_delivered(delivered.phase == EntryPhase::kBudget);

        DeliveredLine line{sequence, 0, delivered.phase, &account, &detail};
        for (;;) {
            // Only the base parts' segments are written and read; the others
            // stay as zeroed once above.
            std::memset(&account, 0, base_segment_bytes);
            std::memset(&detail, 0, sizeof detail);
            if (session.load_detail(&company.structure, &account, &detail) == 0) break;
            ++line.line_number;
            sink.line(line);
            summary.line(line);
        }
        if (session.failures() > 0) throw_module_failure(session);
    }
    summary.end_entry();
    if (session.failures() > 0) throw_module_failure(session);
}

}  // namespace

ProbeResult probe_company(ModuleSession& session, const std::string& company_path) {
    ProbeResult result;
    if (company_path.size() >= sizeof result.company.companyPath) {
        throw ImportError("the path of the company file is too long (" +
                          std::to_string(company_path.size()) + " bytes, at most " +
                          std::to_string(sizeof result.company.companyPath - 1) + ")");
    }
    session.load_package(&result.package);
    result.is_company = session.find_first_company(company_path.c_str(), &result.company) == 1;
    session.find_next_company();
    session.find_close();
    return result;
}

void run_import(ModuleSession& session, const std::string& company_path, int start_period,
                ImportSink& sink, ImportSummary& summary, ProgressBar& progress) {
    const ProbeResult probe = probe_company(session, company_path);
    if (!probe.is_company) throw ImportError(company_path + " is not a company database");

    LoadedCompany company;
    company.package = probe.package;
    company.company = probe.company;
    company.company_path = company_path;
    company.start_period = start_period;
    company.company.currentPeriod = static_cast<int16_t>(start_period);
    if (session.load_company(&company.company, &company.structure, &company.entry_total) == 0) {
        throw ImportError(session.failures() > 0
                              ? "the module refused the company"
                              : "the module refused the company without saying why");
    }
    if (!structure_fits(company.structure)) {
        throw ImportError("the module described an account structure that does not fit");
    }
    LoadedCompanyGuard guard(session, company.structure);
    if (session.failures() > 0) throw_module_failure(session);

    sink.begin(company);
    summary.begin(company);
    import_codes(session, company, sink, summary);

    progress.set_total(company.entry_total);
    session.set_progress(&progress);
    import_entries(session, company, sink, summary, progress);

    session.load_invoice_detail();
    guard.unload();
    session.pass_on_messages();
    if (session.failures() > 0) throw_module_failure(session);
    progress.clear();
    sink.finish();
}

}  // namespace aap::host
