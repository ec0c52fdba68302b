// exports.cpp - the ten exported functions: argument checks, the exception
// boundary, and the message convention around the company and journal code.

#include "plugin/exports.h"

#include <exception>
#include <string>

#include "company/account_codes.h"
#include "company/company_load.h"
#include "db/call_outcome.h"
#include "db/converter_state.h"
#include "journal/detail_lines.h"
#include "journal/entry_stream.h"
#include "plugin/message_box.h"
#include "plugin/package_discovery.h"

namespace {

using aap::CallOutcome;

// Texts for failures that the company and journal code do not name
// themselves (an engine failure outside a guarded step).
constexpr char kCompanyFailure[] = "Unable to open the Vantrel Server tables.";
constexpr char kCodesFailure[] = "Unable to read the Vantrel Server account codes.";
constexpr char kEntryFailure[] = "Unable to read the Vantrel Server journal entries.";
constexpr char kDetailFailure[] = "Unable to read the Vantrel Server entry lines.";
constexpr char kUnloadFailure[] = "Unable to close the Vantrel Server company.";

// Runs `body` inside the exception boundary: its outcome's message, if any,
// is shown with `owner`; an exception becomes `failureText` with the
// exception's own text as the detail.  Returns 1 or 0, nothing else.
template <typename Body>
int AtBoundary(const aap::OwnerWindow& owner, const char* failureText, Body&& body,
               bool* failed = nullptr) noexcept {
    try {
        const CallOutcome outcome = body();
        if (outcome.ShowsMessage()) aap::ShowMessageBox(owner, outcome.message, outcome.detail);
        return outcome.result == 1 ? 1 : 0;
    } catch (const std::exception& error) {
        aap::ShowMessageBox(owner, failureText, error.what());
    } catch (...) {
        aap::ShowMessageBox(owner, failureText, "unknown failure");
    }
    if (failed != nullptr) *failed = true;
    return 0;
}

}  // namespace

int AAP_LoadPackage(aap::PackageInfo* package) {
    if (package == nullptr) return 0;
    return aap::LoadPackage(package);
}

int AAP_FindFirstCompany(const char* path, aap::CompanyInfo* company) {
    try {
        return aap::FindFirstCompany(path, company);
    } catch (...) {
        return 0;  // the probe never shows a message
    }
}

int AAP_FindNextCompany(void) {
    return 0;
}

int AAP_FindClose(void) {
    return 1;
}

int AAP_LoadCompany(aap::CompanyInfo* company, aap::AccountStructure* structure,
                    int32_t* entryTotal) {
    if (company == nullptr || structure == nullptr || entryTotal == nullptr) return 0;
    const aap::OwnerWindow owner = aap::ActiveWindow();
    return AtBoundary(owner, kCompanyFailure, [&] {
        return aap::LoadCompany(aap::State(), company, structure, entryTotal);
    });
}

int AAP_LoadAcctPartCode(void* /*unused*/, aap::AccountStructure* structure,
                         aap::AccountRecord* account) {
    aap::ConverterState& state = aap::State();
    if (structure == nullptr || account == nullptr || !state.companyLoaded) return 0;
    return AtBoundary(aap::ActiveWindow(), kCodesFailure, [&] {
        return CallOutcome::Done(aap::LoadAccountCode(state, *structure, account));
    });
}

int AAP_LoadEntry(aap::CompanyInfo* company, aap::AccountStructure* structure, void* /*unused*/,
                  aap::EntryRecord* entry, char* entryDescription) {
    aap::ConverterState& state = aap::State();
    if (company == nullptr || structure == nullptr || entry == nullptr ||
        entryDescription == nullptr || !state.companyLoaded || state.streamOver) {
        return 0;
    }
    const aap::OwnerWindow owner = aap::ActiveWindow();
    bool failed = false;
    const int result = AtBoundary(
        owner, kEntryFailure,
        [&] { return aap::LoadEntry(state, company, structure, entry, entryDescription); },
        &failed);
    if (failed) state.streamOver = true;
    return result;
}

int AAP_LoadDetail(void* /*unused1*/, aap::AccountStructure* structure,
                   aap::DetailAccount* detailAccount, void* /*unused4*/,
                   aap::DetailRecord* detail) {
    aap::ConverterState& state = aap::State();
    if (structure == nullptr || detailAccount == nullptr || detail == nullptr ||
        !state.companyLoaded || state.streamOver) {
        return 0;
    }
    bool failed = false;
    const int result = AtBoundary(
        aap::ActiveWindow(), kDetailFailure,
        [&] { return aap::LoadDetail(state, structure, detailAccount, detail); }, &failed);
    if (failed) state.streamOver = true;
    return result;
}

int AAP_LoadInvoiceDetail(void) {
    return 0;
}

int AAP_UnloadCompany(void* /*unused*/, aap::AccountStructure* structure) {
    return AtBoundary(aap::ActiveWindow(), kUnloadFailure, [&] {
        return CallOutcome::Done(aap::UnloadCompany(aap::State(), structure));
    });
}
