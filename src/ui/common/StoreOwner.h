// What the dialogs opened from the main window need of it: the one collection
// store and the status refresh after a report is committed.
#pragma once

namespace kolekt {

class CollectionStore;

class StoreOwner {
public:
    virtual ~StoreOwner() = default;
    virtual CollectionStore& store() = 0;
    virtual void updateStatus() = 0;
};

} // namespace kolekt
