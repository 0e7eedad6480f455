// The names of the hidden files Kolekt keeps beside a collection (its lock, the temporary file
// of a save), which must fit the file system's limit however long the collection's name is.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace kolekt {

// The longest file name the file systems Kolekt meets allow, in bytes (UTF-16 units on Windows).
inline constexpr std::size_t kLongestFileName = 255;

// "." + name + suffix, with room for reserved more characters after it; where that would be too
// long, "." + 16 hexadecimal digits of a hash of name + suffix, the same in every process.
std::filesystem::path helperName(const std::filesystem::path& name, std::string_view suffix,
                                 std::size_t reserved = 0);

} // namespace kolekt
