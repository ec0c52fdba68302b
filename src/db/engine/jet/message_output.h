// message_output.h - the reader program's side of the pipe: writes protocol
// messages to the loader, gathering rows into large batches.

#ifndef AAP_DB_ENGINE_JET_MESSAGE_OUTPUT_H_
#define AAP_DB_ENGINE_JET_MESSAGE_OUTPUT_H_

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "db/engine/jet/reader_protocol.h"

namespace cdb::jet {

// Thrown when the loader has closed its end of the pipe: nobody is reading,
// so the reader program just stops.
class OutputClosed : public std::runtime_error {
  public:
    OutputClosed() : std::runtime_error("the loader closed the pipe") {}
};

// Writes messages to one descriptor.  Rows are appended to a batch that is
// sent as one kRows message when it is large, or when it has waited a while
// (so a slow table still shows the loader steady progress).
class MessageOutput {
  public:
    explicit MessageOutput(int fd);

    // Sends one message at once (any pending rows first).
    void Send(wire::MessageKind kind, std::string_view payload);

    // The buffer to append the encoding of one row to; EndRow() completes it.
    std::string& BeginRow() { return batch_; }
    void EndRow();

    // Sends the pending rows, if any.
    void FlushRows();

  private:
    void WriteAll(const char* data, std::size_t size);
    void StartBatch();

    int fd_;
    std::string batch_;
    std::uint32_t batchRows_ = 0;
    std::chrono::steady_clock::time_point batchStarted_;
};

}  // namespace cdb::jet

#endif  // AAP_DB_ENGINE_JET_MESSAGE_OUTPUT_H_
