#include "collection/AbsolutePath.h"
#include "collection/AtomicFile.h"
#include "collection/CollectionStore.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"

namespace kolekt {

using namespace layout;

bool CollectionStore::saveCollection(const std::string& path) {
    if (publisherCount_ < 2) {
        notify({StoreEvent::TooFewPublishers, {}});
        return false;
    }
    writeWord(record(0), kHeaderRemarkCount, static_cast<std::uint16_t>(remarkCount_));

    // The file image is scrambled in a copy, so the store stays plain whatever happens.
    const std::size_t recordBytes = (static_cast<std::size_t>(publisherCount_) + 1) * kRecordSize;
    const std::size_t remarkBytes = static_cast<std::size_t>(remarkCount_) * kRemarkRecordSize;
    std::vector<std::uint8_t> image;
    image.reserve(recordBytes + remarkBytes);
    image.insert(image.end(), records_.begin(), records_.begin() + recordBytes);
    image.insert(image.end(), remarkPool_.begin(), remarkPool_.begin() + remarkBytes);
    for (int n = 1; n <= publisherCount_; ++n) {
        scrambleRecord(image.data() + static_cast<std::size_t>(n) * kRecordSize, +1);
    }
    if (!writeFileAtomically(fileSystem(), path, image)) {
        reportFailedWrite(path);
        return false;
    }
    return true;
}

void CollectionStore::reportFailedWrite(const std::string& path) const {
    notify({StoreEvent::CannotCreateFile, absolutePath(path)});
}

} // namespace kolekt
