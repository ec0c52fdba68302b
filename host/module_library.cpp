// module_library.cpp - dlopen of a converter module (see module_library.h).

#include "module_library.h"

#include <dlfcn.h>

#include <string>
#include <system_error>

#include "import_error.h"

namespace aap::host {
namespace {

constexpr const char* kModuleFileName = "AAPVantrel.so";

template <typename Function>
void resolve(void* handle, const std::filesystem::path& path, const char* name,
             Function& function) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        throw ImportError("the module " + path.string() + " does not export " + name +
                          "; it is not a converter module");
    }
    function = reinterpret_cast<Function>(symbol);
}

}  // namespace

ModuleLibrary::ModuleLibrary(const std::filesystem::path& path) {
    // A bare file name would make dlopen search the library path instead.
    std::string name = path.string();
    if (name.find('/') == std::string::npos) name = "./" + name;
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw ImportError("cannot load the module: " +
                          std::string(reason ? reason : path.string()));
    }
    try {
        resolve(handle_, path, "AAP_LoadPackage", api_.load_package);
        resolve(handle_, path, "AAP_FindFirstCompany", api_.find_first_company);
        resolve(handle_, path, "AAP_FindNextCompany", api_.find_next_company);
        resolve(handle_, path, "AAP_FindClose", api_.find_close);
        resolve(handle_, path, "AAP_LoadCompany", api_.load_company);
        resolve(handle_, path, "AAP_LoadAcctPartCode", api_.load_acct_part_code);
        resolve(handle_, path, "AAP_LoadEntry", api_.load_entry);
        resolve(handle_, path, "AAP_LoadDetail", api_.load_detail);
        resolve(handle_, path, "AAP_LoadInvoiceDetail", api_.load_invoice_detail);
        resolve(handle_, path, "AAP_UnloadCompany", api_.unload_company);
    } catch (...) {
        dlclose(handle_);
        throw;
    }
}

ModuleLibrary::~ModuleLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
}

std::filesystem::path ModuleLibrary::default_path() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return kModuleFileName;
    return program.parent_path() / kModuleFileName;
}

}  // namespace aap::host
