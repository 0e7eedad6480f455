#include "collection/CollectionStore.h"

#include "collection/FileSystemOps.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"

#include <new>
#include <utility>

namespace kolekt {

using namespace layout;

namespace {
constexpr int kInitialSpareRemarks = 100;
} // namespace

CollectionStore::CollectionStore(StoreMessages* messages) : messages_(messages) {}

void CollectionStore::setFileSystem(FileSystemOps* fs) {
    fs_ = fs;
}

FileSystemOps& CollectionStore::fileSystem() const {
    return fs_ != nullptr ? *fs_ : FileSystemOps::real();
}

void CollectionStore::initialise(const LocalDate& today, const std::string& languageCode,
                                 const std::string& codePage) {
    defaultMonth_ = today.month == 0 ? 11 : today.month - 1;
    month_ = defaultMonth_;
    reportYear_ = today.year - (defaultMonth_ == 11 ? 2001 : 2000);
    yearSlot_ = ((reportYear_ % 2) + 2) % 2;
    setLanguage(languageCode, codePage);
    releaseStore();
    publisherCount_ = 0;
    remarkCount_ = 0;
}

void CollectionStore::setLanguage(const std::string& languageCode, const std::string& codePage) {
    languageCode_ = languageCode;
    codePage_ = codePage;
}

bool CollectionStore::allocateStore() {
    allocated_ = false;
    try {
        records_.assign((static_cast<std::size_t>(publisherCount_) + 1) * kRecordSize, 0);
        remarkPool_.assign(
            (static_cast<std::size_t>(remarkCount_) + kInitialSpareRemarks) * kRemarkRecordSize, 0);
    } catch (const std::bad_alloc&) {
        records_ = {};
        remarkPool_ = {};
        notify({StoreEvent::LowMemory, {}});
        return false;
    }
    allocated_ = true;
    return true;
}

void CollectionStore::releaseStore() {
    records_ = {};
    remarkPool_ = {};
    allocated_ = false;
    publisherCount_ = 0;
    remarkCount_ = 0;
    incomplete_ = false;
    lock_ = {};
    diskIdentity_.reset();
    diskContent_ = 0;
    folderIdentity_.reset();
    savedImage_ = {};
}

bool CollectionStore::ensureRemarkRoom(int count) {
    const std::size_t needed = static_cast<std::size_t>(count) * kRemarkRecordSize;
    if (remarkPool_.size() >= needed) {
        return true;
    }
    try {
        remarkPool_.resize(needed, 0);
    } catch (const std::bad_alloc&) {
        notify({StoreEvent::LowMemory, {}});
        return false;
    }
    return true;
}

void CollectionStore::scrambleRecords(int direction) {
    for (int n = 1; n <= publisherCount_; ++n) {
        scrambleRecord(record(n), direction);
    }
}

std::uint8_t* CollectionStore::record(int n) {
    return records_.data() + static_cast<std::size_t>(n) * kRecordSize;
}

const std::uint8_t* CollectionStore::record(int n) const {
    return records_.data() + static_cast<std::size_t>(n) * kRecordSize;
}

std::uint8_t* CollectionStore::remarkRecord(int number) {
    return const_cast<std::uint8_t*>(std::as_const(*this).remarkRecord(number));
}

const std::uint8_t* CollectionStore::remarkRecord(int number) const {
    const std::size_t offset = static_cast<std::size_t>(number - 1) * kRemarkRecordSize;
    if (number < 1 || offset + kRemarkRecordSize > remarkPool_.size()) {
        return nullptr;
    }
    return remarkPool_.data() + offset;
}

void CollectionStore::setRemarkCount(int count) {
    if (ensureRemarkRoom(count)) {
        remarkCount_ = count;
    }
}

void CollectionStore::notify(const StoreEvent& event) const {
    if (messages_ != nullptr) {
        messages_->notify(event);
    }
}

} // namespace kolekt
