#include "collection/HelperName.h"

#include "collection/ContentHash.h"

#include <cstdint>
#include <span>
#include <string>

namespace kolekt {

std::filesystem::path helperName(const std::filesystem::path& name, std::string_view suffix,
                                 std::size_t reserved) {
    const std::filesystem::path::string_type& text = name.native();
    std::filesystem::path helper(".");
    if (1 + text.size() + suffix.size() + reserved <= kLongestFileName) {
        helper += name;
    } else {
        const std::uint64_t hash = contentHash(
            {reinterpret_cast<const std::uint8_t*>(text.data()), text.size() * sizeof text[0]});
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string digits(16, '0');
        for (std::size_t i = 0; i < digits.size(); ++i) {
            digits[i] = kDigits[(hash >> (60 - 4 * i)) & 0xF];
        }
        helper += digits;
    }
    helper += std::string(suffix);
    return helper;
}

} // namespace kolekt
