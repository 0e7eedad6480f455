// The languages Kolekt speaks. Adding one takes a line in the table in Languages.cpp and its
// catalogue translations/kolekt_<locale>.ts; English is the string table itself.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kolekt {

struct Language {
    // String 1198 of the language's table; the name order, the month forms in sentences, the
    // printing character set and the preview's headings key on it.
    std::string_view code;
    // The desktop's language name (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) and the catalogue's
    // file name kolekt_<locale>; with a country ("pt_BR") only where one language has a
    // catalogue per country.
    std::string_view locale;
    // As the language names itself, for the language menu.
    std::string_view nativeName;
    // The Windows code page in which the secretary's program of that language writes its texts.
    std::string_view codePage;
};

// English first, then the translations.
std::span<const Language> languages();
const Language& englishLanguage();

// The code pages of the languages, each once, in ascending order: the ones a collection file
// may be read in.
std::vector<std::string_view> codePages();

// Names of languages, locales and code pages are compared in ASCII, letter case ignored.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The language of a code ("cz"), or of a locale name ("cs", "cs_CZ.UTF-8"), letter case
// ignored; nullptr for none.
const Language* findLanguage(std::string_view codeOrLocale);

// The language of a desktop locale name such as "cs_CZ.UTF-8" or "pt_BR": the catalogue of
// that country where the language has one per country, else the first of that language;
// nullptr for "C", "POSIX" and languages Kolekt does not speak.
const Language* languageOfLocale(std::string_view localeName);

} // namespace kolekt
