// import_error.h - the error that ends an import with exit status 1.

#ifndef AAP_HOST_IMPORT_ERROR_H_
#define AAP_HOST_IMPORT_ERROR_H_

#include <stdexcept>
#include <string>

namespace aap::host {

// A failure that stops aap-import: the module cannot be loaded, the file is
// not a company database, the module reported a failure, or the output cannot
// be written.  what() is the one-line reason shown to the user.
class ImportError : public std::runtime_error {
  public:
    explicit ImportError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace aap::host

#endif  // AAP_HOST_IMPORT_ERROR_H_
