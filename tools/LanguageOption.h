// The --language and --code-page options of the commands that read or write record texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kolekt::tool {

struct LanguageOptions {
    std::string language; // a language code or locale name; empty: the desktop's locale
    std::string codePage; // empty: the language's own
};

// When args[i] is --language or --code-page, reads the value that follows into options, moves
// i onto it and returns true; problem says what is wrong with it.
bool takeLanguageOption(const std::vector<std::string>& args, std::size_t& i,
                        LanguageOptions& options, std::optional<std::string>& problem);

// The usage lines of the two options, with the languages they accept.
std::string languageOptionsUsage();

// Makes the chosen language current for the string table and returns the code page the
// collection's texts are read and written in; nothing, after saying why on stderr, when either
// option names nothing Kolekt knows.
std::optional<std::string> applyLanguageOptions(const std::string& command,
                                                const LanguageOptions& options);

} // namespace kolekt::tool
