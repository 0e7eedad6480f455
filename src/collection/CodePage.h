// Record texts are single-byte code-page strings; the store keeps the bytes and
// only the edges (UI, tool output) convert them.
#pragma once

#include <string>
#include <string_view>

namespace kolekt {

// codePage is a name such as "CP1250", in any letter case; the languages' table lists those
// Kolekt uses, and any other is read as ASCII.
// Never fails: bytes the code page leaves undefined still come out visibly.
std::string toUtf8(std::string_view bytes, std::string_view codePage);

// Characters the code page cannot hold become '?'. maxBytes cuts the result (0 = no limit).
std::string fromUtf8(std::string_view utf8, std::string_view codePage, std::size_t maxBytes = 0);

// The length of the well-formed UTF-8 character at the start of text, 0 when none starts there
// (a stray continuation byte, an overlong form, a surrogate, a value past U+10FFFF or a sequence
// cut off by the end).
std::size_t utf8CharacterLength(std::string_view text);

} // namespace kolekt
