// call_outcome.h - what an exported call hands back to the plug-in boundary.
//
// The company and journal code never shows anything itself: it returns the
// call's result together with the message the user must see, if any, and the
// boundary shows that message under the module's error-report convention.

#ifndef AAP_DB_CALL_OUTCOME_H_
#define AAP_DB_CALL_OUTCOME_H_

#include <string>

namespace aap {

struct CallOutcome {
    int result = 0;       // 1 or 0, returned to the host
    std::string message;  // empty: nothing to show
    std::string detail;   // what failed, for a person (file, table, column); may be empty

    static CallOutcome Done(int result) { return CallOutcome{result, {}, {}}; }
    static CallOutcome Failure(std::string message, std::string detail = {}) {
        return CallOutcome{0, std::move(message), std::move(detail)};
    }
    bool ShowsMessage() const { return !message.empty(); }
};

}  // namespace aap

#endif  // AAP_DB_CALL_OUTCOME_H_
