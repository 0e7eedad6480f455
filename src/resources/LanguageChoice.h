// Which language Kolekt speaks and which code page it reads the collection's texts in: the
// first that is asked for of the command line (--language, --code-page), the settings file
// ([Options] Language and CodePage) and, for the language, the desktop's locale; else English
// and the language's own code page.
#pragma once

#include "resources/Languages.h"

#include <string>
#include <vector>

namespace kolekt {

// What was asked for, each list in order of precedence; empty texts ask for nothing.
struct LanguageWish {
    std::vector<std::string> languages; // language codes or locale names
    std::vector<std::string> codePages;
    std::vector<std::string> desktopLocales; // platform::desktopLocales()
};

struct LanguageChoice {
    const Language* language = nullptr;
    std::string codePage;
    // The code page was asked for, rather than taken from the language.
    bool codePageAsked = false;
    // Names asked for that are no language or code page Kolekt knows, in the order asked; each
    // was passed over for the next choice.
    std::vector<std::string> unknownLanguages;
    std::vector<std::string> unknownCodePages;
};

LanguageChoice chooseLanguage(const LanguageWish& wish);

// One text for each name the choice passed over, in the current language, naming what is
// accepted: the language codes, or the code pages.
std::vector<std::string> refusalTexts(const LanguageChoice& choice);

// The language codes, as the refusal and the usage texts list them.
std::string languageCodeList();

} // namespace kolekt
