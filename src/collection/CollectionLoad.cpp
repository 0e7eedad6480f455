#include "collection/AbsolutePath.h"
#include "collection/CollectionStore.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt {

using namespace layout;

namespace {

constexpr int kLastMonth = 11;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads up to size bytes; fewer only at the end of the file or on an error.
std::size_t readUpTo(int fd, std::uint8_t* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

StoreEvent::Kind openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return StoreEvent::FileMissing;
    case ENXIO: // a socket
        return StoreEvent::NotARegularFile;
    default:
        return StoreEvent::FileUnreadable;
    }
}

} // namespace

CollectionLock CollectionStore::lockForOpening(const std::string& path) {
    CollectionLock lock = lock_.covers(path) ? lock_ : CollectionLock::take(path);
    if (lock.heldElsewhere()) {
        notify({StoreEvent::OpenElsewhere, absolutePath(path)});
    }
    return lock;
}

bool CollectionStore::loadCollection(const std::string& path, const LocalDate& today,
                                     CollectionLock lock) {
    if (allocated_) {
        releaseStore();
    }
    publisherCount_ = 0;
    remarkCount_ = 0;
    // Without O_NONBLOCK a FIFO would block here until someone writes to it.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        notify({openFailure(errno), absolutePath(path)});
        return true;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        notify({StoreEvent::NotARegularFile, absolutePath(path)});
        return true;
    }
    std::uint8_t header[kRecordSize] = {};
    const std::size_t headerBytes = readUpTo(file.get(), header, kRecordSize);

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
           readUpTo(file.get(), record(wholeRecords + 1), kRecordSize) == kRecordSize) {
        ++wholeRecords;
    }
    int wholeRemarks = 0;
    if (wholeRecords == publisherCount_) {
        while (wholeRemarks < remarkCount_ && readUpTo(file.get(), remarkRecord(wholeRemarks + 1),
                                                       kRemarkRecordSize) == kRemarkRecordSize) {
            ++wholeRemarks;
        }
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
        diskIdentity_ = identityOf(info);
        savedImage_ = fileImage();
    }
    // Said once the store is whole: while the message is up, the program may be told to end.
    if (missingRecords > 0) {
        notify(
            {StoreEvent::RecordsMissing, absolutePath(path), {}, missingRecords, publisherCount_});
    } else if (missingRemarks > 0) {
        notify({StoreEvent::RemarksMissing, absolutePath(path), {}, missingRemarks, remarkCount_});
    }
    return true;
}

} // namespace kolekt
