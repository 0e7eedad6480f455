// The current language: the catalogue that loadText reads. The catalogues are compiled from
// translations/kolekt_<locale>.ts at build time and embedded in the program.
#pragma once

#include "resources/Languages.h"
#include "resources/TextId.h"

#include <optional>
#include <string>

namespace kolekt {

// Makes language the current one. False, with English current, when its catalogue is missing
// from the program.
bool useLanguage(const Language& language);
const Language& currentLanguage();

// The text of an entry in a language's catalogue (UTF-8); nothing when the catalogue lacks it,
// and always nothing for English, whose texts are the string table itself.
std::optional<std::string> catalogueText(const Language& language, TextId id);

} // namespace kolekt
