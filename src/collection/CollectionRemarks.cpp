#include "collection/CollectionStore.h"
#include "collection/FieldText.h"
#include "collection/StoreMessages.h"

namespace kolekt {

using namespace layout;

RemarkLookup CollectionStore::remarkFor(int n, int month, int yearSlot) const {
    const int number = readWord(record(n), remarkNumberOffset(slotIndex(month, yearSlot)));
    if (number < 1 || number > remarkCount_) {
        return {};
    }
    return {number, fieldText(remarkRecord(number), 0, kRemarkTextSize)};
}

int CollectionStore::reserveRemarkNumber() {
    // Every reservation counts, whether or not a text is ever stored under it.
    if (remarkCount_ < kMaxRemarks && ensureRemarkRoom(remarkCount_ + 1)) {
        return ++remarkCount_;
    }
    if (remarkCount_ >= kMaxRemarks) {
        notify({StoreEvent::OutOfSpaceForRemarks, {}});
    }
    return 0;
}

bool CollectionStore::storeRemark(int n, int month, int yearSlot, int number,
                                  const std::string& text) {
    const std::size_t linkOffset = remarkNumberOffset(slotIndex(month, yearSlot));
    if (text.empty() || text.front() == ' ') {
        writeWord(record(n), linkOffset, 0);
        return false;
    }
    if (remarkCount_ == 0 || remarkCount_ >= kMaxRemarks || number < 1 || number > remarkCount_) {
        return false;
    }
    std::uint8_t* remark = remarkRecord(number);
    setFieldText(remark, 0, kRemarkTextSize, text);
    remark[kRemarkTextSize] = 0;
    // The store's own link names the record that holds the text, like the entry
    // dialog's copy does, so a cancelled dialog leaves no link to an empty record.
    if (number == remarkCount_) {
        writeWord(record(n), linkOffset, static_cast<std::uint16_t>(number));
    }
    return true;
}

} // namespace kolekt
