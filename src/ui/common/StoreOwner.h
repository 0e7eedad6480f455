// What the dialogs opened from the main window need of it: the one collection
// store, the status refresh after a report is committed, and writing the store
// back to its file.
#pragma once

namespace kolekt {

class CollectionStore;

class StoreOwner {
public:
    virtual ~StoreOwner() = default;
    virtual CollectionStore& store() = 0;
    virtual void updateStatus() = 0;
    // Writes the store to its collection file right away, exactly as the exit action does (only a
    // ".k09" path with at least two publishers; otherwise nothing and no message). A failed write
    // is reported by the store itself. Called after every committed report, so that a crash or
    // power cut loses nothing that was posted.
    virtual void saveNow() = 0;
};

} // namespace kolekt
