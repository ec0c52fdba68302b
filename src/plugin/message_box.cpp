// message_box.cpp - message boxes as lines on standard error.

#include "plugin/message_box.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace aap {

namespace {

std::function<void(const ShownMessage&)>& Observer() {
    static std::function<void(const ShownMessage&)> observer;
    return observer;
}

// Writes the whole buffer to standard error, unbuffered, so that a host that
// captures the descriptor around a call sees the message within that call.
void WriteToStandardError(const std::string& text) {
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
}

}  // namespace

OwnerWindow ActiveWindow() {
    thread_local const long threadId = ::syscall(SYS_gettid);
    return OwnerWindow{threadId};
}

std::string OwnerWindow::Describe() const {
    return "no window (thread " + std::to_string(threadId) + ")";
}

void ShowMessageBox(const OwnerWindow& owner, const std::string& text,
                    const std::string& detail) noexcept {
    try {
        std::string lines = std::string(kMessageCaption) + ": " + text + "\n";
        if (!detail.empty()) lines += "  " + detail + "\n";
        WriteToStandardError(lines);
        if (Observer()) {
            Observer()(
                ShownMessage{owner.Describe(), kMessageCaption, text, detail, kMessageStyle});
        }
    } catch (...) {
        // Out of memory while formatting a message: nothing more can be shown.
    }
}

void SetMessageObserver(std::function<void(const ShownMessage&)> observer) {
    Observer() = std::move(observer);
}

}  // namespace aap
