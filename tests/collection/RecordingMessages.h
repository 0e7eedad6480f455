#pragma once

#include "collection/StoreMessages.h"

#include <vector>

namespace kolekt::test {

// Records what the store would tell the user.
class RecordingMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override { events.push_back(event); }
    std::vector<StoreEvent> events;
};

} // namespace kolekt::test
