#include "LargeCollectionStore.h"

#include "CollectionFiles.h"
#include "LargeCollection.h"

namespace kolekt::bench {

void openLargeCollection(const test::TempDir& dir, CollectionStore& store) {
    const std::string path = dir.file("Group3.k09");
    test::writeCollection(largeCollection(kLargeMonth, 0), path);
    store.initialise(kLargeToday, "eng", "CP1252");
    store.loadCollection(path, kLargeToday);
}

} // namespace kolekt::bench
