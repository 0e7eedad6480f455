// The --today YYYY-MM-DD option shared by the commands that depend on the date.
#pragma once

#include "collection/LocalDate.h"

#include <optional>
#include <string>
#include <vector>

namespace kolekt::tool {

// The date of a YYYY-MM-DD text, or nothing when it is not a real calendar date.
std::optional<LocalDate> parseDate(const std::string& text);

// Reads the date that follows --today at args[i] into today and moves i onto it.
// Returns what is wrong with it, or nothing when it is a date.
std::optional<std::string> takeToday(const std::vector<std::string>& args, std::size_t& i,
                                     LocalDate& today);

} // namespace kolekt::tool
