// module_session.h - calling the converter module's exports while watching
// what it writes to standard error.

#ifndef AAP_HOST_MODULE_SESSION_H_
#define AAP_HOST_MODULE_SESSION_H_

#include <cstdint>
#include <string>

#include "module_library.h"
#include "stderr_capture.h"

namespace aap::host {

class ProgressBar;

// Every call into the module goes through here.  Through the exports a 0
// result means either "nothing more" or "failed"; only the module's messages
// on standard error tell the two apart.  After every 0 result (and every few
// thousand calls in any case) the session takes what the module wrote, passes
// it on to the user's standard error and counts the failure lines in it.
class ModuleSession {
  public:
    ModuleSession(const ModuleApi& api, StderrCapture& capture) : api_(api), capture_(capture) {}

    // The status line to clear before the module's text is passed on.
    void set_progress(ProgressBar* progress) { progress_ = progress; }

    int load_package(aap::PackageInfo* package);
    int find_first_company(const char* path, aap::CompanyInfo* company);
    int find_next_company();
    int find_close();
    int load_company(aap::CompanyInfo* company, aap::AccountStructure* structure,
                     int32_t* entry_total);
    int load_acct_part_code(aap::AccountStructure* structure, aap::AccountRecord* account);
    int load_entry(aap::CompanyInfo* company, aap::AccountStructure* structure,
                   aap::EntryRecord* entry, char* entry_description);
    int load_detail(aap::AccountStructure* structure, aap::DetailAccount* account,
                    aap::DetailRecord* detail);
    int load_invoice_detail();
    int unload_company(aap::AccountStructure* structure);

    // Takes and passes on what the module wrote so far.
    void pass_on_messages() { check(nullptr); }

    // Failure lines seen so far, and the export during which the first arrived.
    int failures() const { return failures_; }
    const std::string& first_failed_call() const { return first_failed_call_; }

  private:
    int after_call(const char* name, int result) {
        if (result == 0 || ++calls_since_check_ >= kCheckInterval) check(name);
        return result;
    }
    void check(const char* name);

    static constexpr int kCheckInterval = 4096;

    const ModuleApi& api_;
    StderrCapture& capture_;
    ProgressBar* progress_ = nullptr;
    int calls_since_check_ = 0;
    int failures_ = 0;
    std::string first_failed_call_;
};

}  // namespace aap::host

#endif  // AAP_HOST_MODULE_SESSION_H_
