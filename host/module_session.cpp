// module_session.cpp - calls into the module (see module_session.h).

#include "module_session.h"

#include <unistd.h>

#include "progress_bar.h"

namespace aap::host {

void ModuleSession::check(const char* name) {
    calls_since_check_ = 0;
    const StderrCapture::Captured captured = capture_.take();
    if (captured.text.empty()) return;
    if (progress_ != nullptr) progress_->clear();
    const int fd = capture_.user_stderr();
    std::size_t done = 0;
    while (fd >= 0 && done < captured.text.size()) {
        const ssize_t written =
            ::write(fd, captured.text.data() + done, captured.text.size() - done);
        if (written <= 0) break;
        done += static_cast<std::size_t>(written);
    }
    if (captured.failure_lines > 0) {
        if (failures_ == 0 && name != nullptr) first_failed_call_ = name;
        failures_ += captured.failure_lines;
    }
}

int ModuleSession::load_package(aap::PackageInfo* package) {
    return after_call("AAP_LoadPackage", api_.load_package(package));
}

int ModuleSession::find_first_company(const char* path, aap::CompanyInfo* company) {
    return after_call("AAP_FindFirstCompany", api_.find_first_company(path, company));
}

int ModuleSession::find_next_company() {
    return after_call("AAP_FindNextCompany", api_.find_next_company());
}

int ModuleSession::find_close() {
    return after_call("AAP_FindClose", api_.find_close());
}

int ModuleSession::load_company(aap::CompanyInfo* company, aap::AccountStructure* structure,
                                int32_t* entry_total) {
    return after_call("AAP_LoadCompany", api_.load_company(company, structure, entry_total));
}

int ModuleSession::load_acct_part_code(aap::AccountStructure* structure,
                                       aap::AccountRecord* account) {
    return after_call("AAP_LoadAcctPartCode",
                      api_.load_acct_part_code(nullptr, structure, account));
}

int ModuleSession::load_entry(aap::CompanyInfo* company, aap::AccountStructure* structure,
                              aap::EntryRecord* entry, char* entry_description) {
    return after_call("AAP_LoadEntry",
                      api_.load_entry(company, structure, nullptr, entry, entry_description));
}

int ModuleSession::load_detail(aap::AccountStructure* structure, aap::DetailAccount* account,
                               aap::DetailRecord* detail) {
    return after_call("AAP_LoadDetail",
                      api_.load_detail(nullptr, structure, account, nullptr, detail));
}

int ModuleSession::load_invoice_detail() {
    return after_call("AAP_LoadInvoiceDetail", api_.load_invoice_detail());
}

int ModuleSession::unload_company(aap::AccountStructure* structure) {
    return after_call("AAP_UnloadCompany", api_.unload_company(nullptr, structure));
}

}  // namespace aap::host
