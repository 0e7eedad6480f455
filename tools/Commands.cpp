#include "Command.h"

#include <iostream>

namespace kolekt::tool {

const std::vector<Command>& commands() {
    static const std::vector<Command> all{
        dumpCommand(),
        sampleCommand(),
#ifdef KOLEKT_TOOL_PDF
        pdfCommand(),
        yearCommand(),
#endif
    };
    return all;
}

int usageError(const Command& command, const std::string& problem) {
    std::cerr << "kolekt-tool " << command.name << ": " << problem << "\n\n" << command.usage;
    return kExitUsage;
}

} // namespace kolekt::tool
