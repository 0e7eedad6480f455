// Byte layout of the collection (.k09) and return (.k19) files. Every offset
// the program interprets is named here; everything else is carried through.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kolekt::layout {

inline constexpr std::size_t kRecordSize = 816;
inline constexpr std::size_t kRemarkRecordSize = 48;

// Header record (record 0). Texts are plain.
inline constexpr std::size_t kHeaderSecretaryEmail = 44;
inline constexpr std::size_t kHeaderSecretaryEmailSize = 63;
inline constexpr std::size_t kHeaderPublisherCount = 180; // signed 8-bit
inline constexpr std::size_t kHeaderGroupNumber = 181;    // unsigned 8-bit
inline constexpr std::size_t kHeaderRemarkCount = 184;    // unsigned 16-bit
inline constexpr std::size_t kHeaderMonth = 238;          // 0 = January

// Publisher records (1..N). Text fields are scrambled in files.
inline constexpr std::size_t kFirstName = 2;
inline constexpr std::size_t kLastName = 23;
inline constexpr std::size_t kNameSize = 21;
inline constexpr std::size_t kEmail = 44;
inline constexpr std::size_t kEmailSize = 63;
inline constexpr std::size_t kPhone1 = 107;
inline constexpr std::size_t kPhone2 = 122;
inline constexpr std::size_t kPhone3 = 137;
inline constexpr std::size_t kPhoneSize = 15;
inline constexpr std::size_t kLateFlagsFirstHalf = 152;  // months 0..5
inline constexpr std::size_t kLateFlagsSecondHalf = 161; // months 6..11
inline constexpr std::size_t kLateFlagAreaSize = 9;
inline constexpr std::size_t kPublisherGroup = 181; // signed 8-bit
inline constexpr std::size_t kMonthStatus = 202;    // 36 bytes, one per slot
inline constexpr std::size_t kPrivilege = 239;
inline constexpr std::size_t kValueWords = 240; // 5 kinds x 36 words
inline constexpr std::size_t kValueKindStride = 72;
inline constexpr std::size_t kPlacements = 240;
inline constexpr std::size_t kVideos = 312;
inline constexpr std::size_t kHours = 384;
inline constexpr std::size_t kReturnVisits = 456;
inline constexpr std::size_t kStudies = 528;
inline constexpr std::size_t kRemarkNumber = 600;
inline constexpr std::size_t kAddedHours = 672;

// Bytes that scrambling always zeroes: the terminators of the text fields.
inline constexpr std::size_t kForcedZeros[] = {22, 43, 106, 121, 160, 169};

inline constexpr int kSlotCount = 36;
inline constexpr int kCellsPerMonth = 3;

// Studies word bits.
inline constexpr std::uint16_t kStudiesMask = 0x03FF;
inline constexpr std::uint16_t kUnusedStudiesBit = 0x0400;
inline constexpr std::uint16_t kSharedFlag = 0x0800;
inline constexpr std::uint16_t kKeptStudiesBits = 0xF000;

inline constexpr std::uint8_t kStatusMask = 0x03;
inline constexpr std::uint8_t kPrivilegeMask = 0x03;

// Remark records: text of at most 36 characters, byte 36 always 0.
inline constexpr std::size_t kRemarkTextSize = 36;
inline constexpr int kMaxRemarks = 254;

enum class ValueKind : int { Placements = 0, Videos = 1, Hours = 2, ReturnVisits = 3, Studies = 4 };

enum MonthStatus : std::uint8_t {
    Publisher = 0,
    AuxiliaryPioneer = 1,
    RegularPioneer = 2,
    SpecialPioneer = 3
};

constexpr int slotIndex(int month, int yearSlot) {
    return month * kCellsPerMonth + yearSlot;
}

constexpr std::size_t valueOffset(ValueKind kind, int slot) {
    return kValueWords + kValueKindStride * static_cast<std::size_t>(kind) +
           2 * static_cast<std::size_t>(slot);
}
constexpr std::size_t remarkNumberOffset(int slot) {
    return kRemarkNumber + 2 * static_cast<std::size_t>(slot);
}
constexpr std::size_t addedHoursOffset(int slot) {
    return kAddedHours + 2 * static_cast<std::size_t>(slot);
}
constexpr std::size_t monthStatusOffset(int slot) {
    return kMonthStatus + static_cast<std::size_t>(slot);
}

constexpr std::size_t lateFlagOffset(int month) {
    return month < 6 ? kLateFlagsFirstHalf + static_cast<std::size_t>(month)
                     : kLateFlagsSecondHalf + static_cast<std::size_t>(month - 6);
}

inline std::uint16_t readWord(const std::uint8_t* record, std::size_t offset) {
    return static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
}
inline void writeWord(std::uint8_t* record, std::size_t offset, std::uint16_t value) {
    record[offset] = static_cast<std::uint8_t>(value & 0xFF);
    record[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

} // namespace kolekt::layout
