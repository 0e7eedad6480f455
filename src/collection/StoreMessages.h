// The store tells the user what went wrong but words nothing itself: it reports an event, and
// each front end words it (the program in a message box, kolekt-tool on its error output,
// tests by recording the event).
#pragma once

#include <string>

namespace kolekt {

struct StoreEvent {
    enum Kind {
        TooFewPublishers,     // a list of fewer than two publishers is not written back
        CannotCreateFile,     // path could not be written; what was on disk is unchanged
        NotACollectionFile,   // path was refused on loading and will not be written to
        OutOfSpaceForRemarks, // every remark number a collection file can hold is taken
        LowMemory,            // the records or the remark pool could not be allocated
    };

    Kind kind;
    // The file concerned, made absolute so that the message names it from any folder; empty
    // for events about no particular file.
    std::string path;

    bool operator==(const StoreEvent&) const = default;
};

class StoreMessages {
public:
    virtual ~StoreMessages() = default;
    virtual void notify(const StoreEvent& event) = 0;
};

} // namespace kolekt
