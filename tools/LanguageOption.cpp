#include "LanguageOption.h"

#include "platform/DesktopLocales.h"
#include "resources/Catalogue.h"
#include "resources/LanguageChoice.h"

#include <iostream>

namespace kolekt::tool {

bool takeLanguageOption(const std::vector<std::string>& args, std::size_t& i,
                        LanguageOptions& options, std::optional<std::string>& problem) {
    const std::string& arg = args[i];
    if (arg != "--language" && arg != "--code-page") {
        return false;
    }
    if (i + 1 == args.size()) {
        problem = arg + " needs a value";
        return true;
    }
    (arg == "--language" ? options.language : options.codePage) = args[++i];
    return true;
}

std::string languageOptionsUsage() {
    std::string codePages;
    for (std::string_view codePage : kolekt::codePages()) {
        codePages += (codePages.empty() ? "" : ", ") + std::string(codePage);
    }
    return "  --language CODE     the language Kolekt speaks, which also chooses the code page\n"
           "                      (default: the desktop's locale, else eng); 'kolekt-tool\n"
           "                      --help' lists the codes\n"
           "  --code-page CP      the code page of the file's texts instead of the language's\n"
           "                      own: " +
           codePages + "\n";
}

std::optional<std::string> applyLanguageOptions(const std::string& command,
                                                const LanguageOptions& options) {
    const LanguageChoice choice =
        chooseLanguage({{options.language}, {options.codePage}, platform::desktopLocales()});
    useLanguage(*choice.language);
    const std::vector<std::string> refusals = refusalTexts(choice);
    for (const std::string& text : refusals) {
        std::cerr << "kolekt-tool " << command << ": " << text << "\n";
    }
    if (!refusals.empty()) {
        return std::nullopt;
    }
    return choice.codePage;
}

} // namespace kolekt::tool
