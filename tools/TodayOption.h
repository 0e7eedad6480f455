// The --today YYYY-MM-DD option shared by the commands that depend on the date.
#pragma once

#include "collection/LocalDate.h"

#include <optional>
#include <string>

namespace kolekt::tool {

// The date of a YYYY-MM-DD text, or nothing when it is not a real calendar date.
std::optional<LocalDate> parseDate(const std::string& text);

} // namespace kolekt::tool
