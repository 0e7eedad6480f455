// The two forms of dump's output.
#pragma once

#include "Snapshot.h"

#include <ostream>

namespace kolekt::tool {

// A readable table for people.
void writeTable(std::ostream& out, const CollectionView& view);
// One JSON object for scripts.
void writeJson(std::ostream& out, const CollectionView& view);

} // namespace kolekt::tool
