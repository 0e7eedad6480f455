// The bundled demo group: about twenty publishers of group 3 whose collection month
// is the month before today, as kolekt-tool's sample command writes it.
#pragma once

#include "collection/CollectionBuilder.h"
#include "collection/LocalDate.h"

namespace kolekt::tool {

CollectionBuilder demoCollection(const LocalDate& today);

} // namespace kolekt::tool
