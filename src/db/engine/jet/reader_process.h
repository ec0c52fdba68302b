// reader_process.h - runs the Jet reader program as a child process under a
// watchdog and hands its messages to the caller.

#ifndef AAP_DB_ENGINE_JET_READER_PROCESS_H_
#define AAP_DB_ENGINE_JET_READER_PROCESS_H_

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/engine/jet/reader_protocol.h"

namespace cdb::jet {

// The reader program ended without delivering what was asked: it could not be
// started, crashed, stopped making progress, exited with a failure (the
// message then carries the reader's own explanation) or sent a malformed
// stream.  The text names no file; the caller adds that.
class ReaderFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// How long the reader may go without sending a byte before it is ended.  A
// large file keeps sending rows, so only a stuck reader reaches this.
inline constexpr std::chrono::milliseconds kReaderStallTimeout{10'000};

using MessageHandler = std::function<void(wire::MessageKind, std::string_view payload)>;

// Runs the reader program with `arguments` and calls `onMessage` for each
// message it sends (kError excepted: that one becomes the ReaderFailure).
// Returns when the program has sent its stream, closed it and exited with
// status 0; throws ReaderFailure otherwise.  An exception thrown by
// `onMessage` ends the program and passes through.  The child always runs
// with an empty environment, standard input and output on /dev/null and its
// standard error captured (its tail goes into failure messages), and it is
// always reaped before this returns or throws.
void RunReader(const std::vector<std::string>& arguments, const MessageHandler& onMessage);

// Hooks for tests only: a shorter watchdog, and another program in place of
// the reader (an empty path restores the normal search).
void SetReaderStallTimeoutForTesting(std::chrono::milliseconds timeout);
void SetReaderProgramForTesting(const std::string& path);

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_READER_PROCESS_H_
