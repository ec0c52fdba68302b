// stderr_capture.h - catching what the converter module writes to standard
// error, so that its failure messages can be told apart from the end of a
// stream.

#ifndef AAP_HOST_STDERR_CAPTURE_H_
#define AAP_HOST_STDERR_CAPTURE_H_

#include <sys/types.h>

#include <string>

namespace aap::host {

// While an object lives, descriptor 2 points at an anonymous temporary file
// instead of the user's standard error; the user's standard error stays
// reachable through user_stderr().  take() returns what has been written
// since the previous take() and empties the file, so the file stays small.
//
// The module reports a failure as a line that starts with "Orvelle:"; take()
// counts those lines (also when a line arrives in pieces).  Redirecting once
// for the whole import, and looking at the file only when a call's result
// needs explaining, keeps the cost per call at one lseek or none.  Should the
// process die of a fatal signal meanwhile, what was caught is handed on first.
// One capture at a time.
class StderrCapture {
  public:
    // Throws ImportError when no temporary file can be made.
    StderrCapture();
    // Restores descriptor 2; whatever was not taken is passed on to it.
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    struct Captured {
        std::string text;       // as written, to be passed on to the user
        int failure_lines = 0;  // lines that start with "Orvelle:"
    };
    Captured take();

    // The user's standard error while the capture is active.
    int user_stderr() const { return user_fd_; }

  private:
    void count_failure_lines(const std::string& text, Captured& result);

    int capture_fd_ = -1;
    int user_fd_ = -1;
    off_t taken_ = 0;         // bytes of the file already taken
    std::string line_start_;  // the first bytes of a line not yet ended
};

}  // namespace aap::host

#endif  // AAP_HOST_STDERR_CAPTURE_H_
