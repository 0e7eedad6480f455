// The program's string table and its fixed texts.
#pragma once

#include "resources/TextId.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolekt {

// Text of entry textId in the current language (UTF-8); with an argId every "%1" is replaced by
// the text of entry argId. Ids without an entry give an empty text.
std::string loadText(TextId textId, TextId argId = TextId::None);

// The English table, which is the source text of every catalogue: the text of one entry, and
// every id in ascending order.
std::string_view englishText(TextId id);
std::vector<TextId> textIds();

// Replaces "%1", "%2", ... in one pass by the given texts, for arguments that are not
// string-table entries (a path, a name, a bound). Argument texts are never scanned again.
std::string fillArguments(std::string_view pattern, std::span<const std::string_view> args);
inline std::string fillArguments(std::string_view pattern,
                                 std::initializer_list<std::string_view> args) {
    return fillArguments(pattern, std::span(args.begin(), args.size()));
}

} // namespace kolekt
