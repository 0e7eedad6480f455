// The store tells the user what went wrong but words nothing itself: it reports an event, and
// each front end words it (the program in a message box, kolekt-tool on its error output,
// tests by recording the event).
#pragma once

#include "platform/SystemError.h"

#include <filesystem>
#include <utility>

namespace kolekt {

struct StoreEvent {
    enum Kind {
        TooFewPublishers,     // a list of fewer than two publishers is not written back
        CannotCreateFile,     // path could not be written for error; what was on disk is unchanged
        NotACollectionFile,   // path was refused on loading and will not be written to
        OutOfSpaceForRemarks, // every remark number a collection file can hold is taken
        LowMemory,            // the records or the remark pool could not be allocated
        FileMissing,          // path names nothing
        FileUnreadable,       // path exists but may not be read
        NotARegularFile,      // path is a folder or a special file and was not opened
        RecordsMissing,       // path ends early: count of its total publisher records are missing
        RemarksMissing,       // path ends early: count of its total remarks are missing
        ExtraBytesIgnored,    // path holds count bytes after its last remark, which a save drops
        IncompleteNotSaved,   // path ended early when it was opened, so nothing is written from it
        OpenElsewhere,        // another Kolekt has path open; it was not opened here
        LockBlocked,          // path was not opened: its lock file otherPath is not a file
        SavedBeside,          // path changed on disk; the store went to otherPath instead
        Recovered,            // path could not be written for error; the store went to otherPath
        AccessNarrowed,       // path was saved, but with this user as its owner and group, so
                              // some who could read it before may no longer
        RecoveryFailed,       // neither path nor the recovery folder otherPath could be written
    };

    StoreEvent(Kind eventKind, std::filesystem::path eventPath = {},
               std::filesystem::path eventOtherPath = {}, int eventCount = 0, int eventTotal = 0)
        : kind(eventKind), path(std::move(eventPath)), otherPath(std::move(eventOtherPath)),
          count(eventCount), total(eventTotal) {}

    Kind kind;
    // The file concerned, made absolute so that the message names it from any folder; empty
    // for events about no particular file.
    std::filesystem::path path;
    std::filesystem::path otherPath;
    int count = 0;
    int total = 0;
    // Why a file could not be written, as the system said.
    platform::SystemError error;

    bool operator==(const StoreEvent&) const = default;
};

class StoreMessages {
public:
    virtual ~StoreMessages() = default;
    virtual void notify(const StoreEvent& event) = 0;
};

} // namespace kolekt
