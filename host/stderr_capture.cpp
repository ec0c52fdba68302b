// stderr_capture.cpp - redirecting descriptor 2 (see stderr_capture.h).

#include "stderr_capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "import_error.h"

namespace aap::host {
namespace {

constexpr std::string_view kFailurePrefix = "Orvelle:";

int make_anonymous_file() {
    const char* folder = std::getenv("TMPDIR");
    if (folder == nullptr || *folder == '\0') folder = "/tmp";
    int fd = ::open(folder, O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    // File systems without O_TMPFILE: a named file, removed at once.
    std::string name = std::string(folder) + "/aap-import-stderr-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) ::unlink(name.c_str());
    return fd;
}

void write_all(int fd, const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

// Should the module crash while its standard error is caught, the handler
// below still hands what it wrote (an assertion, a last message) to the user
// before the default action ends the process.  It uses plain values and
// async-signal-safe calls only.
struct CrashRelay {
    volatile sig_atomic_t active = 0;
    int capture_fd = -1;
    int user_fd = -1;
    volatile off_t taken = 0;
};
CrashRelay crash_relay;

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction previous_actions[std::size(kFatalSignals)];

void relay_on_fatal_signal(int signal) {
    if (crash_relay.active) {
        char buffer[4096];
        const off_t end = ::lseek(crash_relay.capture_fd, 0, SEEK_CUR);
        for (off_t at = crash_relay.taken; at < end;) {
            const auto want = static_cast<std::size_t>(std::min<off_t>(end - at, sizeof buffer));
            const ssize_t got = ::pread(crash_relay.capture_fd, buffer, want, at);
            if (got <= 0 ||
                ::write(crash_relay.user_fd, buffer, static_cast<std::size_t>(got)) <= 0) {
                break;
            }
            at += got;
        }
        ::dup2(crash_relay.user_fd, STDERR_FILENO);
    }
    // The action was reset to the default on entry: end the process with it.
    ::raise(signal);
}

void start_crash_relay(int capture_fd, int user_fd) {
    crash_relay.capture_fd = capture_fd;
    crash_relay.user_fd = user_fd;
    crash_relay.taken = 0;
    crash_relay.active = 1;
    struct sigaction action {};
    action.sa_handler = relay_on_fatal_signal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        ::sigaction(kFatalSignals[i], &action, &previous_actions[i]);
    }
}

void stop_crash_relay() {
    crash_relay.active = 0;
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        ::sigaction(kFatalSignals[i], &previous_actions[i], nullptr);
    }
}

}  // namespace

StderrCapture::StderrCapture() {
    capture_fd_ = make_anonymous_file();
    if (capture_fd_ < 0) {
        throw ImportError(std::string("cannot make a temporary file: ") + std::strerror(errno));
    }
    std::fflush(stderr);
    user_fd_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (::dup2(capture_fd_, STDERR_FILENO) < 0) {
        const int error = errno;
        ::close(capture_fd_);
        if (user_fd_ >= 0) ::close(user_fd_);
        throw ImportError(std::string("cannot redirect standard error: ") + std::strerror(error));
    }
    if (user_fd_ >= 0) start_crash_relay(capture_fd_, user_fd_);
}

StderrCapture::~StderrCapture() {
    std::fflush(stderr);
    const Captured rest = take();
    stop_crash_relay();
    if (user_fd_ >= 0) {
        write_all(user_fd_, rest.text);
        ::dup2(user_fd_, STDERR_FILENO);
        ::close(user_fd_);
    } else {
        ::close(STDERR_FILENO);
    }
    ::close(capture_fd_);
}

void StderrCapture::count_failure_lines(const std::string& text, Captured& result) {
    // Keep only as much of each line's start as the prefix needs.
    for (char c : text) {
        if (c == '\n') {
            line_start_.clear();
            continue;
        }
        if (line_start_.size() < kFailurePrefix.size()) {
            line_start_ += c;
            if (line_start_ == kFailurePrefix) ++result.failure_lines;
        }
    }
}

StderrCapture::Captured StderrCapture::take() {
    Captured result;
    // Descriptor 2 shares the file offset with capture_fd_: it tells how much
    // was written since the last take().
    const off_t end = ::lseek(capture_fd_, 0, SEEK_CUR);
    if (end <= taken_) return result;
    result.text.resize(static_cast<std::size_t>(end - taken_));
    std::size_t done = 0;
    while (done < result.text.size()) {
        const ssize_t got = ::pread(capture_fd_, result.text.data() + done,
                                    result.text.size() - done, taken_ + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    result.text.resize(done);
    // Start the file afresh; should that fail, remember how far it was read.
    if (::ftruncate(capture_fd_, 0) == 0 && ::lseek(capture_fd_, 0, SEEK_SET) == 0) {
        taken_ = 0;
    } else {
        taken_ = end;
    }
    crash_relay.taken = taken_;
    count_failure_lines(result.text, result);
    return result;
}

}  // namespace aap::host
