// progress_bar.cpp - terminal progress line (see progress_bar.h).

#include "progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <ctime>

#include "number_format.h"

namespace aap::host {
namespace {

constexpr int64_t kRedrawIntervalNs = 100'000'000;
constexpr int kBarWidth = 30;

int64_t monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void write_text(int fd, const std::string& text) {
    // Best effort: a terminal that refuses the progress line is no failure.
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0) return;
        done += static_cast<std::size_t>(written);
    }
}

}  // namespace

void ProgressBar::entry_delivered(bool budget) {
    if (!active_) return;
    if (budget) {
        ++budget_done_;
    } else {
        ++done_;
    }
    const int64_t now = monotonic_ns();
    if (shown_ && now - last_draw_ns_ < kRedrawIntervalNs) return;
    last_draw_ns_ = now;
    draw();
}

void ProgressBar::draw() {
    line_.clear();
    line_ += '\r';
    if (budget_done_ == 0) {
        const int64_t total = std::max<int64_t>(total_, 1);
        const int64_t done = std::min(done_, total);
        const int filled = static_cast<int>(done * kBarWidth / total);
        line_ += "Entries [";
        line_.append(static_cast<std::size_t>(filled), '#');
        line_.append(static_cast<std::size_t>(kBarWidth - filled), '.');
        line_ += "] ";
        append_integer(line_, done * 100 / total);
        line_ += "% ";
        append_integer(line_, done_);
        line_ += '/';
        append_integer(line_, total_);
    } else {
        line_ += "Entries ";
        append_integer(line_, done_);
        line_ += ", budget entries ";
        append_integer(line_, budget_done_);
    }
    line_ += "\033[K";
    write_text(fd_, line_);
    shown_ = true;
}

void ProgressBar::clear() {
    if (!active_ || !shown_) return;
    write_text(fd_, "\r\033[K");
    shown_ = false;
}

}  // namespace aap::host
