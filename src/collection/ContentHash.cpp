#include "collection/ContentHash.h"

#include "platform/File.h"

#include <array>

namespace kolekt {

namespace {

constexpr std::uint64_t kPrime = 1099511628211ULL;

} // namespace

void ContentHash::add(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        value_ = (value_ ^ byte) * kPrime;
    }
}

std::uint64_t contentHash(std::span<const std::uint8_t> bytes) {
    ContentHash hash;
    hash.add(bytes);
    return hash.value();
}

std::optional<std::uint64_t> contentHashOfFile(const std::filesystem::path& path) {
    platform::OpenedFile opened = platform::openForReading(path);
    if (!opened.file.isOpen()) {
        return std::nullopt;
    }
    ContentHash hash;
    std::array<std::uint8_t, 16384> buffer{};
    while (const std::size_t got = opened.file.readUpTo(buffer.data(), buffer.size())) {
        hash.add({buffer.data(), got});
    }
    return hash.value();
}

} // namespace kolekt
