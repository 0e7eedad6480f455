#include "collection/FieldText.h"

#include <algorithm>
#include <cstring>

namespace kolekt {

std::string fieldText(const std::uint8_t* record, std::size_t offset, std::size_t size) {
    const std::uint8_t* begin = record + offset;
    const std::uint8_t* end = std::find(begin, begin + size, std::uint8_t{0});
    return std::string(begin, end);
}

void setFieldText(std::uint8_t* record, std::size_t offset, std::size_t size,
                  std::string_view text) {
    const std::size_t length = std::min(size, text.size());
    std::memcpy(record + offset, text.data(), length);
    std::memset(record + offset + length, 0, size - length);
}

} // namespace kolekt
