#pragma once

#include "collection/StoreMessages.h"

#include <vector>

namespace kolekt {

// Shows the store's events in the program's message box.
class GuiStoreMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override;
};

// Keeps the store's events to be shown later: while the program ends, everything is written
// before anything is said.
class DeferredStoreMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override { events_.push_back(event); }
    // The events in order, except that a file that could not be written but went to a recovery
    // file is named by the recovery's message alone.
    std::vector<StoreEvent> toShow() const;

private:
    std::vector<StoreEvent> events_;
};

} // namespace kolekt
