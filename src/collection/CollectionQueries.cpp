#include "collection/CollectionStore.h"
#include "collection/FieldText.h"

namespace kolekt {

using namespace layout;

namespace {

constexpr std::size_t kPhoneOffsets[] = {kPhone1, kPhone2, kPhone3};
constexpr std::size_t kShortestPhone = 6;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kNotInPlainAddress = "?&%:;,\"'<>()[]\\";

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

} // namespace

std::string CollectionStore::formatName(int n, bool lastFirst) const {
    const std::string first = fieldText(record(n), kFirstName, kNameSize);
    const std::string last = fieldText(record(n), kLastName, kNameSize);
    if (lastFirst || languageCode_ == "cz") {
        return last + ", " + first;
    }
    return first + " " + last;
}

bool CollectionStore::isReportMissing(int n, int month, int yearSlot) const {
    const int slot = slotIndex(month, yearSlot);
    const std::uint16_t studies = readWord(record(n), valueOffset(ValueKind::Studies, slot));
    return (studies & kSharedFlag) == 0 && readWord(record(n), remarkNumberOffset(slot)) == 0;
}

std::uint16_t CollectionStore::reportValue(int n, int month, int yearSlot, ValueKind kind) const {
    const std::uint16_t value = readWord(record(n), valueOffset(kind, slotIndex(month, yearSlot)));
    return kind == ValueKind::Studies ? value & kStudiesMask : value;
}

void CollectionStore::setLateFlag(int n, int month) {
    record(n)[lateFlagOffset(month)] = 1;
}

bool CollectionStore::hasLateFlag(int n, int month) const {
    return record(n)[lateFlagOffset(month)] == 1;
}

ContactNumbers CollectionStore::contactNumbers(int n) const {
    ContactNumbers contact;
    for (std::size_t offset : kPhoneOffsets) {
        // A number that fills its whole field is read as those 15 bytes.
        std::string number = fieldText(record(n), offset, kPhoneSize);
        if (number.size() >= kShortestPhone) {
            contact.numbers[static_cast<std::size_t>(contact.count++)] = std::move(number);
        }
    }
    if (isReportMissing(n, month_, yearSlot_)) {
        contact.reminderAddress = trimmed(fieldText(record(n), kEmail, kEmailSize));
        if (!hasValidEmail(contact.reminderAddress)) {
            contact.reminderAddress.clear();
        }
    }
    return contact;
}

std::string CollectionStore::contactText(int n, bool second) const {
    const ContactNumbers contact = contactNumbers(n);
    const int wanted = second ? 1 : 0;
    return contact.count > wanted ? contact.numbers[static_cast<std::size_t>(wanted)]
                                  : std::string{};
}

bool CollectionStore::hasValidEmail(const std::string& address) {
    // Only a plain local@domain reaches a mail program: a mail program reads an argument with a
    // scheme as a link, where '?', '&' and '%' add recipients or other fields; quotes, angle
    // brackets, list separators and white space let one field pass for several; an address
    // beginning with '-' is read as an option. Bytes above ASCII are letters of the code page.
    if (address.starts_with('-')) {
        return false;
    }
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f || kNotInPlainAddress.find(c) != std::string_view::npos) {
            return false;
        }
    }
    const std::size_t at = address.find('@');
    return at != std::string::npos && at >= 1 && address.find('@', at + 1) == std::string::npos &&
           address.find('.', at + 1) != std::string::npos;
}

std::string CollectionStore::secretaryAddress() const {
    if (records_.empty()) {
        return {};
    }
    return fieldText(record(0), kHeaderSecretaryEmail, kHeaderSecretaryEmailSize);
}

} // namespace kolekt
