#include "Command.h"
#include "DumpOutput.h"
#include "LanguageOption.h"
#include "LoadCollection.h"
#include "TodayOption.h"
#include "collection/AbsolutePath.h"
#include "collection/CollectionStore.h"
#include "platform/ProgramArguments.h"

#include <iostream>

namespace kolekt::tool {

namespace {

std::string usage() {
    return "Usage: kolekt-tool dump FILE [--today YYYY-MM-DD] [--json] [--language CODE]\n"
           "                        [--code-page CP]\n"
           "\n"
           "Loads the collection file FILE as Kolekt does and prints what it holds for its\n"
           "collection month: the header and every publisher's report.\n"
           "\n"
           "  --today YYYY-MM-DD  the date Kolekt starts on (default: today); it decides the\n"
           "                      year slot, as when the program is started that day\n"
           "  --json              print one JSON object instead of a table; it is always\n"
           "                      valid UTF-8: each byte of a text (such as the file's name)\n"
           "                      that is not UTF-8 is printed as U+FFFD\n" +
           languageOptionsUsage() +
           "\n"
           "Exit status: 0 done, 1 the file cannot be read or is not a collection file,\n"
           "2 wrong arguments.\n";
}

int run(const std::vector<std::string>& args) {
    const Command self = dumpCommand();
    std::string path;
    LocalDate today = LocalDate::today();
    bool json = false;
    LanguageOptions language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> wrongValue;
        if (takeLanguageOption(args, i, language, wrongValue)) {
            if (wrongValue) {
                return usageError(self, *wrongValue);
            }
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--today") {
            if (const auto problem = takeToday(args, i, today)) {
                return usageError(self, *problem);
            }
        } else if (arg.starts_with("-") && arg != "-") {
            return usageError(self, "unknown option '" + arg + "'");
        } else if (path.empty()) {
            path = arg;
        } else {
            return usageError(self, "more than one FILE given");
        }
    }
    if (path.empty()) {
        return usageError(self, "FILE is missing");
    }
    const std::optional<std::string> codePage = applyLanguageOptions("dump", language);
    if (!codePage) {
        return kExitUsage;
    }
    CollectionStore store;
    const std::filesystem::path file = platform::pathFromArgument(path);
    if (!loadForCommand("dump", file, today, *codePage, store)) {
        return kExitFailure;
    }
    const CollectionView view = snapshot(store, platform::argumentFromPath(absolutePath(file)));
    if (json) {
        writeJson(std::cout, view);
    } else {
        writeTable(std::cout, view);
    }
    return kExitOk;
}

} // namespace

Command dumpCommand() {
    return {"dump", "print what a collection file holds (as a table or JSON)", usage(), run};
}

} // namespace kolekt::tool
