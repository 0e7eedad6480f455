// One kolekt-tool command: its name, its usage text and what it runs.
#pragma once

#include <string>
#include <vector>

namespace kolekt::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct Command {
    std::string name;
    std::string summary; // one line for the overall usage
    std::string usage;   // the command's own --help text
    // args are the words after the command name; returns the exit status.
    int (*run)(const std::vector<std::string>& args);
};

// Every command, in the order the usage lists them.
const std::vector<Command>& commands();

// One function per command, each in its own file.
Command dumpCommand();
Command sampleCommand();
// Built only with the program's Qt parts (KOLEKT_TOOL_PDF).
Command pdfCommand();
Command yearCommand();

// Prints the command's usage to stderr and returns kExitUsage.
int usageError(const Command& command, const std::string& problem);

} // namespace kolekt::tool
