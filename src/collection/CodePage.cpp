#include "collection/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace kolekt {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Owns one iconv descriptor for the length of a conversion.
class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false with input starting where it had to stop.
    bool convert(std::string_view& input, std::string& output) {
        char buffer[256];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            const bool stopped = result == static_cast<std::size_t>(-1) && errno != E2BIG;
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (stopped) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

// Length of the UTF-8 sequence that starts with lead, 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead < 0xF0 ? 3 : 1;
    }
    if (lead >= 0xC2) {
        return 2;
    }
    return 1;
}

} // namespace

std::string toUtf8(std::string_view bytes, std::string_view codePage) {
    std::string result;
    result.reserve(bytes.size());
    Converter converter("UTF-8", std::string(codePage));
    if (!converter.valid()) {
        for (const char byte : bytes) {
            const auto c = static_cast<unsigned char>(byte);
            result += c < 0x80 ? std::string(1, static_cast<char>(c))
                               : std::string(kReplacementCharacter);
        }
        return result;
    }
    while (!converter.convert(bytes, result)) {
        // A byte the code page leaves undefined: show that something is there.
        result += kReplacementCharacter;
        bytes.remove_prefix(1);
    }
    return result;
}

std::string fromUtf8(std::string_view utf8, std::string_view codePage, std::size_t maxBytes) {
    std::string result;
    result.reserve(utf8.size());
    Converter converter(std::string(codePage), "UTF-8");
    if (converter.valid()) {
        while (!converter.convert(utf8, result)) {
            // Unmappable or malformed: one '?' for the whole character.
            result += '?';
            const std::size_t length = sequenceLength(static_cast<unsigned char>(utf8.front()));
            std::size_t skip = 1;
            while (skip < length && skip < utf8.size() &&
                   (static_cast<unsigned char>(utf8[skip]) & 0xC0) == 0x80) {
                ++skip;
            }
            utf8.remove_prefix(skip);
        }
    } else {
        for (const char byte : utf8) {
            const auto c = static_cast<unsigned char>(byte);
            if (c < 0x80) {
                result += static_cast<char>(c);
            } else if (c >= 0xC0) {
                result += '?';
            }
        }
    }
    if (maxBytes != 0 && result.size() > maxBytes) {
        result.resize(maxBytes);
    }
    return result;
}

} // namespace kolekt
