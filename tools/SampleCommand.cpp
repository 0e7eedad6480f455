#include "Command.h"
#include "DemoCollection.h"
#include "LanguageOption.h"
#include "OutputPath.h"
#include "TodayOption.h"
#include "collection/AbsolutePath.h"
#include "collection/AtomicFile.h"
#include "collection/CollectionLock.h"
#include "collection/FileSystemOps.h"
#include "platform/PathKind.h"
#include "platform/ProgramArguments.h"
#include "resources/StoreEventText.h"
#include "resources/StringTable.h"

#include <iostream>

namespace kolekt::tool {

namespace {

std::string usage() {
    return "Usage: kolekt-tool sample OUT.k09 [--force] [--today YYYY-MM-DD] [--language CODE]\n"
           "                          [--code-page CP]\n"
           "\n"
           "Writes the demo collection: group 3 with about twenty publishers, collected for the\n"
           "month before --today (default: today), scrambled as the secretary's program writes\n"
           "it: the people of the language's group, with remarks in the language, their texts in\n"
           "the code page of the language. An existing OUT.k09 is replaced only with --force,\n"
           "and never while Kolekt has it open.\n"
           "\n" +
           languageOptionsUsage() +
           "\n"
           "Exit status: 0 written, 1 the file cannot be written, exists (without --force), is "
           "open\n"
           "in Kolekt, or is a folder, device or pipe,\n"
           "2 wrong arguments.\n";
}

int run(const std::vector<std::string>& args) {
    const Command self = sampleCommand();
    std::string path;
    LocalDate today = LocalDate::today();
    LanguageOptions language;
    bool force = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> wrongValue;
        if (takeLanguageOption(args, i, language, wrongValue)) {
            if (wrongValue) {
                return usageError(self, *wrongValue);
            }
        } else if (arg == "--force") {
            force = true;
        } else if (arg == "--today") {
            if (const auto problem = takeToday(args, i, today)) {
                return usageError(self, *problem);
            }
        } else if (arg.starts_with("-")) {
            return usageError(self, "unknown option '" + arg + "'");
        } else if (path.empty()) {
            path = arg;
        } else {
            return usageError(self, "more than one OUT.k09 given");
        }
    }
    if (path.empty()) {
        return usageError(self, "OUT.k09 is missing");
    }
    const std::optional<std::string> codePage = applyLanguageOptions("sample", language);
    if (!codePage) {
        return kExitUsage;
    }
    const std::filesystem::path file = platform::pathFromArgument(path);
    if (namesSpecialFile(file)) {
        std::cerr << "kolekt-tool sample: will not write over " << path
                  << ", which is not a regular file\n";
        return kExitFailure;
    }
    if (!force && platform::entryKind(file) != platform::PathKind::Missing) {
        std::cerr << "kolekt-tool sample: will not write over " << path
                  << ", which exists (--force replaces it)\n";
        return kExitFailure;
    }
    // Held while the demo is written, so that no Kolekt opens the file meanwhile.
    const CollectionLock lock = CollectionLock::take(file);
    if (lock.heldElsewhere()) {
        std::cerr << "kolekt-tool sample: will not write over " << path
                  << ", which Kolekt has open\n";
        return kExitFailure;
    }
    const WriteResult written = writeFileAtomically(
        FileSystemOps::real(), file,
        demoCollection(today, *codePage, demoGroup(loadText(TextId::LanguageCode))).fileBytes());
    if (!written) {
        StoreEvent failed{StoreEvent::CannotCreateFile, absolutePath(file)};
        failed.error = written.error;
        std::cerr << "kolekt-tool sample: " << storeEventText(failed) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

Command sampleCommand() {
    return {"sample", "write the demo collection of group 3", usage(), run};
}

} // namespace kolekt::tool
