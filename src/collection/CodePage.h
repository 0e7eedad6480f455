// Record texts are single-byte code-page strings; the store keeps the bytes and
// only the edges (UI, tool output) convert them.
#pragma once

#include <string>
#include <string_view>

namespace kolekt {

// The iconv name of the code page that a language code selects ("CP1252" for "eng").
std::string codePageFor(std::string_view languageCode);

// Never fails: bytes the code page leaves undefined still come out visibly.
std::string toUtf8(std::string_view bytes, std::string_view languageCode);

// Characters the code page cannot hold become '?'. maxBytes cuts the result (0 = no limit).
std::string fromUtf8(std::string_view utf8, std::string_view languageCode,
                     std::size_t maxBytes = 0);

} // namespace kolekt
