#include "Command.h"
#include "DemoCollection.h"
#include "TodayOption.h"
#include "collection/AtomicFile.h"
#include "collection/FileSystemOps.h"

#include <iostream>

namespace kolekt::tool {

namespace {

const char* const kUsage =
    "Usage: kolekt-tool sample OUT.k09 [--today YYYY-MM-DD]\n"
    "\n"
    "Writes the demo collection: group 3 with about twenty publishers, collected for the\n"
    "month before --today (default: today), scrambled as the secretary's program writes it.\n"
    "\n"
    "Exit status: 0 written, 1 the file cannot be written, 2 wrong arguments.\n";

int run(const std::vector<std::string>& args) {
    const Command self = sampleCommand();
    std::string path;
    LocalDate today = LocalDate::today();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--today") {
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
    if (!writeFileAtomically(FileSystemOps::real(), path, demoCollection(today).fileBytes())) {
        std::cerr << "kolekt-tool sample: cannot write " << path << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

Command sampleCommand() {
    return {"sample", "write the demo collection of group 3", kUsage, run};
}

} // namespace kolekt::tool
