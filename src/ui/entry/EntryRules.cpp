#include "ui/entry/EntryRules.h"

#include "collection/FileLayout.h"
#include "resources/StringTable.h"
#include "resources/TextTables.h"

#include <algorithm>
#include <cctype>

namespace kolekt::entry {

namespace {

// Hours plus added hours are held to this total.
constexpr long long kHoursCap = 55;
constexpr int kStarCap = 40;
constexpr int kAddedHoursMax = 255;

// A missing second argument clears "%2" rather than leaving it in the text.
std::string formatText(TextId textId, const std::string& first, const std::string& second = {}) {
    return fillArguments(loadText(textId), {first, second});
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

WarningPanel composeWarnings(const WarningFacts& facts) {
    WarningPanel panel;
    panel.lateReport = facts.collectionMonth != facts.editMonth;
    const std::string collectionMonth = monthName(facts.collectionMonth, true, facts.languageCode);

    if (facts.posted) {
        panel.text =
            formatText(TextId::AlreadyPosted, monthName(facts.editMonth, true, facts.languageCode),
                       facts.publisherName);
    }
    const auto addLine = [&panel](TextId textId, const std::string& month) {
        panel.text += "\n" + formatText(textId, month);
    };

    if (facts.collectionStatus == layout::SpecialPioneer ||
        facts.editStatus == layout::SpecialPioneer) {
        addLine(TextId::SpecialPioneersNotIncluded, {});
        panel.notIncluded = true;
        return panel;
    }
    if (!facts.monthListOpen && panel.lateReport) {
        if (facts.posted && !facts.lateFlag) {
            addLine(TextId::ChangesNotIncluded, collectionMonth);
            panel.notIncluded = true;
        } else {
            addLine(TextId::ChangesIncluded, collectionMonth);
        }
    }
    if (facts.posted && !panel.lateReport) {
        addLine(TextId::ChangesIncluded, collectionMonth);
    }
    return panel;
}

int updateAddedHours(int hours, int addedHours, std::string& remark, std::string_view hoursWord) {
    const long long h = hours;
    long long a = addedHours;
    // Past 54 hours nothing is added, and the cap never turns into a negative number.
    if (h > kHoursCap - 1) {
        a = 0;
    } else if (a > kHoursCap - h) {
        a = kHoursCap - h;
    }
    if (a != 0 && remark.empty()) {
        remark = std::to_string(a) + " +" + std::string(hoursWord);
    }

    std::size_t digits = 0;
    while (digits < remark.size() && isDigit(remark[digits])) {
        ++digits;
    }
    if (digits != 0) {
        a = std::min<long long>(std::stoll(remark.substr(0, std::min<std::size_t>(digits, 3))),
                                kAddedHoursMax);
    }

    const std::size_t bang = remark.find('!');
    if (bang == std::string::npos || bang > 5) {
        const std::size_t star = remark.find('*');
        const long long e = (star >= 1 && star <= 4) ? std::min<long long>(a, kStarCap) : 0;
        a = h + e > kHoursCap - 1 ? e : std::min(a, kHoursCap - h);
    }
    return static_cast<int>(a);
}

std::string addedHoursCaption(int addedHours) {
    if (addedHours == 0) {
        return {};
    }
    return "( + " + std::to_string(addedHours) + " " + loadText(TextId::Hours) + " )";
}

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

SlotFields readSlot(const std::uint8_t* record, int slot) {
    using layout::readWord;
    using layout::ValueKind;
    using layout::valueOffset;
    SlotFields fields;
    fields.placements = readWord(record, valueOffset(ValueKind::Placements, slot));
    fields.videos = readWord(record, valueOffset(ValueKind::Videos, slot));
    fields.hours = readWord(record, valueOffset(ValueKind::Hours, slot));
    fields.returnVisits = readWord(record, valueOffset(ValueKind::ReturnVisits, slot));
    const std::uint16_t studies = readWord(record, valueOffset(ValueKind::Studies, slot));
    fields.studies = studies & layout::kStudiesMask;
    fields.shared = (studies & layout::kSharedFlag) != 0;
    fields.status = record[layout::monthStatusOffset(slot)];
    if ((fields.status & layout::kStatusMask) == layout::RegularPioneer) {
        fields.addedHours = readWord(record, layout::addedHoursOffset(slot)) & 0xFF;
    }
    return fields;
}

bool storeFields(std::uint8_t* record, int slot, const SlotFields& values, bool sharedChecked,
                 bool auxiliaryChecked) {
    using layout::ValueKind;
    using layout::valueOffset;
    using layout::writeWord;
    const auto word = [](int value) { return static_cast<std::uint16_t>(value); };
    writeWord(record, valueOffset(ValueKind::Placements, slot), word(values.placements));
    writeWord(record, valueOffset(ValueKind::Videos, slot), word(values.videos));
    writeWord(record, valueOffset(ValueKind::Hours, slot), word(values.hours));
    writeWord(record, valueOffset(ValueKind::ReturnVisits, slot), word(values.returnVisits));

    const std::size_t studiesAt = valueOffset(ValueKind::Studies, slot);
    const bool shared = sharedChecked || values.hours != 0 || values.studies != 0;
    std::uint16_t studies = static_cast<std::uint16_t>(
        (values.studies & layout::kStudiesMask) |
        (layout::readWord(record, studiesAt) & layout::kKeptStudiesBits));
    if (shared) {
        studies |= layout::kSharedFlag;
    }
    writeWord(record, studiesAt, studies);

    std::uint8_t& status = record[layout::monthStatusOffset(slot)];
    if ((status & layout::kStatusMask) <= layout::AuxiliaryPioneer) {
        status = static_cast<std::uint8_t>((status & ~layout::kStatusMask) |
                                           (auxiliaryChecked ? layout::AuxiliaryPioneer : 0));
    }
    writeWord(record, layout::addedHoursOffset(slot), word(values.addedHours));
    return shared;
}

} // namespace kolekt::entry
