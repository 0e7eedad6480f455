// Builds a collection file image from plain values, as the secretary's program writes
// it: kolekt-tool's demo collection is made with it, and the tests make their files so.
//
// A builder holds a plain collection in memory: the header record, publisher records
// and remark records, in the file layout. Texts are code-page bytes; use
// kolekt::fromUtf8 for accented names. Months are 0..11, year slots 0 or 1, record
// numbers 1..N.
//
//     kolekt::CollectionBuilder b;
//     b.setGroup(3).setMonth(10).setSecretary("secretary@example.org");
//     const int anna = b.addPublisher("Anna", "Berg");
//     b.setEmail(anna, "anna@example.org").setPhone(anna, 0, "0171 555 0101");
//     b.setReport(anna, 10, 0, {.shared = true, .hours = 12, .studies = 1});
//     b.addRemark(anna, 10, 0, "Was ill");
//     const std::vector<std::uint8_t> file = b.fileBytes(); // scrambled, header counts set
#pragma once

#include "collection/FileLayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kolekt {

// One month's report cell; fields left at their defaults are written as zero.
struct SlotReport {
    std::uint8_t status = layout::Publisher; // MonthStatus, low two bits
    bool shared = false;
    std::uint16_t placements = 0;
    std::uint16_t videos = 0;
    std::uint16_t hours = 0;
    std::uint16_t returnVisits = 0;
    std::uint16_t studies = 0; // low 10 bits
    std::uint16_t addedHours = 0;
};

class CollectionBuilder {
public:
    CollectionBuilder();

    // Header.
    CollectionBuilder& setGroup(int group);
    CollectionBuilder& setMonth(int month);
    CollectionBuilder& setSecretary(const std::string& address);

    // Appends a publisher record and returns its record number.
    int addPublisher(const std::string& first, const std::string& last);
    CollectionBuilder& setEmail(int n, const std::string& address);
    // index 0..2; the text is written as given, up to the 15 bytes of the field.
    CollectionBuilder& setPhone(int n, int index, const std::string& number);
    CollectionBuilder& setPrivilege(int n, int privilege);
    CollectionBuilder& setPublisherGroup(int n, int group);
    CollectionBuilder& setReport(int n, int month, int yearSlot, const SlotReport& report);
    CollectionBuilder& setLateFlag(int n, int month);

    // Appends a remark record and links the slot to it; returns the remark number.
    int addRemark(int n, int month, int yearSlot, const std::string& text);
    // Appends a remark record that no slot names.
    int addRemark(const std::string& text);

    int publisherCount() const { return static_cast<int>(records_.size()) - 1; }
    int remarkCount() const { return static_cast<int>(remarks_.size()); }

    // Raw access for odd cases: record 0 is the header, 1..N publishers (plain texts).
    std::uint8_t* record(int n) { return records_[static_cast<std::size_t>(n)].data(); }
    std::uint8_t* remark(int number) {
        return remarks_[static_cast<std::size_t>(number - 1)].data();
    }

    // The file as the secretary's program writes it: header count and remark count set
    // from the records, publisher records scrambled.
    std::vector<std::uint8_t> fileBytes() const;

private:
    using Record = std::vector<std::uint8_t>;
    std::vector<Record> records_;
    std::vector<Record> remarks_;
};

} // namespace kolekt
