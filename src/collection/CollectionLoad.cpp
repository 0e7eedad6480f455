#include "collection/AbsolutePath.h"
#include "collection/CollectionStore.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace kolekt {

using namespace layout;

namespace {

constexpr int kLastMonth = 11;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

bool CollectionStore::loadCollection(const std::string& path, const LocalDate& today) {
    publisherCount_ = 0;
    remarkCount_ = 0;
    if (allocated_) {
        releaseStore();
    }
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return true;
    }
    std::uint8_t header[kRecordSize] = {};
    std::fread(header, 1, kRecordSize, file.get());

    // A negative count or a month past December would index beyond the records or
    // the 36 slots: such a file did not come from the secretary's program.
    const auto count = static_cast<std::int8_t>(header[kHeaderPublisherCount]);
    if (count < 0 || header[kHeaderMonth] > kLastMonth) {
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
    for (int n = 1; n <= publisherCount_; ++n) {
        if (std::fread(record(n), 1, kRecordSize, file.get()) < kRecordSize) {
            break;
        }
    }
    for (int number = 1; number <= remarkCount_; ++number) {
        if (std::fread(remarkRecord(number), 1, kRemarkRecordSize, file.get()) <
            kRemarkRecordSize) {
            break;
        }
    }
    if (publisherCount_ != 0) {
        scrambleRecords(-1);
        filePath_ = path;
    }
    return true;
}

} // namespace kolekt
