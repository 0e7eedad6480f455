// kolekt-tool: looks inside collection files and writes the demo collection.
#include "Command.h"
#include "platform/ProgramArguments.h"
#include "resources/Languages.h"

#include <algorithm>
#include <iostream>

namespace {

using namespace kolekt::tool;

std::string overallUsage() {
    std::string text = "Usage: kolekt-tool COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command& command : commands()) {
        text += "  " + command.name + std::string(10 - command.name.size(), ' ') + command.summary +
                "\n";
    }
    text += "\nLanguages (--language CODE; also a locale name such as cs or cs_CZ):\n";
    std::size_t widest = 0;
    for (const kolekt::Language& language : kolekt::languages())
        widest = std::max(widest, language.code.size());
    for (const kolekt::Language& language : kolekt::languages()) {
        const std::string code(language.code);
        text += "  " + code + std::string(widest + 2 - code.size(), ' ') +
                std::string(language.nativeName) + ", code page " + std::string(language.codePage) +
                "\n";
    }
    text += "\nRun 'kolekt-tool COMMAND --help' for the arguments of one command.\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words = kolekt::platform::programArguments(argc, argv);
    if (words.empty()) {
        std::cerr << overallUsage();
        return kExitUsage;
    }
    if (words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
        std::cout << overallUsage();
        return kExitOk;
    }
    for (const Command& command : commands()) {
        if (command.name == words.front()) {
            const std::vector<std::string> args(words.begin() + 1, words.end());
            for (const std::string& arg : args) {
                if (arg == "--help" || arg == "-h") {
                    std::cout << command.usage;
                    return kExitOk;
                }
            }
            return command.run(args);
        }
    }
    std::cerr << "kolekt-tool: unknown command '" << words.front() << "'\n\n" << overallUsage();
    return kExitUsage;
}
