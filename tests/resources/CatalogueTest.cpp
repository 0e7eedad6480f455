#include "resources/Catalogue.h"

#include "platform/DesktopLocales.h"
#include "resources/LanguageChoice.h"
#include "resources/StringTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace kolekt {
namespace {

std::multiset<std::string> placeholders(const std::string& text) {
    // "%1" fills in code; "%NAME%" and its kind fill the reminder templates the user may edit.
    static const std::regex placeholder("%[0-9]|%[A-Z]+%");
    return {std::sregex_token_iterator(text.begin(), text.end(), placeholder),
            std::sregex_token_iterator()};
}

// A single '&' before a character marks a mnemonic; "&&" is an ampersand.
bool hasMnemonic(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&')
                return true;
            ++i;
        }
    }
    return false;
}

std::vector<const Language*> translations() {
    std::vector<const Language*> result;
    for (const Language& language : languages().subspan(1))
        result.push_back(&language);
    return result;
}

class CatalogueTest : public ::testing::TestWithParam<const Language*> {};

TEST_P(CatalogueTest, HoldsEveryTextWithItsPlaceholdersMnemonicAndLanguageCode) {
    const Language& language = *GetParam();
    for (TextId id : textIds()) {
        const int number = static_cast<int>(id);
        const std::optional<std::string> text = catalogueText(language, id);
        if (!text) {
            ADD_FAILURE() << "no text " << number;
            continue;
        }
        const std::string english(englishText(id));
        EXPECT_EQ(placeholders(*text), placeholders(english)) << "text " << number;
        EXPECT_EQ(hasMnemonic(*text), hasMnemonic(english)) << "text " << number << ": " << *text;
    }
    EXPECT_EQ(catalogueText(language, TextId::LanguageCode), std::string(language.code));
}

INSTANTIATE_TEST_SUITE_P(EveryTranslation, CatalogueTest, ::testing::ValuesIn(translations()),
                         [](const auto& test) { return std::string(test.param->locale); });

TEST(Catalogue, EveryCatalogueFileHasItsLanguageAndEveryLanguageItsCatalogue) {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KOLEKT_TRANSLATIONS_DIR))
        files.insert(entry.path().filename().string());
    std::set<std::string> named;
    for (const Language* language : translations()) {
        named.insert("kolekt_" + std::string(language->locale) + ".ts");
        EXPECT_TRUE(useLanguage(*language)) << language->code;
    }
    useLanguage(englishLanguage());
    EXPECT_EQ(files, named);
}

TEST(Catalogue, LoadTextReadsTheCurrentLanguage) {
    ASSERT_TRUE(useLanguage(*findLanguage("cz")));
    EXPECT_EQ(loadText(TextId::LanguageCode), "cz");
    EXPECT_EQ(loadText(TextId::ReportCollectionCaption, TextId::March), "Sběr zpráv za březen");
    useLanguage(englishLanguage());
    EXPECT_EQ(loadText(TextId::March), "March");
}

TEST(LanguageChoice, CommandLineThenSettingsThenDesktopElseEnglish) {
    const struct {
        LanguageWish wish;
        const char* language;
        const char* codePage;
        std::vector<std::string> unknownLanguages, unknownCodePages;
    } cases[] = {
        {{}, "eng", "CP1252", {}, {}},
        {{{}, {}, {"cs_CZ.UTF-8"}}, "cz", "CP1250", {}, {}},
        {{{"", "Polish"}, {}, {"cs_CZ.UTF-8"}}, "Polish", "CP1250", {}, {}},
        {{{"greek", "cz"}, {}, {}}, "greek", "CP1253", {}, {}},
        // A locale name and any letter case are taken as well as the code.
        {{{"CS"}, {}, {}}, "cz", "CP1250", {}, {}},
        {{{"turkish"}, {}, {}}, "Turkish", "CP1254", {}, {}},
        // Portugal's catalogue for "pt" and Portuguese of countries that have none of their own.
        {{{}, {}, {"pt_BR.UTF-8"}}, "portuguese", "CP1252", {}, {}},
        {{{}, {}, {"pt_PT.UTF-8@euro"}}, "portuguese-pt", "CP1252", {}, {}},
        {{{"PT"}, {}, {}}, "portuguese-pt", "CP1252", {}, {}},
        {{{}, {}, {"pt_AO"}}, "portuguese-pt", "CP1252", {}, {}},
        {{{}, {}, {"gd", "et_EE"}}, "estonian", "CP1257", {}, {}},
        {{{}, {}, {"C.UTF-8"}}, "eng", "CP1252", {}, {}},
        {{{"klingon"}, {}, {"de_DE.UTF-8"}}, "german", "CP1252", {"klingon"}, {}},
        {{{"english"}, {}, {}}, "eng", "CP1252", {"english"}, {}},
        // The code page is chosen apart from the language.
        {{{"eng"}, {"cp1250"}, {}}, "eng", "CP1250", {}, {}},
        {{{"greek"}, {"latin2"}, {}}, "greek", "CP1253", {}, {"latin2"}},
        {{{}, {"CP1251", "CP1257"}, {}}, "eng", "CP1257", {}, {"CP1251"}},
    };
    for (const auto& c : cases) {
        const LanguageChoice choice = chooseLanguage(c.wish);
        EXPECT_EQ(choice.language->code, c.language) << c.language;
        EXPECT_EQ(choice.codePage, c.codePage) << c.language;
        EXPECT_EQ(choice.unknownLanguages, c.unknownLanguages) << c.language;
        EXPECT_EQ(choice.unknownCodePages, c.unknownCodePages) << c.language;
    }
}

TEST(LanguageChoice, RefusalsNameWhatIsAccepted) {
    const LanguageChoice choice = chooseLanguage({{"xx"}, {"utf-8"}, {}});
    const std::vector<std::string> texts = refusalTexts(choice);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("\"xx\""), std::string::npos);
    EXPECT_NE(texts[0].find("eng, cz, german, estonian, greek, spanish, french, italian, dutch, "
                            "Polish, portuguese-pt, portuguese, sk, Turkish."),
              std::string::npos);
    EXPECT_NE(texts[1].find("\"utf-8\""), std::string::npos);
    EXPECT_NE(texts[1].find("CP1250, CP1252, CP1253, CP1254, CP1257."), std::string::npos);
}

TEST(LanguageChoice, TheDesktopsLocaleFromLanguageListElseTheFirstVariableSet) {
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        unsetenv(name);
    }
    EXPECT_TRUE(platform::desktopLocales().empty());
    setenv("LANG", "fr_FR.UTF-8", 1);
    setenv("LC_MESSAGES", "sk_SK.UTF-8", 1);
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(platform::desktopLocales(), std::vector<std::string>{"sk_SK.UTF-8"});
    setenv("LANGUAGE", "gd:pl::cs", 1);
    EXPECT_EQ(platform::desktopLocales(), (std::vector<std::string>{"gd", "pl", "cs"}));
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i])
            setenv(names[i], saved[i]->c_str(), 1);
        else
            unsetenv(names[i]);
    }
}

} // namespace
} // namespace kolekt
