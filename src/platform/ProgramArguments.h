// A command-line program's arguments as text: bytes as given on POSIX systems, UTF-8 from the
// wide command line on Windows (whose narrow argv loses what the ANSI code page cannot hold).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kolekt::platform {

// Every argument after the program's name.
std::vector<std::string> programArguments(int argc, char** argv);

// The path an argument names, and a path as the text of an argument again.
std::filesystem::path pathFromArgument(const std::string& argument);
std::string argumentFromPath(const std::filesystem::path& path);

} // namespace kolekt::platform
