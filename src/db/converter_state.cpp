// converter_state.cpp - the module-wide state and the company unload.

#include "db/converter_state.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace aap {

namespace {

// Closes a database object if it holds an open database; a failure to close
// is of no use to anyone at this point and is dropped.
template <typename Handle>
void CloseIfOpen(Handle& handle) noexcept {
    try {
        if (handle.IsOpen()) handle.Close();
    } catch (...) {
    }
}

// Constructed when the module is loaded, before any exported function runs.
ConverterState g_state;

}  // namespace

ConverterState& State() {
    return g_state;
}

ConverterState::~ConverterState() {
    DiscardScratch();
}

void ConverterState::DiscardScratch() noexcept {
    CloseIfOpen(budgetRs);
    CloseIfOpen(scratchDb);
    if (!scratchPath.empty()) {
        std::remove(scratchPath.c_str());
        scratchPath.clear();
    }
    if (!scratchFolder.empty()) {
        // The folder is the module's own (made private for this one file), so
        // whatever the engine left in it (a journal) goes with it.
        std::error_code ignored;
        std::filesystem::remove_all(scratchFolder, ignored);
        scratchFolder.clear();
    }
}

int UnloadCompany(ConverterState& state, AccountStructure* structure) {
    CloseIfOpen(state.controlRs);
    CloseIfOpen(state.periodRs);
    CloseIfOpen(state.partsRs);
    CloseIfOpen(state.rollupsRs);
    // Every part table is closed, also slots the host's counts do not cover
    // (a structure that was changed or never filled): nothing of the company
    // stays open.  currentPart ends where counting the host's slots ends.
    for (auto& table : state.partTableRs) CloseIfOpen(table);
    if (structure != nullptr) {
        const int slots = structure->partCount + structure->linkedCount;
        structure->currentPart = static_cast<int16_t>(std::clamp(slots, 0, kPartSlots));
    }
    CloseIfOpen(state.openingRs);
    CloseIfOpen(state.entryRs);
    CloseIfOpen(state.detailRs);
    CloseIfOpen(state.companyDb);
    // A budget stream the host did not run to its end leaves no scratch file.
    state.DiscardScratch();
    state.companyLoaded = false;
    return 1;
}

}  // namespace aap
