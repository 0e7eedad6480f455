#include "collection/AbsolutePath.h"
#include "collection/CollectionStore.h"
#include "collection/ContentHash.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"
#include "platform/File.h"

#include <algorithm>
#include <climits>

namespace kolekt {

using namespace layout;

namespace {

constexpr int kLastMonth = 11;

StoreEvent::Kind openFailure(platform::OpenFailure failure) {
    switch (failure) {
    case platform::OpenFailure::Missing:
        return StoreEvent::FileMissing;
    case platform::OpenFailure::NotRegular:
        return StoreEvent::NotARegularFile;
    case platform::OpenFailure::None:
    case platform::OpenFailure::Unreadable:
        break;
    }
    return StoreEvent::FileUnreadable;
}

} // namespace

CollectionLock CollectionStore::lockForOpening(const std::filesystem::path& path) {
    CollectionLock lock = lock_.covers(path) ? lock_ : CollectionLock::take(path);
    if (lock.heldElsewhere()) {
        notify({StoreEvent::OpenElsewhere, absolutePath(path)});
    } else if (lock.state() == CollectionLock::State::Blocked) {
        notify({StoreEvent::LockBlocked, absolutePath(path),
                absolutePath(CollectionLock::lockFilePath(path))});
    }
    return lock;
}

bool CollectionStore::loadCollection(const std::filesystem::path& path, const LocalDate& today,
                                     CollectionLock lock) {
    if (allocated_) {
        releaseStore();
    }
    publisherCount_ = 0;
    remarkCount_ = 0;
    platform::OpenedFile opened = platform::openForReading(path);
    if (!opened.file.isOpen()) {
        notify({openFailure(opened.failure), absolutePath(path)});
        return true;
    }
    platform::File& file = opened.file;
    const std::optional<platform::FileIdentity> identity = file.identity();
    ContentHash content;
    const auto read = [&](std::uint8_t* data, std::size_t size) {
        const std::size_t got = file.readUpTo(data, size);
        content.add({data, got});
        return got;
    };
    std::uint8_t header[kRecordSize] = {};
    const std::size_t headerBytes = read(header, kRecordSize);

    // A file without a whole header, a negative count or a month past December did not come
    // from the secretary's program; the last two would index beyond the records or the slots.
    const auto count = static_cast<std::int8_t>(header[kHeaderPublisherCount]);
    if (headerBytes < kRecordSize || count < 0 || header[kHeaderMonth] > kLastMonth) {
        notify({StoreEvent::NotACollectionFile, absolutePath(path)});
        return true;
    }
    publisherCount_ = count;
    groupNumber_ = header[kHeaderGroupNumber];
    remarkCount_ = readWord(header, kHeaderRemarkCount);
    month_ = header[kHeaderMonth];
    if (month_ == 0 && defaultMonth_ == 11) {
        yearSlot_ = today.year % 2;
    }
    if (!allocateStore()) {
        publisherCount_ = 0;
        remarkCount_ = 0;
        return false;
    }
    std::copy(header, header + kRecordSize, record(0));
    int wholeRecords = 0;
    while (wholeRecords < publisherCount_ &&
           read(record(wholeRecords + 1), kRecordSize) == kRecordSize) {
        ++wholeRecords;
    }
    int wholeRemarks = 0;
    if (wholeRecords == publisherCount_) {
        while (wholeRemarks < remarkCount_ &&
               read(remarkRecord(wholeRemarks + 1), kRemarkRecordSize) == kRemarkRecordSize) {
            ++wholeRemarks;
        }
    }
    // What follows the pool is not kept, but a change to it is a change to the file.
    std::uint8_t rest[4096];
    std::size_t extraBytes = 0;
    for (std::size_t got = 0; (got = read(rest, sizeof rest)) != 0;) {
        extraBytes += got;
    }
    // Written back, a cut-off file would turn the missing records into blank publishers and
    // empty remarks in the secretary's program.
    incomplete_ = wholeRecords < publisherCount_ || wholeRemarks < remarkCount_;
    const int missingRecords = publisherCount_ - wholeRecords;
    const int missingRemarks = remarkCount_ - wholeRemarks;
    if (publisherCount_ != 0) {
        scrambleRecords(-1);
        filePath_ = path;
        lock_ = std::move(lock);
        diskIdentity_ = identity;
        diskContent_ = content.value();
        folderIdentity_ = platform::identityOf(folderOf(replacedFile(path)));
        savedImage_ = fileImage();
    }
    // Said once the store is whole: while the message is up, the program may be told to end.
    if (missingRecords > 0) {
        notify(
            {StoreEvent::RecordsMissing, absolutePath(path), {}, missingRecords, publisherCount_});
    } else if (missingRemarks > 0) {
        notify({StoreEvent::RemarksMissing, absolutePath(path), {}, missingRemarks, remarkCount_});
    } else if (extraBytes > 0 && publisherCount_ != 0) {
        notify({StoreEvent::ExtraBytesIgnored,
                absolutePath(path),
                {},
                static_cast<int>(std::min<std::size_t>(extraBytes, INT_MAX))});
    }
    return true;
}

} // namespace kolekt
