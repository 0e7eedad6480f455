#include "resources/LanguageChoice.h"

#include "resources/StringTable.h"

#include <optional>
#include <string_view>

namespace kolekt {

namespace {

std::optional<std::string_view> codePageNamed(std::string_view name) {
    for (std::string_view codePage : codePages()) {
        if (equalIgnoringCase(name, codePage))
            return codePage;
    }
    return std::nullopt;
}

std::string joined(auto names) {
    std::string text;
    for (std::string_view name : names) {
        text += (text.empty() ? "" : ", ") + std::string(name);
    }
    return text;
}

} // namespace

LanguageChoice chooseLanguage(const LanguageWish& wish) {
    LanguageChoice choice;
    for (const std::string& name : wish.languages) {
        if (name.empty())
            continue;
        choice.language = findLanguage(name);
        if (choice.language)
            break;
        choice.unknownLanguages.push_back(name);
    }
    for (const std::string& locale : wish.desktopLocales) {
        if (choice.language)
            break;
        choice.language = languageOfLocale(locale);
    }
    if (!choice.language)
        choice.language = &englishLanguage();

    for (const std::string& name : wish.codePages) {
        if (name.empty())
            continue;
        if (const auto codePage = codePageNamed(name)) {
            choice.codePage = *codePage;
            choice.codePageAsked = true;
            break;
        }
        choice.unknownCodePages.push_back(name);
    }
    if (choice.codePage.empty())
        choice.codePage = choice.language->codePage;
    return choice;
}

std::string languageCodeList() {
    std::vector<std::string_view> codes;
    for (const Language& language : languages())
        codes.push_back(language.code);
    return joined(codes);
}

std::vector<std::string> refusalTexts(const LanguageChoice& choice) {
    std::vector<std::string> texts;
    for (const std::string& name : choice.unknownLanguages)
        texts.push_back(
            fillArguments(loadText(TextId::UnknownLanguage), {name, languageCodeList()}));
    for (const std::string& name : choice.unknownCodePages)
        texts.push_back(
            fillArguments(loadText(TextId::UnknownCodePage), {name, joined(codePages())}));
    return texts;
}

} // namespace kolekt
