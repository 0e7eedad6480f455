#include "collection/CollectionBuilder.h"

#include "collection/FieldText.h"
#include "collection/Scramble.h"

namespace kolekt {

using namespace layout;

namespace {
constexpr std::size_t kPhoneOffsets[] = {kPhone1, kPhone2, kPhone3};
} // namespace

CollectionBuilder::CollectionBuilder() : records_(1, Record(kRecordSize, 0)) {}

CollectionBuilder& CollectionBuilder::setGroup(int group) {
    record(0)[kHeaderGroupNumber] = static_cast<std::uint8_t>(group);
    return *this;
}

CollectionBuilder& CollectionBuilder::setMonth(int month) {
    record(0)[kHeaderMonth] = static_cast<std::uint8_t>(month);
    return *this;
}

CollectionBuilder& CollectionBuilder::setSecretary(const std::string& address) {
    setFieldText(record(0), kHeaderSecretaryEmail, kHeaderSecretaryEmailSize - 1, address);
    return *this;
}

int CollectionBuilder::addPublisher(const std::string& first, const std::string& last) {
    records_.emplace_back(kRecordSize, 0);
    const int n = publisherCount();
    setFieldText(record(n), kFirstName, kNameSize - 1, first);
    setFieldText(record(n), kLastName, kNameSize - 1, last);
    return n;
}

CollectionBuilder& CollectionBuilder::setEmail(int n, const std::string& address) {
    setFieldText(record(n), kEmail, kEmailSize - 1, address);
    return *this;
}

CollectionBuilder& CollectionBuilder::setPhone(int n, int index, const std::string& number) {
    setFieldText(record(n), kPhoneOffsets[index], kPhoneSize, number);
    return *this;
}

CollectionBuilder& CollectionBuilder::setPrivilege(int n, int privilege) {
    record(n)[kPrivilege] = static_cast<std::uint8_t>(privilege);
    return *this;
}

CollectionBuilder& CollectionBuilder::setPublisherGroup(int n, int group) {
    record(n)[kPublisherGroup] = static_cast<std::uint8_t>(group);
    return *this;
}

CollectionBuilder& CollectionBuilder::setReport(int n, int month, int yearSlot,
                                                const SlotReport& report) {
    const int slot = slotIndex(month, yearSlot);
    std::uint8_t* r = record(n);
    r[monthStatusOffset(slot)] = report.status;
    writeWord(r, valueOffset(ValueKind::Placements, slot), report.placements);
    writeWord(r, valueOffset(ValueKind::Videos, slot), report.videos);
    writeWord(r, valueOffset(ValueKind::Hours, slot), report.hours);
    writeWord(r, valueOffset(ValueKind::ReturnVisits, slot), report.returnVisits);
    const auto studies = static_cast<std::uint16_t>((report.studies & kStudiesMask) |
                                                    (report.shared ? kSharedFlag : 0));
    writeWord(r, valueOffset(ValueKind::Studies, slot), studies);
    writeWord(r, addedHoursOffset(slot), report.addedHours);
    return *this;
}

CollectionBuilder& CollectionBuilder::setLateFlag(int n, int month) {
    record(n)[lateFlagOffset(month)] = 1;
    return *this;
}

int CollectionBuilder::addRemark(int n, int month, int yearSlot, const std::string& text) {
    const int number = addRemark(text);
    writeWord(record(n), remarkNumberOffset(slotIndex(month, yearSlot)),
              static_cast<std::uint16_t>(number));
    return number;
}

int CollectionBuilder::addRemark(const std::string& text) {
    remarks_.emplace_back(kRemarkRecordSize, 0);
    setFieldText(remarks_.back().data(), 0, kRemarkTextSize, text);
    return remarkCount();
}

std::vector<std::uint8_t> CollectionBuilder::fileBytes() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records_.size() * kRecordSize + remarks_.size() * kRemarkRecordSize);
    for (const Record& r : records_) {
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    bytes[kHeaderPublisherCount] = static_cast<std::uint8_t>(publisherCount());
    writeWord(bytes.data(), kHeaderRemarkCount, static_cast<std::uint16_t>(remarkCount()));
    for (int n = 1; n <= publisherCount(); ++n) {
        scrambleRecord(bytes.data() + static_cast<std::size_t>(n) * kRecordSize, +1);
    }
    for (const Record& r : remarks_) {
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    return bytes;
}

} // namespace kolekt
