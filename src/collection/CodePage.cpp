#include "collection/CodePage.h"

#include "collection/CodePageTables.h"

#include <algorithm>
#include <cstdint>

namespace kolekt {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr unsigned char kFirstUpper = 0x80;

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        return lower(x) == lower(y);
    });
}

const CodePageTable* tableOf(std::string_view codePage) {
    const auto found =
        std::find_if(kCodePageTables.begin(), kCodePageTables.end(),
                     [&](const CodePageTable& table) { return sameName(table.name, codePage); });
    return found == kCodePageTables.end() ? nullptr : &*found;
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

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

// The character that a well-formed UTF-8 sequence at the start of text encodes, with its
// length; none for a stray, overlong, cut-off or surrogate sequence.
bool decodeUtf8(std::string_view text, char32_t& c, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    length = sequenceLength(lead);
    if (length == 1) {
        c = lead;
        return lead < 0x80;
    }
    if (utf8CharacterLength(text) != length) {
        return false;
    }
    c = static_cast<char32_t>(lead & (0xFF >> (length + 1)));
    for (std::size_t i = 1; i < length; ++i) {
        c = (c << 6) | (byte(i) & 0x3F);
    }
    return true;
}

// The byte of c in table, none when the code page cannot hold it.
bool encodeByte(const CodePageTable& table, char32_t c, char& byte) {
    if (c < kFirstUpper) {
        byte = static_cast<char>(c);
        return true;
    }
    if (c == kUndefinedCharacter) {
        return false;
    }
    const auto found = std::find(table.upperHalf.begin(), table.upperHalf.end(), c);
    if (found == table.upperHalf.end()) {
        return false;
    }
    byte = static_cast<char>(kFirstUpper + (found - table.upperHalf.begin()));
    return true;
}

} // namespace

std::string toUtf8(std::string_view bytes, std::string_view codePage) {
    const CodePageTable* table = tableOf(codePage);
    std::string result;
    result.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < kFirstUpper) {
            result += byte;
        } else if (table == nullptr || table->upperHalf[c - kFirstUpper] == kUndefinedCharacter) {
            // A byte the code page leaves undefined: show that something is there.
            result += kReplacementCharacter;
        } else {
            appendUtf8(result, table->upperHalf[c - kFirstUpper]);
        }
    }
    return result;
}

std::string fromUtf8(std::string_view utf8, std::string_view codePage, std::size_t maxBytes) {
    const CodePageTable* table = tableOf(codePage);
    std::string result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto lead = static_cast<unsigned char>(utf8.front());
        if (table == nullptr) {
            // Without a code page only ASCII is known; each other character becomes one '?'.
            if (lead < kFirstUpper) {
                result += static_cast<char>(lead);
            } else if (lead >= 0xC0) {
                result += '?';
            }
            utf8.remove_prefix(1);
            continue;
        }
        char32_t c = 0;
        std::size_t length = 1;
        char byte = '?';
        if (decodeUtf8(utf8, c, length) && encodeByte(*table, c, byte)) {
            result += byte;
            utf8.remove_prefix(length);
            continue;
        }
        // Unmappable or malformed: one '?' for the whole character.
        result += '?';
        std::size_t skip = 1;
        while (skip < length && skip < utf8.size() &&
               isContinuation(static_cast<unsigned char>(utf8[skip]))) {
            ++skip;
        }
        utf8.remove_prefix(skip);
    }
    if (maxBytes != 0 && result.size() > maxBytes) {
        result.resize(maxBytes);
    }
    return result;
}

std::size_t utf8CharacterLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return 0;
    }
    return length;
}

} // namespace kolekt
