// Collection files for tests, written and read back byte for byte. Unlike the program's
// own saving, writing truncates the file in place, so a test sees exactly what it wrote.
#pragma once

#include "collection/CollectionBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kolekt::test {

// Writes bytes to path as they are; throws std::runtime_error when that fails.
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::string& path);

// The builder's file, scrambled as the secretary's program writes it.
void writeCollection(const CollectionBuilder& builder, const std::string& path);

} // namespace kolekt::test
