#pragma once

#include "collection/CollectionStore.h"

#include <string>

namespace kolekt::tool {

// Loads FILE exactly as the program does. Unlike the program, a file that cannot be read or
// that the store refuses is an error here: it is reported on stderr under the command's name.
bool loadForCommand(const std::string& command, const std::string& path, const LocalDate& today,
                    CollectionStore& store);

} // namespace kolekt::tool
