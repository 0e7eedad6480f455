#include "JsonWriter.h"

#include <cstdio>

namespace kolekt::tool {

void writeJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
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
                out << c;
            }
        }
    }
    out << '"';
}

} // namespace kolekt::tool
