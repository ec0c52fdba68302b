// message_output.cpp - batching and writing the reader program's messages.
#include "db/engine/jet/message_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cdb::jet {

namespace {

// A batch is sent once it holds this many bytes ...
constexpr std::size_t kBatchBytes = 256 * 1024;
// ... or once its first row has waited this long.
constexpr auto kBatchMaxAge = std::chrono::milliseconds(200);
// The clock is looked at once per this many rows.
constexpr std::uint32_t kRowsPerClockCheck = 256;
// Batch header: message header plus the u32 row count.
constexpr std::size_t kBatchHeader = wire::kHeaderSize + sizeof(std::uint32_t);

}  // namespace

MessageOutput::MessageOutput(int fd) : fd_(fd) {
    batch_.reserve(kBatchBytes + 64 * 1024);
    StartBatch();
}

void MessageOutput::StartBatch() {
    batch_.assign(kBatchHeader, '\0');
    batchRows_ = 0;
}

void MessageOutput::EndRow() {
    ++batchRows_;
    if (batchRows_ == 1) batchStarted_ = std::chrono::steady_clock::now();
    if (batch_.size() >= kBatchBytes) {
        FlushRows();
    } else if (batchRows_ % kRowsPerClockCheck == 0 &&
               std::chrono::steady_clock::now() - batchStarted_ >= kBatchMaxAge) {
        FlushRows();
    }
}

void MessageOutput::FlushRows() {
    if (batchRows_ == 0) return;
    const auto payloadSize = static_cast<std::uint32_t>(batch_.size() - wire::kHeaderSize);
    batch_[0] = static_cast<char>(wire::MessageKind::kRows);
    std::memcpy(&batch_[1], &payloadSize, sizeof payloadSize);
    std::memcpy(&batch_[wire::kHeaderSize], &batchRows_, sizeof batchRows_);
    WriteAll(batch_.data(), batch_.size());
    StartBatch();
}

void MessageOutput::Send(wire::MessageKind kind, std::string_view payload) {
    FlushRows();
    std::string message;
    wire::ByteWriter writer(message);
    writer.Put(static_cast<std::uint8_t>(kind));
    writer.PutSized(payload);
    WriteAll(message.data(), message.size());
}

void MessageOutput::WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            // EPIPE (SIGPIPE is ignored by the program) or any other failure:
            // the loader is gone or the pipe unusable; nothing left to do.
            throw OutputClosed();
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

}  // namespace cdb::jet
