// progress_bar.h - the progress shown on a terminal while entries stream.

#ifndef AAP_HOST_PROGRESS_BAR_H_
#define AAP_HOST_PROGRESS_BAR_H_

#include <cstdint>
#include <string>

namespace aap::host {

// One status line redrawn in place (carriage return) on the user's standard
// error: a bar over the journal and beginning-balance entries, whose number
// the module announces, then a plain counter of the budget entries, whose
// number nobody knows in advance.  Redrawn at most ten times a second; an
// inactive bar (standard error is not a terminal) does nothing at all.
class ProgressBar {
  public:
    // `fd`: where to draw; `active`: whether to draw at all.
    ProgressBar(int fd, bool active) : fd_(fd), active_(active) {}
    ~ProgressBar() { clear(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // The number of journal entries plus the beginning-balance entry.
    void set_total(int64_t entries) { total_ = entries; }
    // One more journal or beginning-balance entry (`budget` false) or budget
    // entry (`budget` true) has arrived.
    void entry_delivered(bool budget);
    // Removes the line, e.g. before other text goes to the terminal; the next
    // update draws it again.
    void clear();

  private:
    void draw();

    int fd_;
    bool active_;
    bool shown_ = false;
    int64_t total_ = 0;
    int64_t done_ = 0;
    int64_t budget_done_ = 0;
    int64_t last_draw_ns_ = 0;
    std::string line_;
};

}  // namespace aap::host

#endif  // AAP_HOST_PROGRESS_BAR_H_
