// The language the user chose for the desktop, as locale names, most important first.
#pragma once

#include <string>
#include <vector>

namespace kolekt::platform {

// The entries of LANGUAGE (a list separated by colons), else LC_ALL, else LC_MESSAGES, else
// LANG: the first of these that is set decides; where none is, displayLanguages().
std::vector<std::string> desktopLocales();

// Windows: the user's display languages ("cs_CZ", with the underscore the language table reads).
// POSIX: none, as the environment holds the desktop's choice.
std::vector<std::string> displayLanguages();

} // namespace kolekt::platform
