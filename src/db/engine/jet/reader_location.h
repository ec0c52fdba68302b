// reader_location.h - where the module finds its Jet reader program.

#ifndef AAP_DB_ENGINE_JET_READER_LOCATION_H_
#define AAP_DB_ENGINE_JET_READER_LOCATION_H_

#include <string>
#include <vector>

namespace cdb::jet {

// The places looked at, in order:
//   1. beside the binary this code is linked into (the installed module
//      AAPVantrel.so, or a test program), found with dladdr;
//   2. the reader built in this build tree (compiled in, for tests and
//      programs run from the build tree);
//   3. the install location, <libdir>/aapvantrel.
// The module reads no configuration, so there is no other way to point it
// elsewhere.
std::vector<std::string> ReaderProgramCandidates();

// The first candidate that is an executable file, or "" when none is.
std::string FindReaderProgram();

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_READER_LOCATION_H_
