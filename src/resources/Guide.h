// The overseer's guide, shipped inside the program: one HTML fragment per section and
// language, under :/guide/<locale>/<section>.html, the English one where a language lacks it.
#pragma once

#include "resources/Languages.h"

#include <span>
#include <string>
#include <string_view>

namespace kolekt {

// The sections in reading order; a section links to another as "#<id>".
std::span<const std::string_view> guideSections();

// The section's HTML (UTF-8) in language, in English where it is not translated; empty for a
// section that does not exist.
std::string guideSectionHtml(std::string_view section, const Language& language);

} // namespace kolekt
