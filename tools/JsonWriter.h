// Just enough JSON output for dump --json: objects, arrays, strings and numbers.
#pragma once

#include <ostream>
#include <string_view>

namespace kolekt::tool {

// Writes text as a JSON string literal: UTF-8 passes through unchanged except for quotes,
// backslashes and control characters, and every byte that is not part of well-formed UTF-8
// (a file name in another encoding) becomes U+FFFD, so the output is always valid JSON.
void writeJsonString(std::ostream& out, std::string_view text);

} // namespace kolekt::tool
