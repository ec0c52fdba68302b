// message_box.h - the error-report convention's platform layer.
//
// A failure that the user must see is shown as one message box: owned by the
// window that was active when the exported call began, captioned "Orvelle",
// with an exclamation icon and one OK button.  This platform has no window
// system, so a message box is one line "Orvelle: <text>" on standard error,
// followed by a second, indented line with the failure's detail (which file,
// table, column or token) when there is one.  What stands for the active
// window (the calling thread) is recorded with the message.
//
// Tests observe the messages through an observer that is internal to the
// module (not exported).

#ifndef AAP_PLUGIN_MESSAGE_BOX_H_
#define AAP_PLUGIN_MESSAGE_BOX_H_

#include <functional>
#include <string>

namespace aap {

inline constexpr char kMessageCaption[] = "Orvelle";
inline constexpr unsigned kMessageStyle = 0x30;  // exclamation icon, one OK button

// Stands for the window that is active on the calling thread: with no
// window system, the calling thread itself.
struct OwnerWindow {
    long threadId = 0;
    std::string Describe() const;  // "no window (thread 1234)"
};

// Takes the window that is active now, as the owner of a later message.
// Cheap: it runs at the start of every entry and line call.
OwnerWindow ActiveWindow();

// One message as it was shown.
struct ShownMessage {
    std::string owner;
    std::string caption;
    std::string text;
    std::string detail;
    unsigned style = 0;
};

// Shows one message box and returns when the user has dismissed it (at once
// here).  Never throws.
void ShowMessageBox(const OwnerWindow& owner, const std::string& text,
                    const std::string& detail) noexcept;

// Test hook: every message shown is also passed to `observer` (empty: none).
void SetMessageObserver(std::function<void(const ShownMessage&)> observer);

}  // namespace aap

#endif  // AAP_PLUGIN_MESSAGE_BOX_H_
