#pragma once

#include "collection/StoreMessages.h"

#include <vector>

namespace kolekt::test {

// Records what the store would tell the user.
class RecordingMessages : public StoreMessages {
public:
    void notify(const StoreEvent& event) override { events.push_back(event); }

    // The events without the system's words for an error, which differ between systems and
    // languages; the cause is kept.
    std::vector<StoreEvent> causes() const {
        std::vector<StoreEvent> result = events;
        for (StoreEvent& event : result) {
            event.error.reason.clear();
        }
        return result;
    }

    std::vector<StoreEvent> events;
};

// The event of a file that could not be written, for the cause the system gave.
inline StoreEvent failedWrite(const std::filesystem::path& path, platform::ErrorCause cause) {
    StoreEvent event{StoreEvent::CannotCreateFile, path};
    event.error.cause = cause;
    return event;
}

} // namespace kolekt::test
