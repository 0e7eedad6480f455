#include "JsonWriter.h"

#include "collection/CodePage.h"

#include <cstdio>

namespace kolekt::tool {

namespace {

constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";

} // namespace

void writeJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    while (!text.empty()) {
        const std::size_t length = utf8CharacterLength(text);
        if (length == 0) {
            out << kReplacementCharacter;
            text.remove_prefix(1);
            continue;
        }
        const char c = text.front();
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\t':
            out << "\\t";
            break;
        case '\r':
            out << "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out << escaped;
            } else {
                out << text.substr(0, length);
            }
        }
        text.remove_prefix(length);
    }
    out << '"';
}

} // namespace kolekt::tool
