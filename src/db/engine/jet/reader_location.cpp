// reader_location.cpp - finding aap-jet-reader beside the module, in the build
// tree or where it is installed.
#include "db/engine/jet/reader_location.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef AAP_JET_READER_NAME
#define AAP_JET_READER_NAME "aap-jet-reader"
#endif

namespace cdb::jet {

namespace {

// The folder of the shared object or executable holding this code.
std::string OwnBinaryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ReaderProgramCandidates), &info) == 0 ||
        info.dli_fname == nullptr || info.dli_fname[0] == '\0') {
        return {};
    }
    std::string path;
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) != nullptr) {
        path = resolved;
    } else {
        // The main program may be named as it was started; ask the kernel.
        const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        if (length <= 0) return {};
        path.assign(resolved, static_cast<std::size_t>(length));
    }
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return !path.empty() && stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> ReaderProgramCandidates() {
    std::vector<std::string> candidates;
    const std::string folder = OwnBinaryFolder();
    if (!folder.empty()) candidates.push_back(folder + "/" AAP_JET_READER_NAME);
#ifdef AAP_JET_READER_BUILD_PATH
    candidates.emplace_back(AAP_JET_READER_BUILD_PATH);
#endif
#ifdef AAP_JET_READER_INSTALL_PATH
    candidates.emplace_back(AAP_JET_READER_INSTALL_PATH);
#endif
    return candidates;
}

std::string FindReaderProgram() {
    for (const std::string& candidate : ReaderProgramCandidates()) {
        if (IsExecutableFile(candidate)) return candidate;
    }
    return {};
}

}  // namespace cdb::jet
