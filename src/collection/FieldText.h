// Reading and writing the 0-ended text fields of records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kolekt {

// The bytes of the field up to its first 0 byte, at most size of them.
std::string fieldText(const std::uint8_t* record, std::size_t offset, std::size_t size);

// Copies at most size bytes of text into the field and fills the rest of it with zeros.
void setFieldText(std::uint8_t* record, std::size_t offset, std::size_t size,
                  std::string_view text);

} // namespace kolekt
