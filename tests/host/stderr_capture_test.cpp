// stderr_capture_test.cpp - what a module writes to descriptor 2 is caught,
// handed on whole, and its "Orvelle:" lines are counted however it arrives.

#include "stderr_capture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace aap::host {
namespace {

void write_stderr(const std::string& text) {
    ASSERT_EQ(::write(STDERR_FILENO, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

ino_t stderr_inode() {
    struct stat info {};
    fstat(STDERR_FILENO, &info);
    return info.st_ino;
}

TEST(StderrCapture, CountsFailureLinesAcrossPiecesAndPassesTextOn) {
    const ino_t before = stderr_inode();
    std::string seen;
    int failures = 0;
    {
        StderrCapture capture;
        EXPECT_NE(stderr_inode(), before);
        const char* pieces[] = {
            "Orv",  // a failure line that arrives in two calls
            "elle: Unable to open the tables.\ndetail of the failure\n",
            "",
            "not a failure: Orvelle: quoted\n",
            "Orvelle: second failure, no newline yet",
        };
        for (const char* piece : pieces) {
            write_stderr(piece);
            StderrCapture::Captured captured = capture.take();
            seen += captured.text;
            failures += captured.failure_lines;
        }
        EXPECT_TRUE(capture.take().text.empty()) << "taken text must not come back";
    }
    EXPECT_EQ(stderr_inode(), before) << "descriptor 2 restored";
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(seen,
              "Orvelle: Unable to open the tables.\ndetail of the failure\n"
              "not a failure: Orvelle: quoted\nOrvelle: second failure, no newline yet");
}

}  // namespace
}  // namespace aap::host
