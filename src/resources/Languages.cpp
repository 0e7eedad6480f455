#include "resources/Languages.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kolekt {

namespace {

constexpr std::array kLanguages{
    Language{"eng", "en", "English", "CP1252"},
    Language{"cz", "cs", "Čeština", "CP1250"},
    Language{"german", "de", "Deutsch", "CP1252"},
    Language{"estonian", "et", "Eesti", "CP1257"},
    Language{"greek", "el", "Ελληνικά", "CP1253"},
    Language{"spanish", "es", "Español", "CP1252"},
    Language{"french", "fr", "Français", "CP1252"},
    Language{"italian", "it", "Italiano", "CP1252"},
    Language{"dutch", "nl", "Nederlands", "CP1252"},
    Language{"Polish", "pl", "Polski", "CP1250"},
    Language{"portuguese", "pt", "Português", "CP1252"},
    Language{"sk", "sk", "Slovenčina", "CP1250"},
    Language{"Turkish", "tr", "Türkçe", "CP1254"},
};

// "cs_CZ.UTF-8@euro" names the language "cs".
std::string_view languagePart(std::string_view localeName) {
    return localeName.substr(0, localeName.find_first_of("_.@-"));
}

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string_view> codePages() {
    std::vector<std::string_view> pages;
    for (const Language& language : kLanguages)
        pages.push_back(language.codePage);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

std::span<const Language> languages() {
    return kLanguages;
}

const Language& englishLanguage() {
    return kLanguages.front();
}

const Language* findLanguage(std::string_view codeOrLocale) {
    for (const Language& language : kLanguages) {
        if (equalIgnoringCase(language.code, codeOrLocale))
            return &language;
    }
    return languageOfLocale(codeOrLocale);
}

const Language* languageOfLocale(std::string_view localeName) {
    const std::string_view wanted = languagePart(localeName);
    for (const Language& language : kLanguages) {
        if (equalIgnoringCase(language.locale, wanted))
            return &language;
    }
    return nullptr;
}

} // namespace kolekt
