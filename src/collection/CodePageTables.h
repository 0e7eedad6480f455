// The characters of the upper half of each Windows code page Kolekt reads, the same on every
// system; the lower half is ASCII in all of them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kolekt {

inline constexpr std::size_t kCodePageCount = 5;
// A byte the code page leaves undefined.
inline constexpr char16_t kUndefinedCharacter = 0xFFFD;

struct CodePageTable {
    std::string_view name;                // "CP1250"
    std::array<char16_t, 0x80> upperHalf; // the characters of the bytes 0x80..0xFF
};

extern const std::array<CodePageTable, kCodePageCount> kCodePageTables;

} // namespace kolekt
