// jet_file_reader.h - reads a Jet file with libmdb and encodes its tables as
// reader protocol messages.  Used only by the reader program: libmdb never
// runs inside the host's process.

#ifndef AAP_DB_ENGINE_JET_JET_FILE_READER_H_
#define AAP_DB_ENGINE_JET_JET_FILE_READER_H_

// mdbtools.h includes glib.h inside extern "C", which glib's C++ parts do
// not survive; including it first makes that inner include a no-op.
#include <glib.h>
#include <mdbtools.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "db/engine/jet/message_output.h"

namespace cdb::jet {

// A failure to read the file, with a message for a person.
class ReadFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One open Jet file, read-only.  Values are taken from the stored bytes, never
// from libmdb's formatted text: integers, currency and floating-point values
// bit for bit, dates as the stored OLE date, texts and memos whole (through
// libmdb's character conversion to UTF-8), NULL told apart from empty text.
class JetFileReader {
  public:
    // Opens `path` and reads its catalog; throws ReadFailure.
    explicit JetFileReader(const std::string& path);
    ~JetFileReader();
    JetFileReader(const JetFileReader&) = delete;
    JetFileReader& operator=(const JetFileReader&) = delete;

    // The user tables in catalog order (UTF-8).
    std::vector<std::string> UserTableNames() const;

    // Sends table `name` to `out`: a kColumns message, its rows, and kEnd.
    // Throws ReadFailure when the table is missing or cannot be decoded.
    void SendTable(const std::string& name, MessageOutput& out);

  private:
    MdbHandle* mdb_ = nullptr;
};

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_JET_FILE_READER_H_
