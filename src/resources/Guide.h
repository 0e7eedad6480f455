// The overseer's guide, shipped inside the program: one HTML fragment per section and
// language, under :/guide/<locale>/<section>.html, the English one where a language lacks it.
// A section marks what only one system's users read, as README.md does: <!-- linux -->...
// <!-- /linux --> is read on Linux alone, <!-- windows: TEXT --> shows TEXT on Windows alone.
#pragma once

#include "resources/Languages.h"

#include <span>
#include <string>
#include <string_view>

namespace kolekt {

enum class GuideSystem { Linux, Windows };

#ifdef _WIN32
inline constexpr GuideSystem kGuideSystem = GuideSystem::Windows;
#else
inline constexpr GuideSystem kGuideSystem = GuideSystem::Linux;
#endif

// The sections in reading order; a section links to another as "#<id>".
std::span<const std::string_view> guideSections();

// The section's HTML (UTF-8) in language, in English where it is not translated, as system's
// users read it; empty for a section that does not exist.
std::string guideSectionHtml(std::string_view section, const Language& language,
                             GuideSystem system = kGuideSystem);

} // namespace kolekt
