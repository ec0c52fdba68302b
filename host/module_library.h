// module_library.h - loading a converter module at run time and finding its
// ten exported functions.

#ifndef AAP_HOST_MODULE_LIBRARY_H_
#define AAP_HOST_MODULE_LIBRARY_H_

#include <filesystem>

#include "plugin/host_records.h"

namespace aap::host {

// The ten entry points of a converter module.
struct ModuleApi {
    AAP_LoadPackage_fn load_package = nullptr;
    AAP_FindFirstCompany_fn find_first_company = nullptr;
    AAP_FindNextCompany_fn find_next_company = nullptr;
    AAP_FindClose_fn find_close = nullptr;
    AAP_LoadCompany_fn load_company = nullptr;
    AAP_LoadAcctPartCode_fn load_acct_part_code = nullptr;
    AAP_LoadEntry_fn load_entry = nullptr;
    AAP_LoadDetail_fn load_detail = nullptr;
    AAP_LoadInvoiceDetail_fn load_invoice_detail = nullptr;
    AAP_UnloadCompany_fn unload_company = nullptr;
};

// A converter module opened with dlopen, with all ten exports resolved; it is
// closed again when the object goes.  Opening throws ImportError when the
// file cannot be loaded or lacks one of the exports.
class ModuleLibrary {
  public:
    explicit ModuleLibrary(const std::filesystem::path& path);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    const ModuleApi& api() const { return api_; }

    // Where the module is looked for when the user names none: AAPVantrel.so in
    // the folder of the running program, symbolic links resolved, so that a
    // link in a bin folder still finds the module installed beside the program.
    static std::filesystem::path default_path();

  private:
    void* handle_ = nullptr;
    ModuleApi api_;
};

}  // namespace aap::host

#endif  // AAP_HOST_MODULE_LIBRARY_H_
