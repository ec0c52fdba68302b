// import_run.h - one whole import, driven through the module's exports in
// their calling order.

#ifndef AAP_HOST_IMPORT_RUN_H_
#define AAP_HOST_IMPORT_RUN_H_

#include <string>

#include "import_sink.h"
#include "import_summary.h"
#include "module_session.h"
#include "plugin/host_records.h"
#include "progress_bar.h"

namespace aap::host {

// What the module says about itself and the company in a file, before any
// company is loaded.
struct ProbeResult {
    aap::PackageInfo package{};
    aap::CompanyInfo company{};
    bool is_company = false;
};

// The package, then the company search: AAP_LoadPackage, AAP_FindFirstCompany,
// AAP_FindNextCompany, AAP_FindClose.  Throws ImportError for a path the
// records cannot hold.
ProbeResult probe_company(ModuleSession& session, const std::string& company_path);

// Imports the company in `company_path` from period `start_period` of its
// current fiscal year on: probe, load, every code of every part slot, every
// entry with its lines, unload.  Everything delivered goes to `sink` and
// `summary`; entries advance `progress`.  Throws ImportError when the file is
// not a company database, the module refuses the company, or the module
// reports a failure; the company is unloaded again first when it was loaded.
void run_import(ModuleSession& session, const std::string& company_path, int start_period,
                ImportSink& sink, ImportSummary& summary, ProgressBar& progress);

}  // namespace aap::host

#endif  // AAP_HOST_IMPORT_RUN_H_
