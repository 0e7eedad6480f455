// Texts chosen by a number from a record: a month's name, a pioneer status, a privilege.
#pragma once

#include "resources/TextId.h"

#include <string>
#include <string_view>

namespace kolekt {

// The name of month 0..11 as it stands alone, in a title or a list.
std::string monthName(int month);
// In a sentence French puts "d'" before a name that starts with a lower-case 'a' or 'o' and
// "de " before every other name; other languages use the name as it is.
std::string monthName(int month, bool inSentence, std::string_view languageCode);
std::string sentenceMonthForm(const std::string& name, std::string_view languageCode);

// The text of a month slot's pioneer status (0 none, 1 auxiliary, 2 regular, 3 special) and of
// a record's privilege bits (0 none, 1 ministerial servant, 2 elder, 3 baptized brother);
// TextId::None for none and for values no record should hold.
TextId pioneerStatusText(int status);
TextId privilegeText(int privilege);

} // namespace kolekt
