#pragma once

#include "collection/CollectionStore.h"

#include <filesystem>
#include <string>

namespace kolekt::tool {

// Loads FILE exactly as the program does, and says on stderr, under the command's name, what the
// program would say in a message box. Unlike the program, a file that cannot be opened or that
// the store refuses is an error here; a cut-off file is shown, with its warning.
// The store speaks the current language and reads the texts in codePage.
bool loadForCommand(const std::string& command, const std::filesystem::path& path,
                    const LocalDate& today, const std::string& codePage, CollectionStore& store);

} // namespace kolekt::tool
