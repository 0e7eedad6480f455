// Just enough JSON output for dump --json: objects, arrays, strings and numbers.
#pragma once

#include <ostream>
#include <string_view>

namespace kolekt::tool {

// Writes text as a JSON string literal; text is UTF-8 and passes through unchanged
// except for quotes, backslashes and control characters.
void writeJsonString(std::ostream& out, std::string_view text);

} // namespace kolekt::tool
