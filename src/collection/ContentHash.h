// A file's content in 64 bits: a program that rewrites a file within the time stamp's
// resolution (FAT's 2 s, exFAT's 1 s) or keeps its time stamp still changes this.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace kolekt {

class ContentHash {
public:
    void add(std::span<const std::uint8_t> bytes);
    std::uint64_t value() const { return value_; }

private:
    // FNV-1a: the same value on every system and in every run, which a change check needs.
    std::uint64_t value_ = 14695981039346656037ULL;
};

std::uint64_t contentHash(std::span<const std::uint8_t> bytes);

// The hash of the file path names; none when it cannot be read.
std::optional<std::uint64_t> contentHashOfFile(const std::filesystem::path& path);

} // namespace kolekt
