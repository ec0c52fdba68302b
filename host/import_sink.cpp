// import_sink.cpp - names of the entry phases (see import_sink.h).

#include "import_sink.h"

namespace aap::host {

std::string_view phase_name(EntryPhase phase) {
    switch (phase) {
        case EntryPhase::kJournal:
            return "journal";
        case EntryPhase::kBeginningBalance:
            return "beginning-balance";
        case EntryPhase::kBudget:
            return "budget";
    }
    return "journal";
}

}  // namespace aap::host
