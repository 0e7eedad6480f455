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
    // Portugal before Brazil: a bare "pt", and Portuguese of any other country, is read as
    // European Portuguese.
    Language{"portuguese-pt", "pt_PT", "Português (Portugal)", "CP1252"},
    Language{"portuguese", "pt_BR", "Português (Brasil)", "CP1252"},
    Language{"sk", "sk", "Slovenčina", "CP1250"},
    Language{"Turkish", "tr", "Türkçe", "CP1254"},
};

// "cs_CZ.UTF-8@euro" names the language "cs" and the country "CZ".
std::string_view languagePart(std::string_view localeName) {
    return localeName.substr(0, localeName.find_first_of("_.@-"));
}

std::string_view countryPart(std::string_view localeName) {
    const std::size_t start = localeName.find_first_of("_-");
    if (start == std::string_view::npos || start != languagePart(localeName).size())
        return {};
    const std::string_view rest = localeName.substr(start + 1);
    return rest.substr(0, rest.find_first_of(".@"));
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
    const std::string_view country = countryPart(localeName);
    const Language* sameLanguage = nullptr;
    for (const Language& language : kLanguages) {
        if (!equalIgnoringCase(languagePart(language.locale), wanted))
            continue;
        if (countryPart(language.locale).empty() ||
            equalIgnoringCase(countryPart(language.locale), country))
            return &language;
        if (!sameLanguage)
            sameLanguage = &language;
    }
    return sameLanguage;
}

} // namespace kolekt
